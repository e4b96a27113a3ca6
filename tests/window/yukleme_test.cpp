// The main window's load: first start, a restored game, stored values that cannot be used, and
// photos that are missing, unreadable or large.
#include "game/Bolme.h"
#include "startup/BaslangicModulu.h"
#include "tests/window/PencereOrtami.h"
#include "toolkit/Twip.h"

#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QScreen>

namespace {

const QRgb BoşYerRengi = qRgb(255, 255, 192);

// Place k of the board shows cell k of the photo (checked at the middle of the place).
void TahtaFotoğrafıGösterir(AnaForm &form, QSize foto, int kenar) {
    QCOMPARE(form.DağınıkParçalar.Count(), kenar * kenar);
    for (int yer = 0; yer < kenar * kenar; ++yer) {
        const QImage resim = form.DağınıkParçalar(yer)->Picture();
        QVERIFY2(!resim.isNull(), qPrintable(QStringLiteral("place %1 is blank").arg(yer)));
        const QRectF hücre = HücreDikdörtgeni(foto, kenar, yer);
        const QRgb beklenen = ÖrnekRengi(hücre.center().x(), hücre.center().y(), foto);
        QVERIFY2(RenkYakın(OrtaRenk(resim), beklenen),
                 qPrintable(QStringLiteral("place %1 shows %2, the photo there is %3")
                                .arg(yer)
                                .arg(RenkMetni(OrtaRenk(resim)), RenkMetni(beklenen))));
        QVERIFY(form.DağınıkParçalar(yer)->Tag().isEmpty());
    }
}

// Writes a saved 4 x 4 game whose empty place is 6, with the clock at 1 h 2 min 3 s.
void DörtteDörtKaydet(PencereOrtamı &ortam, const QStringList &değerler) {
    ortam.Ayar(QStringLiteral("Son Bolme"), QStringLiteral("1"));
    for (int yer = 0; yer < değerler.size(); ++yer)
        SaveSetting(UygulamaAdı, QStringLiteral("Oyun"), QStringLiteral("Foto-%1").arg(yer),
                    değerler[yer]);
    const QString bilgiler = QStringLiteral("Oyun\\Bilgiler");
    SaveSetting(UygulamaAdı, bilgiler, QStringLiteral("Saniye Bilgisi"), QStringLiteral("3"));
    SaveSetting(UygulamaAdı, bilgiler, QStringLiteral("Dakika Bilgisi"), QStringLiteral("2"));
    SaveSetting(UygulamaAdı, bilgiler, QStringLiteral("Saat Bilgisi"), QStringLiteral("1"));
    SaveSetting(UygulamaAdı, bilgiler, QStringLiteral("Hamle Bilgisi"), QStringLiteral("57"));
}

// Pieces 14, 0, 1, ... on the places, the empty place at 6.
QStringList GeçerliDörtteDört() {
    QStringList değerler;
    int parça = 0;
    for (int yer = 0; yer < 16; ++yer) {
        if (yer == 6)
            değerler << QStringLiteral("6B");
        else if (yer == 0)
            değerler << QStringLiteral("14");
        else
            değerler << QString::number(parça++);
    }
    return değerler;
}

} // namespace

class WindowLoadTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey)); }

    void firstStartShowsTheSamplePhotoWhole() {
        PencereOrtamı ortam;
        const QSize foto(600, 450);
        ortam.ÖrnekYaz(foto);
        auto form = ortam.Yükle();

        QVERIFY2(ortam.hatalar.isEmpty(), qPrintable(ortam.hatalar.join(u',')));
        QCOMPARE(FotoğrafYolu, ProgramKlasörü + QStringLiteral("Sample-1.jpg"));
        QCOMPARE(form->windowTitle(), PencereBaşlığı());
        QCOMPARE(BölmeSeçimi, 0);
        QVERIFY(form->ParçalaraBölSeçeneği[0]->isChecked());
        TahtaFotoğrafıGösterir(*form, foto, 3);
        // A piece covers its place up to the border: no seam of the empty colour shows.
        for (int yer = 0; yer < 9; ++yer) {
            const QImage görünen = form->DağınıkParçalar(yer)->grab().toImage();
            for (int y = 0; y < görünen.height(); ++y)
                for (int x = 0; x < görünen.width(); ++x)
                    QVERIFY2(
                        görünen.pixel(x, y) != BoşYerRengi,
                        qPrintable(QStringLiteral("place %1 at %2,%3").arg(yer).arg(x).arg(y)));
        }
        QCOMPARE(form->OrjinalFotoğrafKutusu->ScaleWidth(), 600);
        QCOMPARE(form->OrjinalFotoğrafKutusu->ScaleHeight(), 450);

        // The sample: ticked and drawn over the whole box, the photo's corners in its corners.
        QVERIFY(form->FotoğrafınÖrneğiniGöster->isChecked());
        QVERIFY(!form->OyunuKaydetOnayı->isChecked());
        QVERIFY(!form->SesleriKapatOnayı->isChecked());
        const QImage örnek = form->ÖrnekKutusu->Picture();
        QCOMPARE(örnek.deviceIndependentSize().toSize(), form->ÖrnekKutusu->contentsRect().size());
        QVERIFY(RenkYakın(örnek.pixel(1, 1), ÖrnekRengi(0, 0, foto), 20));
        QVERIFY(RenkYakın(örnek.pixel(örnek.width() - 2, örnek.height() - 2),
                          ÖrnekRengi(600, 450, foto), 20));

        // No game, empty labels, the window centred on the screen.
        QCOMPARE(form->SüreHesapla.Interval(), 0);
        QVERIFY(form->Etiket[1]->text().isEmpty());
        QVERIFY(form->Etiket[3]->text().isEmpty());
        QVERIFY(form->isVisible());
        const QPoint fark = form->frameGeometry().center() - form->screen()->geometry().center();
        QVERIFY2(fark.manhattanLength() <= 4,
                 qPrintable(QStringLiteral("%1, %2").arg(fark.x()).arg(fark.y())));
    }

    void savedGameComesBackWithItsClock() {
        PencereOrtamı ortam;
        ortam.ÖrnekYaz();
        DörtteDörtKaydet(ortam, GeçerliDörtteDört());
        auto form = ortam.Yükle();

        QVERIFY2(ortam.hatalar.isEmpty(), qPrintable(ortam.hatalar.join(u',')));
        QCOMPARE(form->DağınıkParçalar.Count(), 16);
        QCOMPARE(form->Tahta.BoşParça(), 6);
        ResimKutusu *boş = form->DağınıkParçalar(6);
        QVERIFY(!boş->HasPicture());
        QCOMPARE(boş->Tag(), QStringLiteral("6"));
        QCOMPARE(boş->BackColor().rgb(), BoşYerRengi);
        const QStringList değerler = GeçerliDörtteDört();
        for (int yer = 0; yer < 16; ++yer) {
            if (yer == 6)
                continue;
            const int parça = değerler[yer].toInt();
            QCOMPARE(form->DağınıkParçalar(yer)->Tag(), değerler[yer]);
            QCOMPARE(form->DağınıkParçalar(yer)->Picture(), form->SıralıParçalar(parça)->Image());
        }
        QCOMPARE(form->SüreHesapla.Interval(), 1000);
        QCOMPARE(form->Etiket[1]->text(), QStringLiteral("01:02:03"));
        QCOMPARE(form->Etiket[3]->text(), QStringLiteral("57"));
        QCOMPARE(form->HamleSayısı, 57);
        QVERIFY(!form->KayıtlıOyun.empty());
        QVERIFY(!form->OyunYükleniyor);
    }

    void splitOutsideTheOptionsIsReportedOnceAndBecomes3x3_data() {
        QTest::addColumn<QString>("değer");
        QTest::newRow("7") << QStringLiteral("7");
        QTest::newRow("-1") << QStringLiteral("-1");
        QTest::newRow("text") << QStringLiteral("dört");
    }
    void splitOutsideTheOptionsIsReportedOnceAndBecomes3x3() {
        QFETCH(QString, değer);
        PencereOrtamı ortam;
        ortam.ÖrnekYaz();
        ortam.Ayar(QStringLiteral("Son Bolme"), değer);
        auto form = ortam.Yükle();

        QCOMPARE(ortam.hatalar.size(), 1);
        QCOMPARE(BölmeSeçimi, 0);
        QVERIFY(form->ParçalaraBölSeçeneği[0]->isChecked());
        QCOMPARE(form->DağınıkParçalar.Count(), 9);
        QVERIFY(form->DağınıkParçalar(8)->HasPicture());
    }

    void brokenSavedBoardIsDroppedAndThePhotoShown_data() {
        QTest::addColumn<QStringList>("değerler");
        QStringList eksik = GeçerliDörtteDört();
        eksik.removeLast();
        QStringList tekrar = GeçerliDörtteDört();
        tekrar[1] = tekrar[2];
        QStringList büyük = GeçerliDörtteDört();
        büyük[1] = QStringLiteral("15");
        QStringList başkaYer = GeçerliDörtteDört();
        başkaYer[6] = QStringLiteral("5B");
        QTest::newRow("15 rows") << eksik;
        QTest::newRow("repeated piece") << tekrar;
        QTest::newRow("piece out of range") << büyük;
        QTest::newRow("empty place naming another") << başkaYer;
    }
    void brokenSavedBoardIsDroppedAndThePhotoShown() {
        QFETCH(QStringList, değerler);
        PencereOrtamı ortam;
        const QSize foto(600, 450);
        ortam.ÖrnekYaz(foto);
        DörtteDörtKaydet(ortam, değerler);
        auto form = ortam.Yükle();

        QCOMPARE(ortam.hatalar.size(), 1);
        QCOMPARE(form->SüreHesapla.Interval(), 0);
        TahtaFotoğrafıGösterir(*form, foto, 4);
        QVERIFY(form->Etiket[1]->text().isEmpty());
        QVERIFY(form->KayıtlıOyun.empty());
        AyarlarıUnut();
        QVERIFY(GetAllSettings(UygulamaAdı, QStringLiteral("Oyun")).empty());
        QVERIFY(GetAllSettings(UygulamaAdı, QStringLiteral("Oyun\\Bilgiler")).empty());
        QCOMPARE(GetSetting(UygulamaAdı, QStringLiteral("Ayarlar"), QStringLiteral("Son Bolme")),
                 QStringLiteral("1"));
    }

    void storedPositionIsUsedInEitherDecimalForm_data() {
        QTest::addColumn<QString>("sol");
        QTest::addColumn<QString>("üst");
        QTest::newRow("comma") << QStringLiteral("1500,5") << QStringLiteral("3000");
        QTest::newRow("point") << QStringLiteral("1500.5") << QStringLiteral(" 3000 ");
    }
    void storedPositionIsUsedInEitherDecimalForm() {
        QFETCH(QString, sol);
        QFETCH(QString, üst);
        PencereOrtamı ortam;
        ortam.Ayar(QStringLiteral("Sol Bosluk"), sol);
        ortam.Ayar(QStringLiteral("Ust Bosluk"), üst);
        auto form = ortam.Yükle();
        QVERIFY2(ortam.hatalar.isEmpty(), qPrintable(ortam.hatalar.join(u',')));
        QCOMPARE(form->pos(), QPoint(100, 200));
    }

    void positionOffEveryScreenIsCentred_data() {
        QTest::addColumn<QString>("sol");
        QTest::addColumn<QString>("üst");
        QTest::addColumn<int>("hata");
        QTest::newRow("far right") << QStringLiteral("150000") << QStringLiteral("300") << 0;
        QTest::newRow("above") << QStringLiteral("300") << QStringLiteral("-3000") << 0;
        QTest::newRow("only the right edge on screen")
            << QStringLiteral("-9000") << QStringLiteral("300") << 0;
        QTest::newRow("not a number") << QStringLiteral("sol") << QStringLiteral("300") << 1;
    }
    void positionOffEveryScreenIsCentred() {
        QFETCH(QString, sol);
        QFETCH(QString, üst);
        QFETCH(int, hata);
        PencereOrtamı ortam;
        ortam.Ayar(QStringLiteral("Sol Bosluk"), sol);
        ortam.Ayar(QStringLiteral("Ust Bosluk"), üst);
        auto form = ortam.Yükle();
        QCOMPARE(ortam.hatalar.size(), hata);
        const QRect ekran = form->screen()->geometry();
        QVERIFY(qAbs(form->frameGeometry().center().x() - ekran.center().x()) <= 3);
        if (hata == 0)
            QVERIFY(qAbs(form->frameGeometry().center().y() - ekran.center().y()) <= 3);
    }

    void missingPhotoIsSkippedSilently() {
        PencereOrtamı ortam;
        ortam.Ayar(QStringLiteral("Son Fotograf"),
                   ortam.program.filePath(QStringLiteral("silindi.jpg")));
        auto form = ortam.Yükle();
        QVERIFY(ortam.hatalar.isEmpty());
        QVERIFY(!form->OrjinalFotoğrafKutusu->HasPicture());
        QVERIFY(!form->ÖrnekKutusu->HasPicture());
        QCOMPARE(form->DağınıkParçalar.Count(), 9);
        // The pieces hold what the empty photo box holds: its background, not the empty colour.
        const QImage parça = form->DağınıkParçalar(0)->Picture();
        QVERIFY(!parça.isNull());
        QCOMPARE(QColor(OrtaRenk(parça)), form->OrjinalFotoğrafKutusu->BackColor());
    }

    void unreadablePhotoIsSkippedSilently() {
        PencereOrtamı ortam;
        QFile metin(ortam.program.filePath(QStringLiteral("Sample-1.jpg")));
        QVERIFY(metin.open(QIODevice::WriteOnly));
        metin.write("bu bir fotoğraf değil\n");
        metin.close();
        auto form = ortam.Yükle();
        QVERIFY(ortam.hatalar.isEmpty());
        QVERIFY(!form->OrjinalFotoğrafKutusu->HasPicture());
        QCOMPARE(form->DağınıkParçalar.Count(), 9);
    }

    void emptyPhotoPathIsKeptAndOpensWithoutPhoto() {
        PencereOrtamı ortam;
        ortam.ÖrnekYaz();
        ortam.Ayar(QStringLiteral("Son Fotograf"), QStringLiteral(""));
        auto form = ortam.Yükle();
        QVERIFY(ortam.hatalar.isEmpty());
        QCOMPARE(FotoğrafYolu, QStringLiteral(""));
        QVERIFY(!form->OrjinalFotoğrafKutusu->HasPicture());
    }

    // A 24-megapixel photo is decoded small, but cut in its own pixels.
    void largePhotoIsCutInItsNaturalPixels() {
        PencereOrtamı ortam;
        const QSize foto(6000, 4000);
        ortam.ÖrnekYaz(foto, QStringLiteral("Büyük.jpg"));
        ortam.Ayar(QStringLiteral("Son Fotograf"),
                   ortam.program.filePath(QStringLiteral("Büyük.jpg")));
        ortam.Ayar(QStringLiteral("Son Bolme"), QStringLiteral("2"));
        auto form = ortam.Yükle();
        QVERIFY(ortam.hatalar.isEmpty());
        QCOMPARE(form->OrjinalFotoğrafKutusu->ScaleWidth(), 6000);
        QCOMPARE(form->OrjinalFotoğrafKutusu->ScaleHeight(), 4000);
        QVERIFY(form->OrjinalFotoğrafKutusu->Picture().width() < 6000);
        TahtaFotoğrafıGösterir(*form, foto, 5);
    }

    void checkBoxesFollowTheStore() {
        PencereOrtamı ortam;
        ortam.ÖrnekYaz();
        ortam.Ayar(QStringLiteral("Ornek Goster"), QStringLiteral("0"));
        ortam.Ayar(QStringLiteral("Oyunu Kaydet"), QStringLiteral("1"));
        ortam.Ayar(QStringLiteral("Sesleri Kapat"), QStringLiteral("evet"));
        auto form = ortam.Yükle();
        QCOMPARE(ortam.hatalar, QStringList{QStringLiteral("13")});
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
};

QTEST_MAIN(WindowLoadTest)
#include "yukleme_test.moc"
