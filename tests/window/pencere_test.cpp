// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: its grid options, the load (first start, stored values that cannot be used),
// photos decoded reduced, turned upright and cut, and photos dropped on it.
#include "about/HakkindaFormu.h"
#include "game/ParcaKesici.h"
#include "resources/DizgiTablosu.h"
#include "tests/ortak/PencereOrtami.h"
#include "toolkit/OkunurRenk.h"
#include "toolkit/ResimBicimi.h"
#include "toolkit/ResimYukleyici.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGroupBox>
#include <QScreen>
#include <atomic>

namespace {

// Sends a drag that enters the window and, when it is taken, drops it; true when it was taken.
bool Bırak(AnaForm &form, const QList<QUrl> &adresler, const QString &metin = {}) {
    QMimeData veri;
    if (!adresler.isEmpty())
        veri.setUrls(adresler);
    veri.setText(metin);
    const QPointF yer = form.rect().center();
    QDragEnterEvent giriş(yer.toPoint(), Qt::CopyAction, &veri, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&form, &giriş);
    if (!giriş.isAccepted())
        return false;
    QDropEvent bırakma(yer, Qt::CopyAction, &veri, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&form, &bırakma);
    return bırakma.isAccepted();
}

} // namespace

class WindowTest : public QObject {
    Q_OBJECT

