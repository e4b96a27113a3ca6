// The main window: its layout, the board for each grid, the load (first start, a restored game,
// stored values that cannot be used), and photos decoded reduced, turned upright and cut.
#include "game/Bolme.h"
#include "game/ParcaKesici.h"
#include "startup/BaslangicModulu.h"
#include "tests/ortak/PencereOrtami.h"
#include "toolkit/ResimYukleyici.h"
#include "toolkit/Twip.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QScreen>

namespace {

const QRgb BoşYerRengi = qRgb(255, 255, 192);

// Place k of the board shows cell k of the photo (checked at the middle of the place).
void TahtaFotoğrafıGösterir(AnaForm &form, QSize foto, int kenar) {
    QCOMPARE(form.DağınıkParçalar.Count(), kenar * kenar);
    for (int yer = 0; yer < kenar * kenar; ++yer) {
        const QPointF orta = QRectF(HücreDikdörtgeni(foto, kenar, yer)).center();
        QVERIFY2(RenkYakın(OrtaRenk(form.DağınıkParçalar(yer)->Picture()),
                           ÖrnekRengi(orta.x(), orta.y(), foto)),
                 qPrintable(u"place %1"_s.arg(yer)));
        QVERIFY(form.DağınıkParçalar(yer)->Tag().isEmpty());
    }
}

// A 4 x 4 game: pieces 14, 0, 1, ... on the places, the empty place at 6.
QStringList GeçerliDörtteDört() {
    QStringList değerler{u"14"_s};
    for (int parça = 0; değerler.size() < 16;)
        değerler << (değerler.size() == 6 ? u"6B"_s : QString::number(parça++));
    return değerler;
}

// Saves a game with the clock at 1 h 2 min 3 s and 57 moves.
void OyunKaydet(const QStringList &değerler) {
    if (değerler.isEmpty())
        return;
    for (int yer = 0; yer < değerler.size(); ++yer)
        SaveSetting(UygulamaAdı, u"Oyun"_s, u"Foto-%1"_s.arg(yer), değerler[yer]);
    const QString bilgiler = u"Oyun\\Bilgiler"_s;
    SaveSetting(UygulamaAdı, bilgiler, u"Saniye Bilgisi"_s, u"3"_s);
    SaveSetting(UygulamaAdı, bilgiler, u"Dakika Bilgisi"_s, u"2"_s);
    SaveSetting(UygulamaAdı, bilgiler, u"Saat Bilgisi"_s, u"1"_s);
    SaveSetting(UygulamaAdı, bilgiler, u"Hamle Bilgisi"_s, u"57"_s);
}

// Gives the JPEG at `yol` the EXIF orientation 6: "turn it clockwise to show it upright".
void SağaDönecek(const QString &yol) {
    QFile dosya(yol);
    if (!dosya.open(QIODevice::ReadWrite))
        qFatal("cannot open %s", qPrintable(yol));
    const QByteArray jpeg = dosya.readAll();
    dosya.seek(2);
    // APP1 "Exif": a little-endian TIFF header and one IFD entry, Orientation (0x0112) = 6.
    dosya.write(QByteArray("\xFF\xE1\x00\x22"
                           "Exif\0\0II*\0\x08\0\0\0\x01\x00"
                           "\x12\x01\x03\x00\x01\x00\x00\x00\x06\x00\x00\x00\0\0\0\0",
                           36) +
                jpeg.mid(2));
}

} // namespace

class WindowTest : public QObject {
    Q_OBJECT