    QTemporaryDir klasör_;

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey)); }

    // At the first start the window is centred; the grid options answer the player's click
    // only, and only when it changes the grid. The values' bold face is read at the first value.
    void firstStartAndTheGridOptions() {
        PencereOrtamı ortam;
        ortam.ÖrnekYaz(QSize(3000, 2000));
        auto form = ortam.Yükle();
        const Oyuncu oyuncu(*form);
        form->grab();
        QVERIFY(!Eşlenmiş("Bold"));
        QCOMPARE(ortam.hatalar, QList<int>{});
        QCOMPARE(form->windowTitle(), PencereBaşlığınıOluştur());
        QVERIFY(std::ranges::any_of(form->findChildren<QLabel *>(), [](const QLabel *e) {
            return e->text() == u"Hamle Sayısı :"_s;
        }));
        const QPoint fark = form->frameGeometry().center() - form->screen()->geometry().center();
        QVERIFY(fark.manhattanLength() <= 4);

        oyuncu.BölmeSeç(1);
        QCOMPARE(oyuncu.YerSayısı(), 16);
        oyuncu.YeniOyun();
        form->grab();
        QVERIFY(Eşlenmiş("Bold"));
        oyuncu.YereTıkla(14);
        oyuncu.BölmeSeç(1); // the grid already chosen: the game goes on
        QVERIFY(oyuncu.Hamle() == u"1"_s && oyuncu.BoşYer() == 14);
        oyuncu.BölmeSeç(2);
        QVERIFY(oyuncu.Hamle() == u"0"_s && oyuncu.YerSayısı() == 25 && ortam.saat->çalışıyor);
    }

    // A split that names no grid and a value that is no check box value are each reported once
    // and leave the design value (3 x 3, no game); ticking the sample option draws it.
    void unusableStoredValuesAreReportedOnce() {
        for (const QString &bölme : {u"3"_s, u"-1"_s}) {
            PencereOrtamı ortam;
            ortam.ÖrnekYaz();
            ortam.Ayar(u"Son Bolme"_s, bölme);
            ortam.Ayar(u"Ornek Goster"_s, u"0"_s);
            ortam.Ayar(u"Oyunu Kaydet"_s, u"1"_s);
            ortam.Ayar(u"Sesleri Kapat"_s, u"evet"_s);
            auto form = ortam.Yükle();
            const Oyuncu oyuncu(*form);
            const auto *örnek = qobject_cast<ResimKutusu *>(oyuncu.Denetim(u"Fotoğraf örneği"_s));
            QCOMPARE(ortam.hatalar, (QList<int>{13, 9}));
            QVERIFY(oyuncu.Düğme(u"3 x 3"_s)->isChecked());
            QVERIFY(!ortam.saat->çalışıyor && oyuncu.YerSayısı() == 9);
            QVERIFY(!oyuncu.Düğme(u"Fotoğrafın örneğini"_s)->isChecked() && !örnek->HasPicture());
            QVERIFY(oyuncu.Düğme(u"Çıkışta oyunu kaydet"_s)->isChecked() &&
                    !oyuncu.Düğme(u"Sesleri kapat"_s)->isChecked());
            oyuncu.Tıkla(u"Fotoğrafın örneğini"_s);
            QVERIFY(örnek->HasPicture());
        }
    }

    // A stored position in either decimal form is used; one that leaves the title bar off
    // every screen is centred, and so is an edge that cannot be read ((-1, -1): centred).
    void storedPosition() {
        for (const auto &[sol, üst, konum, hata] :
             {std::tuple{u"1500,5"_s, u"3000"_s, QPoint(100, 200), 0},
              {u"1500.5"_s, u" 3000 "_s, QPoint(100, 200), 0},
              {u"300"_s, u"-3000"_s, QPoint(-1, -1), 0},
              {u"-9000"_s, u"300"_s, QPoint(-1, -1), 0}, // only its right end on the screen
              {u"sol"_s, u"300"_s, QPoint(-1, -1), 13}}) {
            PencereOrtamı ortam;
            ortam.Ayar(u"Sol Bosluk"_s, sol);
            ortam.Ayar(u"Ust Bosluk"_s, üst);
            auto form = ortam.Yükle();
            QCOMPARE(ortam.hatalar, hata ? QList<int>{hata} : QList<int>{});
            const QPoint fark =
                form->frameGeometry().center() - form->screen()->geometry().center();
            QVERIFY2(konum.x() >= 0 ? form->pos() == konum
                                    : qAbs(fark.x()) <= 3 && (hata || qAbs(fark.y()) <= 3),
                     qPrintable(sol + u' ' + üst));
        }
    }

    // Reduced no further than keeping both sides the size asked for; a side-stored photo upright.
    void photoIsDecodedAndKeptReduced() {
        const QSize oyun = OyunİçinEnAzBoyut;
        for (const auto &[boyut, enAz, çözülen, yan] :
             {std::tuple{QSize(6003, 4001), oyun, QSize(1500, 1000), false},
              {QSize(2000, 1500), oyun, QSize(2000, 1500), false},
              {QSize(4000, 4000), QSize(9, 9), QSize(500, 500), false},
              {QSize(800, 1600), QSize(200, 200), QSize(200, 400), true}}) {
            const QString yol = klasör_.filePath(u"foto.jpg"_s);
            // On its side: stored turned to the left, with the orientation that turns it back.
            const QImage resim = ÖrnekFotoğraf(boyut).transformed(QTransform().rotate(-90 * yan));
            DosyaYaz(yol,
                     yan ? ExifliJpeg(resim, resim.scaled(80, 40), false, 6) : Kodla(resim, "JPG"));
            const Fotoğraf foto = LoadPicture(yol, enAz);
            QCOMPARE(foto.DoğalBoyut, boyut);
            QCOMPARE(foto.Resim.size(), çözülen);
            QVERIFY(RenkYakın(foto.Resim.pixel(çözülen.width() / 4, çözülen.height() / 4),
                              ÖrnekRengi(boyut.width() / 4.0, boyut.height() / 4.0, boyut), 14));
        }
        // The photo box keeps only as many pixels as the board can show: never fewer on a side.
        for (const auto &[foto, kalan] : {std::pair{QSize(1600, 1200), QSize(507, 380)},
                                          {QSize(6000, 1000), QSize(2280, 380)},
                                          {QSize(1000, 2999), QSize(400, 1200)},
                                          {QSize(300, 200), QSize(300, 200)}})
            QCOMPARE(GösterimİçinKüçült(ÖrnekFotoğraf(foto), QSize(400, 380)).size(), kalan);
        // Pieces cut from the box's three-byte copy are those of the decode (noise: scalers agree
        // on smooth gradients).
        const QImage foto = Gürültü(300, 200);
        for (int parça = 0; parça < 9; ++parça)
            QCOMPARE(ParçayıKes(KutudakiBiçim(foto), foto.size(), 3, QSize(70, 50), parça),
                     ParçayıKes(foto, foto.size(), 3, QSize(70, 50), parça));
    }

    // A text file named x.jpg is refused with a box that names it and says why; the board keeps
    // its photo and its game. A photo dropped on a game with a move made asks first: "Hayır"
    // keeps the game, "Evet" cuts the photo with the current grid and deals anew. The drag cursor
    // takes exactly one photo file, whose drop opens it as the chooser's OK does.
    void dropOpensThePhotoOrRefusesIt() {
        PencereOrtamı ortam;
        ortam.ÖrnekYaz();
        const QString yeni = klasör_.filePath(u"yeni.jpg"_s), metin = klasör_.filePath(u"x.jpg"_s);
        QVERIFY(ÖrnekFotoğraf(QSize(800, 600)).save(yeni, nullptr, 95));
        DosyaYaz(metin, "bir metin\n");
        auto form = ortam.Yükle();
        const Oyuncu oyuncu(*form);
        oyuncu.BölmeSeç(1);
        oyuncu.YeniOyun();
        const int boş = oyuncu.BoşYer();
        oyuncu.YereTıkla(boş - 1);

        QVERIFY(Bırak(*form, {QUrl::fromLocalFile(metin)}));
        QTRY_COMPARE(ortam.kutular.Kutular.size(), std::size_t(1));
        QCOMPARE(ortam.kutular.Kutular[0].metin,
                 LoadResString(3100) + metin + u'\n' + LoadResString(3110));
        QCOMPARE(FotoğrafYolu, ortam.program.filePath(u"Sample-1.jpg"_s));

        ortam.kutular.Yanıtlar = {u"Hayır"_s};
        QVERIFY(Bırak(*form, {QUrl::fromLocalFile(yeni)}));
        QTRY_COMPARE(ortam.kutular.Kutular.size(), std::size_t(2));
        QCOMPARE(oyuncu.BoşYer(), boş - 1);

        QVERIFY(Bırak(*form, {QUrl::fromLocalFile(yeni)}));
        QTRY_COMPARE(FotoğrafYolu, yeni);
        QVERIFY(oyuncu.YerSayısı() == 16 && oyuncu.Hamle() == u"0"_s && ortam.saat->çalışıyor);

        for (const char *ad : {"a.jpg", "b.JPEG", "c.bmp", "d.png"})
            ÖrnekFotoğraf(QSize(40, 30)).save(klasör_.filePath(QString::fromUtf8(ad)), "BMP");
        QDir(klasör_.path()).mkdir(u"klasör.jpg"_s);
        for (const auto &[adlar, alınır] : {std::pair{QStringList{u"a.jpg"_s}, true},
                                            {QStringList{u"b.JPEG"_s}, true},
                                            {QStringList{u"a.jpg"_s, u"c.bmp"_s}, false},
                                            {QStringList{u"d.png"_s}, true},
                                            {QStringList{u"klasör.jpg"_s}, false},
                                            {QStringList{u"yok.jpg"_s}, false},
                                            {QStringList{}, false}}) {
            QList<QUrl> adresler;
            for (const QString &ad : adlar)
                adresler << QUrl::fromLocalFile(klasör_.filePath(ad));
            QVERIFY2(Bırak(*form, adresler, u"a.jpg"_s) == alınır, qPrintable(adlar.join(u' ')));
            if (alınır)
                QTRY_COMPARE(FotoğrafYolu, klasör_.filePath(adlar.first()));
        }
        QCOMPARE(ortam.kutular.Kutular.size(), std::size_t(3)); // no question, no error
    }

    // On a light window the headings, the values and the about box's labels and links keep their
    // colours; on a dark one (Adwaita's: maroon at 1.17:1) the same hues lightened to 4.5:1.
    void coloursReadOnThePalette() {
        QCOMPARE(qRound(Karşıtlık(QColor(128, 0, 0), QColor(50, 50, 50)) * 100), 117);
        QCOMPARE(qRound(Karşıtlık(QColor(0x77, 0x77, 0x77), Qt::white) * 100), 448);
        const auto geriAl =
            qScopeGuard([p = QApplication::palette()] { QApplication::setPalette(p); });
        for (const QColor zemin : {QColor(239, 239, 239), QColor(50, 50, 50)}) {
            QApplication::setPalette(QPalette(zemin, zemin));
            PencereOrtamı ortam;
            auto form = ortam.Yükle();
            HakkindaFormu h(form.get());
            const std::pair<const QWidget *, QRgb> yazılar[] = {
                {form->findChild<QGroupBox *>(), 0x800000},
                {Oyuncu(*form).Denetim(u"Geçen süre"_s), 0xc04000},
                {h.Etiket[0], 0xc0},
                {h.NuvVorudovEtiketi->Etiket, 0xff}};
            for (const auto &[yazı, rgb] : yazılar) {
                const QColor renk = yazı->palette().color(QPalette::WindowText), tasarım(rgb);
                QVERIFY(zemin.lightness() < 128 || renk == tasarım);
                QVERIFY(Karşıtlık(renk, zemin) >= 4.5 &&
                        qAbs(renk.hslHue() - tasarım.hslHue()) <= 2);
            }
        }
    }

    // A last photo that takes long (held back here): the window shows first with the stored
    // 4 x 4 grid blank, and the board, "Yeni Oyun", the grid and the save option wait. Then it
    // comes with the saved game (empty place 6), or is reported and the game put back on the blank
    // board, as at once. A newer photo takes its place; over a saved game it asks first: "Hayır"
    // keeps the load, "Evet" deals on the newer one.
    void slowLastPhoto_data() {
        QTest::addColumn<bool>("oyun");
        QTest::addColumn<int>("kaynak"); // 1 a drop, 2 the chooser, 3 the last photo is a text
        QTest::addColumn<QString>("yanıt");
        QTest::newRow("waits, then the saved game") << true << 0 << QString();
        QTest::newRow("not a photo") << true << 3 << u"Evet"_s;
        QTest::newRow("drop, no saved game") << false << 1 << QString();
        QTest::newRow("drop over the saved game, Hayır") << true << 1 << u"Hayır"_s;
        QTest::newRow("chooser over the saved game, Evet") << true << 2 << u"Evet"_s;
    }
    void slowLastPhoto() {
        QFETCH(bool, oyun);
        QFETCH(int, kaynak);
        QFETCH(QString, yanıt);
        PencereOrtamı ortam;
        ortam.ÖrnekYaz();
        if (kaynak == 3)
            DosyaYaz(ortam.program.filePath(u"Sample-1.jpg"_s), "bir metin\n");
        ortam.Ayar(u"Son Bolme"_s, u"1"_s);
        for (int yer = 0; oyun && yer < 16; ++yer)
            SaveSetting(UygulamaAdı, u"Oyun"_s, u"Foto-%1"_s.arg(yer),
                        yer == 6 ? u"6B"_s : QString::number(yer - (yer > 6)));
        const QString yeni = klasör_.filePath(u"yeni.jpg"_s);
        QVERIFY(DörtRenkliFotoğraf(800, 600).save(yeni, nullptr, 95));
        QSemaphore kilit;
        std::atomic<bool> çözüldü = false;
        AnaFormBağımlılıkları bekleten;
        bekleten.sonFotoğrafSabrı = {};
        bekleten.sonFotoğrafıÇöz = [&](const QString &yol, QSize enAz) {
            kilit.acquire();
            const auto bitti = qScopeGuard([&] { çözüldü = true; });
            return LoadPicture(yol, enAz);
        };
        auto form = ortam.Pencere(20240601, std::move(bekleten));
        const auto bırak = qScopeGuard([&] { kilit.release(); });
        form->Form_Load();
        const Oyuncu oyuncu(*form);
        QVERIFY(form->isVisible() && oyuncu.YerSayısı() == 16 &&
                !oyuncu.Denetim(u"Yeni Oyun"_s)->isEnabled() &&
                !oyuncu.Denetim(u"Çıkışta oyunu kaydet"_s)->isEnabled() &&
                !oyuncu.Denetim(u"3 x 3"_s)->isEnabled());
        ortam.kutular.Yanıtlar = {yanıt};
        if (kaynak == 1)
            QVERIFY(Bırak(*form, {QUrl::fromLocalFile(yeni)}));
        if (kaynak == 2)
            form->FotoğrafıAç(yeni, LoadPicture(yeni));
        const bool yeniGelir = (kaynak == 1 || kaynak == 2) && yanıt != u"Hayır"_s;
        QTRY_COMPARE(ortam.kutular.Kutular.size(), std::size_t(oyun && kaynak && kaynak < 3));
        QTRY_COMPARE(FotoğrafYolu == yeni, yeniGelir);
        kilit.release();
        if (yeniGelir) {
            // The held decode ends; were it taken, the last photo would cover the newer one.
            QTRY_VERIFY(çözüldü);
            QTest::qWait(100);
            QVERIFY(RenkYakın(OrtaRenk(oyuncu.YerResmi(oyuncu.ParçanınYeri(0, 4))), Çeyrekler[0]));
            QVERIFY((!oyun || oyuncu.Hamle() == u"0"_s) && ortam.saat->çalışıyor == oyun &&
                    oyuncu.Denetim(u"Yeni Oyun"_s)->isEnabled());
            return;
        }
        QTRY_VERIFY(oyuncu.BoşYer() == 6 && ortam.saat->çalışıyor);
        QCOMPARE(ortam.hatalar, kaynak == 3 ? QList<int>{481} : QList<int>{});
        QVERIFY(kaynak == 3 ||
                RenkYakın(OrtaRenk(oyuncu.YerResmi(7)), ÖrnekRengi(2.5, 1.5, QSize(4, 4))));
        QVERIFY(oyuncu.Düğme(u"4 x 4"_s)->isChecked() &&
                oyuncu.Denetim(u"Çıkışta oyunu kaydet"_s)->isEnabled());
    }
};

QTEST_MAIN(WindowTest)
#include "pencere_test.moc"