    QTemporaryDir klasör_;

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey)); }

    // ---- Layout ----

    // The fixed client size; no visible control leaves its parent or covers a sibling, and
    // every text fits its control, the longest time and move count included.
    void fixedSizeAndNothingOverlapsOrIsCut() {
        PencereOrtamı ortam;
        ortam.ÖrnekYaz();
        auto form = ortam.Yükle();
        QCOMPARE(form->minimumSize(), QSize(634, 413));
        QCOMPARE(form->maximumSize(), QSize(634, 413));
        QVERIFY(form->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!form->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
        form->Etiket[1]->setText(u"01:02:03 ÖS"_s);
        form->Etiket[3]->setText(u"123456"_s);

        QList<QWidget *> görünenler;
        for (QWidget *kontrol : form->findChildren<QWidget *>())
            if (kontrol->isVisibleTo(form.get()))
                görünenler << kontrol;
        for (QWidget *a : görünenler) {
            const char *ad = a->metaObject()->className();
            QVERIFY2(a->parentWidget()->rect().contains(a->geometry()), ad);
            for (QWidget *b : görünenler)
                if (a != b && a->parentWidget() == b->parentWidget())
                    QVERIFY2(!a->geometry().intersects(b->geometry()), ad);
        }
        for (QAbstractButton *düğme : form->findChildren<QAbstractButton *>()) {
            const int gereken =
                qobject_cast<QPushButton *>(düğme)
                    ? düğme->fontMetrics().horizontalAdvance(düğme->text().remove(u'&')) + 8
                    : düğme->sizeHint().width();
            QVERIFY2(gereken <= düğme->width(), qPrintable(düğme->text()));
        }
        for (QLabel *etiket : form->Etiket)
            QVERIFY2(etiket->fontMetrics().horizontalAdvance(etiket->text()) <= etiket->width(),
                     qPrintable(etiket->text()));
    }

    // Places from the frame's edge, each as large as place 0 so that a piece fills it, the
    // last one's right edge where the twips put it; the pieces hidden and cut to the places.
    void boardForEachGrid() {
        const struct {
            int seçim;
            QSize yerTwip;
            int sağTwip;
        } satırlar[] = {{0, {1753, 1313}, 5513}, {1, {1309, 979}, 5512}, {2, {1043, 779}, 5513}};
        for (const auto &[seçim, yerTwip, sağTwip] : satırlar) {
            const int kenar = seçim + 3, c = kenar * kenar;
            PencereOrtamı ortam;
            auto form = ortam.Pencere();
            form->OrjinalFotoğrafKutusu->SetPicture(ÖrnekFotoğraf(QSize(300, 200)));
            form->ParçalaraBölSeçeneği_Click(2); // a smaller board after it leaves no place behind
            form->ParçalaraBölSeçeneği_Click(seçim);
            QCOMPARE(ortam.hatalar, QList<int>{});

            QCOMPARE(form->DağınıkParçalar.Count(), c);
            QCOMPARE(form->SıralıParçalar.Count(), c);
            const QRect ilk = form->DağınıkParçalar(0)->geometry();
            QCOMPARE(ilk, TwipDikdörtgeni(210, 300, yerTwip.width(), yerTwip.height()));
            for (int yer = 0; yer < c; ++yer) {
                ResimKutusu *kutu = form->DağınıkParçalar(yer);
                QCOMPARE(kutu->size(), ilk.size());
                QVERIFY(!kutu->isHidden() && form->SıralıParçalar(yer)->isHidden());
                if (yer % kenar)
                    QVERIFY(kutu->x() > form->DağınıkParçalar(yer - 1)->geometry().right());
                if (yer >= kenar)
                    QVERIFY(kutu->y() > form->DağınıkParçalar(yer - kenar)->geometry().bottom());
                const QImage parça = form->SıralıParçalar(yer)->Image();
                QCOMPARE(parça.deviceIndependentSize().toSize(), kutu->contentsRect().size());
                QCOMPARE(kutu->Picture(), parça);
            }
            const QRect son = form->DağınıkParçalar(c - 1)->geometry();
            QVERIFY(qAbs(son.right() + 1 - Piksel(sağTwip)) <= 1);
            QVERIFY(son.bottom() < form->Çerçeve[0]->height() - 4);
        }
    }

    // The options answer the player's click only, and only when it changes the grid.
    void optionsSplitWhenThePlayerChangesTheGrid() {
        PencereOrtamı ortam;
        ortam.ÖrnekYaz();
        auto form = ortam.Yükle();
        QRadioButton *dörtlü = form->ParçalaraBölSeçeneği[1];
        QTest::mouseClick(dörtlü, Qt::LeftButton, {}, QPoint(6, dörtlü->height() / 2));
        QCOMPARE(BölmeSeçimi, 1);
        QCOMPARE(form->DağınıkParçalar.Count(), 16);
        QVERIFY(form->DağınıkParçalar(15)->HasPicture());

        const ResimKutusu *yer = form->DağınıkParçalar(15);
        QTest::mouseClick(dörtlü, Qt::LeftButton, {}, QPoint(6, dörtlü->height() / 2));
        QCOMPARE(form->DağınıkParçalar(15), yer);
        form->ParçalaraBölSeçeneği[2]->setChecked(true);
        QCOMPARE(form->DağınıkParçalar.Count(), 16);
    }

    // ---- Load ----

    void firstStartShowsTheSamplePhotoWhole() {
        PencereOrtamı ortam;
        const QSize foto(600, 450);
        ortam.ÖrnekYaz(foto);
        auto form = ortam.Yükle();

        QCOMPARE(ortam.hatalar, QList<int>{});
        QCOMPARE(FotoğrafYolu, ProgramKlasörü + u"Sample-1.jpg"_s);
        QCOMPARE(form->windowTitle(), PencereBaşlığınıOluştur());
        QVERIFY(form->ParçalaraBölSeçeneği[0]->isChecked());
        TahtaFotoğrafıGösterir(*form, foto, 3);
        QCOMPARE(form->OrjinalFotoğrafKutusu->ScaleWidth(), 600);

        // The sample ticked and drawn over the whole box, the photo's corners in its corners.
        QVERIFY(form->FotoğrafınÖrneğiniGöster->isChecked());
        QVERIFY(!form->OyunuKaydetOnayı->isChecked() && !form->SesleriKapatOnayı->isChecked());
        const QImage örnek = form->ÖrnekKutusu->Picture();
        QCOMPARE(örnek.deviceIndependentSize().toSize(), form->ÖrnekKutusu->contentsRect().size());
        QVERIFY(RenkYakın(örnek.pixel(1, 1), ÖrnekRengi(0, 0, foto), 20));
        QVERIFY(RenkYakın(örnek.pixel(örnek.width() - 2, örnek.height() - 2),
                          ÖrnekRengi(600, 450, foto), 20));

        // No game, empty labels, the window centred.
        QCOMPARE(form->SüreHesapla.Interval(), 0);
        QVERIFY(form->Etiket[1]->text().isEmpty() && form->Etiket[3]->text().isEmpty());
        QVERIFY(form->isVisible());
        const QPoint fark = form->frameGeometry().center() - form->screen()->geometry().center();
        QVERIFY(fark.manhattanLength() <= 4);
    }

    void savedGameComesBackWithItsClock() {
        PencereOrtamı ortam;
        ortam.ÖrnekYaz();
        ortam.Ayar(u"Son Bolme"_s, u"1"_s);
        const QStringList değerler = GeçerliDörtteDört();
        OyunKaydet(değerler);
        auto form = ortam.Yükle();

        QCOMPARE(ortam.hatalar, QList<int>{});
        QCOMPARE(form->Tahta.BoşParça(), 6);
        QVERIFY(!form->DağınıkParçalar(6)->HasPicture());
        QCOMPARE(form->DağınıkParçalar(6)->Tag(), u"6"_s);
        QCOMPARE(form->DağınıkParçalar(6)->BackColor().rgb(), BoşYerRengi);
        for (int yer = 0; yer < 16; ++yer) {
            if (yer == 6)
                continue;
            QCOMPARE(form->DağınıkParçalar(yer)->Tag(), değerler[yer]);
            QCOMPARE(form->DağınıkParçalar(yer)->Picture(),
                     form->SıralıParçalar(değerler[yer].toInt())->Image());
        }
        QCOMPARE(form->SüreHesapla.Interval(), 1000);
        QCOMPARE(form->Etiket[1]->text(), u"01:02:03"_s);
        QCOMPARE(form->Etiket[3]->text(), u"57"_s);
        QCOMPARE(form->HamleSayısı, 57);
    }

    // A split or a saved board that cannot be used is reported once; the board shows the
    // photo whole on a valid grid with no game, and the saved game is gone from the store.
    void unusableSplitOrBoardIsReportedOnce_data() {
        QTest::addColumn<QString>("bölme");
        QTest::addColumn<QStringList>("değerler");
        QTest::addColumn<int>("kenar");
        QStringList bitmiş; // no running game is in this order: its next slide would win
        for (int yer = 0; yer < 15; ++yer)
            bitmiş << QString::number(yer);
        QTest::newRow("split 3") << u"3"_s << QStringList() << 3;
        QTest::newRow("split -1") << u"-1"_s << QStringList() << 3;
        QTest::newRow("15 rows") << u"1"_s << GeçerliDörtteDört().first(15) << 4;
        QTest::newRow("finished order") << u"1"_s << (bitmiş << u"15B"_s) << 4;
    }
    void unusableSplitOrBoardIsReportedOnce() {
        QFETCH(QString, bölme);
        QFETCH(QStringList, değerler);
        QFETCH(int, kenar);
        PencereOrtamı ortam;
        const QSize foto(600, 450);
        ortam.ÖrnekYaz(foto);
        ortam.Ayar(u"Son Bolme"_s, bölme);
        OyunKaydet(değerler);
        auto form = ortam.Yükle();

        QCOMPARE(ortam.hatalar, QList<int>{9});
        QCOMPARE(BölmeSeçimi, kenar - 3);
        QVERIFY(form->ParçalaraBölSeçeneği[kenar - 3]->isChecked());
        QCOMPARE(form->SüreHesapla.Interval(), 0);
        TahtaFotoğrafıGösterir(*form, foto, kenar);
        QVERIFY(form->Etiket[1]->text().isEmpty());
        AyarlarıUnut();
        QVERIFY(GetAllSettings(UygulamaAdı, u"Oyun"_s).empty());
        QVERIFY(GetAllSettings(UygulamaAdı, u"Oyun\\Bilgiler"_s).empty());
    }

    // A stored position in either decimal form is used; one that leaves the title bar off
    // every screen is centred, and so is an edge that cannot be read.
    void storedPosition_data() {
        QTest::addColumn<QString>("sol");
        QTest::addColumn<QString>("üst");
        QTest::addColumn<QPoint>("konum"); // (-1, -1): centred
        QTest::addColumn<int>("hata");
        const QPoint orta(-1, -1);
        QTest::newRow("comma") << u"1500,5"_s << u"3000"_s << QPoint(100, 200) << 0;
        QTest::newRow("point") << u"1500.5"_s << u" 3000 "_s << QPoint(100, 200) << 0;
        QTest::newRow("far right") << u"150000"_s << u"300"_s << orta << 0;
        QTest::newRow("above") << u"300"_s << u"-3000"_s << orta << 0;
        QTest::newRow("only the right edge on screen") << u"-9000"_s << u"300"_s << orta << 0;
        QTest::newRow("not a number") << u"sol"_s << u"300"_s << orta << 13;
    }
    void storedPosition() {
        QFETCH(QString, sol);
        QFETCH(QString, üst);
        QFETCH(QPoint, konum);
        QFETCH(int, hata);
        PencereOrtamı ortam;
        ortam.Ayar(u"Sol Bosluk"_s, sol);
        ortam.Ayar(u"Ust Bosluk"_s, üst);
        auto form = ortam.Yükle();
        QCOMPARE(ortam.hatalar, hata ? QList<int>{hata} : QList<int>{});
        const QPoint orta = form->screen()->geometry().center();
        if (konum.x() >= 0)
            QCOMPARE(form->pos(), konum);
        else
            QVERIFY(qAbs(form->frameGeometry().center().x() - orta.x()) <= 3);
        if (konum.x() < 0 && !hata)
            QVERIFY(qAbs(form->frameGeometry().center().y() - orta.y()) <= 3);
    }

    void checkBoxesFollowTheStore() {
        PencereOrtamı ortam;
        ortam.ÖrnekYaz();
        ortam.Ayar(u"Ornek Goster"_s, u"0"_s);
        ortam.Ayar(u"Oyunu Kaydet"_s, u"1"_s);
        ortam.Ayar(u"Sesleri Kapat"_s, u"evet"_s);
        auto form = ortam.Yükle();
        QCOMPARE(ortam.hatalar, QList<int>{13});
        QVERIFY(!form->FotoğrafınÖrneğiniGöster->isChecked());
        QVERIFY(!form->ÖrnekKutusu->HasPicture());
        QVERIFY(form->OyunuKaydetOnayı->isChecked());
        QVERIFY(!form->SesleriKapatOnayı->isChecked());

        // Ticking the sample draws it; clearing it blanks the box.
        QTest::mouseClick(form->FotoğrafınÖrneğiniGöster, Qt::LeftButton, {}, QPoint(6, 7));
        QVERIFY(form->ÖrnekKutusu->HasPicture());
        QTest::mouseClick(form->FotoğrafınÖrneğiniGöster, Qt::LeftButton, {}, QPoint(6, 7));
        QVERIFY(!form->ÖrnekKutusu->HasPicture());
    }

    // A 24-megapixel photo is decoded small, but cut in its own pixels.
    void largePhotoIsCutInItsNaturalPixels() {
        PencereOrtamı ortam;
        const QSize foto(6000, 4000);
        ortam.Ayar(u"Son Fotograf"_s, ortam.ÖrnekYaz(foto, u"B.jpg"_s));
        ortam.Ayar(u"Son Bolme"_s, u"2"_s);
        auto form = ortam.Yükle();
        QCOMPARE(ortam.hatalar, QList<int>{});
        QCOMPARE(form->OrjinalFotoğrafKutusu->ScaleWidth(), 6000);
        QCOMPARE(form->OrjinalFotoğrafKutusu->ScaleHeight(), 4000);
        QVERIFY(form->OrjinalFotoğrafKutusu->Picture().width() < 6000);
        TahtaFotoğrafıGösterir(*form, foto, 5);
    }

    // ---- Photos ----

    // The reduction keeps both sides at least the size asked for, and reduces no further. A
    // photo stored on its side as a camera records it comes upright, its natural size upright.
    void photoIsDecodedReducedButKeepsItsNaturalSize_data() {
        QTest::addColumn<QString>("ad");
        QTest::addColumn<QSize>("boyut"); // upright
        QTest::addColumn<QSize>("enAz");
        QTest::addColumn<QSize>("çözülen");
        const QSize oyun = OyunİçinEnAzBoyut;
        QTest::newRow("6000x4000") << "b.jpg" << QSize(6000, 4000) << oyun << QSize(1500, 1000);
        QTest::newRow("uneven") << "b.jpg" << QSize(6003, 4001) << oyun << QSize(1500, 1000);
        QTest::newRow("half") << "b.jpg" << QSize(2100, 1600) << oyun << QSize(1050, 800);
        QTest::newRow("whole") << "b.jpg" << QSize(2000, 1500) << oyun << QSize(2000, 1500);
        QTest::newRow("natural") << "b.jpg" << QSize(3000, 2000) << QSize() << QSize(3000, 2000);
        QTest::newRow("an eighth")
            << "b.jpg" << QSize(4000, 4000) << QSize(9, 9) << QSize(500, 500);
        QTest::newRow("small BMP") << "k.bmp" << QSize(320, 200) << oyun << QSize(320, 200);
        QTest::newRow("on its side")
            << "yan.jpg" << QSize(800, 1600) << QSize() << QSize(800, 1600);
        QTest::newRow("on its side, a quarter")
            << "yan.jpg" << QSize(800, 1600) << QSize(200, 200) << QSize(200, 400);
    }
    void photoIsDecodedReducedButKeepsItsNaturalSize() {
        QFETCH(QString, ad);
        QFETCH(QSize, boyut);
        QFETCH(QSize, enAz);
        QFETCH(QSize, çözülen);
        const QString yol = klasör_.filePath(ad);
        const bool yan = ad == u"yan.jpg"; // stored turned to the left, to be turned back
        QVERIFY(ÖrnekFotoğraf(boyut)
                    .transformed(QTransform().rotate(yan ? -90 : 0))
                    .save(yol, nullptr, 90));
        if (yan)
            SağaDönecek(yol);
        const Fotoğraf foto = LoadPicture(yol, enAz);
        QCOMPARE(foto.DoğalBoyut, boyut);
        QCOMPARE(foto.Resim.size(), çözülen);
        const QPoint çeyrek(çözülen.width() / 4, çözülen.height() / 4);
        QVERIFY(RenkYakın(foto.Resim.pixel(çeyrek),
                          ÖrnekRengi(boyut.width() / 4.0, boyut.height() / 4.0, boyut)));
    }

    // Cells are taken in the photo's own pixels even when the decode is smaller; photos whose
    // sides N does not divide leave no black filler from past an edge in any piece.
    void piecesAreTheCellsOfThePhoto() {
        for (int bölen = 1; bölen <= 4; ++bölen) {
            const QSize doğal(900, 600), iç(113, 83);
            const auto parçalar = ParçalarıKes(ÖrnekFotoğraf(doğal / bölen), doğal, 3, iç);
            QCOMPARE(parçalar.size(), std::size_t(9));
            for (int k = 0; k < 9; ++k) {
                const QRectF hücre = HücreDikdörtgeni(doğal, 3, k);
                QCOMPARE(parçalar[k].size(), iç);
                for (const QPoint p : {QPoint(3, 3), QPoint(56, 41), QPoint(109, 79)}) {
                    const QRgb beklenen =
                        ÖrnekRengi(hücre.x() + (p.x() + 0.5) * hücre.width() / iç.width(),
                                   hücre.y() + (p.y() + 0.5) * hücre.height() / iç.height(), doğal);
                    QVERIFY2(
                        RenkYakın(parçalar[k].pixel(p), beklenen, 2),
                        qPrintable(
                            u"1/%1: piece %2 at %3,%4"_s.arg(bölen).arg(k).arg(p.x()).arg(p.y())));
                }
            }
            for (int en = 10; en <= 40; en += 3) {
                const QSize garip(en, en * 2 / 3 + 1);
                for (int kenar = 3; kenar <= 5; ++kenar)
                    for (const QImage &parça :
                         ParçalarıKes(ÖrnekFotoğraf(garip / bölen), garip, kenar, QSize(20, 16)))
                        for (int y = 0; y < parça.height(); ++y)
                            for (int x = 0; x < parça.width(); ++x)
                                QVERIFY2(
                                    qBlue(parça.pixel(x, y)) > 60, // the photo's blue is 96
                                    qPrintable(
                                        u"1/%1: %2 wide, %3 x %3"_s.arg(bölen).arg(en).arg(kenar)));
            }
        }
    }

    // The photo box keeps only as many pixels as the board can show: never fewer on either side.
    void keptPhotoIsNoLargerThanTheBoardNeeds() {
        const QSize tahta(400, 380);
        const struct {
            QSize foto, kalan;
        } satırlar[] = {{{1600, 1200}, {507, 380}},
                        {{6000, 1000}, {2280, 380}},
                        {{800, 3000}, {400, 1500}},
                        {{400, 900}, {400, 900}},
                        {{300, 200}, {300, 200}}};
        for (const auto &s : satırlar) {
            const QImage foto = ÖrnekFotoğraf(s.foto);
            const QImage kalan = GösterimİçinKüçült(foto, tahta);
            QCOMPARE(kalan.size(), s.kalan);
            QVERIFY(RenkYakın(kalan.pixel(kalan.width() / 2, kalan.height() / 2),
                              foto.pixel(foto.width() / 2, foto.height() / 2), 8));
        }
    }
};

QTEST_MAIN(WindowTest)
#include "pencere_test.moc"
