// End to end, the real game under Xvfb: one copy with its exact title, the sample photo at a
// first start, a game dealt, slid, saved on Esc and restored, and the close box.
#include "tests/e2e/E2eOrtam.h"
#include "toolkit/AyarDeposu.h"
#include "toolkit/Twip.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QThread>
#include <QtTest>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString Uygulama = u"Nuv Zovevav\\Mozeta-Tr"_s;

// Mean difference per channel (0-255) between an area of the screen and the photo scaled to it.
double Fark(const QImage &ekran, const QRect &alan, const QImage &foto) {
    const QImage görünen = ekran.copy(alan).convertToFormat(QImage::Format_RGB32);
    const QImage beklenen =
        foto.scaled(alan.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
            .convertToFormat(QImage::Format_RGB32);
    double toplam = 0;
    for (int y = 0; y < alan.height(); ++y)
        for (int x = 0; x < alan.width(); ++x) {
            const QRgb a = görünen.pixel(x, y), b = beklenen.pixel(x, y);
            toplam += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
                      std::abs(qBlue(a) - qBlue(b));
        }
    return toplam / (3.0 * alan.width() * alan.height());
}

// The saved board as the store holds it: per place its value.
QStringList KayıtlıTahta() {
    AyarlarıUnut();
    QStringList değerler;
    for (const auto &[anahtar, değer] : GetAllSettings(Uygulama, u"Oyun"_s))
        değerler << anahtar + u'=' + değer;
    return değerler;
}

} // namespace

class GameE2eTest : public QObject {
    Q_OBJECT

    E2eOrtamı ortam_;

private slots:
    void initTestCase() {
        if (!ortam_.Başlat())
            QSKIP(qPrintable(ortam_.Sorun()));
        AyarKlasörünüKur(ortam_.AyarlarKlasörü());
    }
    void cleanup() { ortam_.OyunlarıBitir(); }

    // ---- One copy ----

    // Copies started at the same moment give one window titled exactly as this release; the
    // others end by themselves. A copy killed outright leaves its socket file behind, which must
    // not keep the next start from running, and a copy started beside that one ends too.
    void onlyOneCopyRuns() {
        QList<QProcess *> kopyalar;
        for (int i = 0; i < 4; ++i)
            kopyalar << ortam_.OyunuBaşlat();
        const QString ilk = ortam_.PencereyiBekle(E2eOrtamı::AnaPencereBaşlığı);
        QVERIFY2(!ilk.isEmpty(), "no window titled exactly \"Nuv Vorudov - Mozeta 1.21\"");
        const auto bitenler = [&] {
            return std::count_if(kopyalar.begin(), kopyalar.end(), [](QProcess *k) {
                return (k->state() == QProcess::NotRunning || k->waitForFinished(20)) &&
                       k->exitStatus() == QProcess::NormalExit && k->exitCode() == 0;
            });
        };
        QTRY_COMPARE_WITH_TIMEOUT(bitenler(), 3, 10000);
        QThread::msleep(300); // a late window would show up by now
        QCOMPARE(ortam_.Pencereler(E2eOrtamı::AnaPencereBaşlığı), QStringList{ilk});

        for (QProcess *kopya : kopyalar)
            if (kopya->state() == QProcess::Running)
                kopya->kill(), kopya->waitForFinished(5000);
        QTRY_VERIFY(ortam_.Pencereler(E2eOrtamı::AnaPencereBaşlığı).isEmpty());
        kopyalar = {ortam_.OyunuBaşlat()};
        const QString yeni = ortam_.PencereyiBekle(E2eOrtamı::AnaPencereBaşlığı);
        QVERIFY2(!yeni.isEmpty(), "a crashed copy kept the next one from starting");
        kopyalar << ortam_.OyunuBaşlat();
        QVERIFY2(kopyalar[1]->waitForFinished(5000), "the second copy is still running");
        QCOMPARE(kopyalar[1]->exitCode(), 0);
        QThread::msleep(300);
        QCOMPARE(ortam_.Pencereler(E2eOrtamı::AnaPencereBaşlığı), QStringList{yeni});
    }

    // ---- A first start ----

    // No settings: the sample photo whole on the board and in the sample box; Esc closes the
    // game, which stores the seven preferences and no game.
    void firstStartShowsTheSampleAndEscStoresThePreferences() {
        QDir(ortam_.AyarlarKlasörü()).removeRecursively();
        const QImage foto(QFileInfo(QStringLiteral(MOZETA_OYUN)).dir().filePath(u"Sample-1.jpg"_s));
        QVERIFY2(!foto.isNull(), "Sample-1.jpg is not beside the game");
        QProcess *oyun = ortam_.OyunuBaşlat();
        const QString pencere = ortam_.PencereyiBekle(E2eOrtamı::AnaPencereBaşlığı);
        QVERIFY2(!pencere.isEmpty(), qPrintable(oyun->readAll()));
        const QRect alan = ortam_.PencereGeometrisi(pencere);
        QCOMPARE(alan.size(), QSize(634, 413));

        // Each of the nine places looks like its own cell of the photo and like no other; the
        // sample box like the whole photo.
        const auto yer = [&](int k) {
            return TwipDikdörtgeni(480 + k % 3 * 1775, 570 + k / 3 * 1335, 1753, 1313)
                .adjusted(1, 1, -1, -1)
                .translated(alan.topLeft());
        };
        const auto hücre = [&](int k) {
            const QSize boyut = foto.size() / 3;
            return foto.copy(QRect(QPoint(k % 3 * boyut.width(), k / 3 * boyut.height()), boyut));
        };
        const QRect örnek = TwipDikdörtgeni(6330 + 180, 270 + 300, 2535, 1875)
                                .adjusted(2, 2, -2, -2)
                                .translated(alan.topLeft());
        QString sorun = u"no screenshot"_s;
        for (const QDeadlineTimer süre(8000); !sorun.isEmpty() && !süre.hasExpired();
             QThread::msleep(200)) {
            const QImage ekran = ortam_.Görüntü();
            sorun = Fark(ekran, örnek, foto) > 12 ? u"the sample box"_s : QString();
            for (int k = 0; k < 9 && sorun.isEmpty(); ++k)
                for (int j = 0; j < 9; ++j)
                    if (j == k ? Fark(ekran, yer(k), hücre(k)) > 20
                               : Fark(ekran, yer(k), hücre(j)) <= Fark(ekran, yer(k), hücre(k)))
                        sorun = u"place %1 (like cell %2)"_s.arg(k).arg(j);
        }
        QVERIFY2(sorun.isEmpty(), qPrintable(sorun));
        // Nothing has played yet, so the sound libraries are not loaded.
        QFile haritalar(u"/proc/%1/maps"_s.arg(oyun->processId()));
        QVERIFY(haritalar.open(QIODevice::ReadOnly));
        QVERIFY(!haritalar.readAll().contains("Multimedia"));

        QVERIFY(ortam_.TuşBas(pencere, u"Escape"_s));
        QVERIFY2(oyun->waitForFinished(10000), "Esc did not close the game");
        QCOMPARE(oyun->exitCode(), 0);
        AyarlarıUnut();
        QStringList anahtarlar;
        for (const auto &[anahtar, değer] : GetAllSettings(Uygulama, u"Ayarlar"_s))
            anahtarlar << anahtar;
        QCOMPARE(anahtarlar,
                 (QStringList{u"Sol Bosluk"_s, u"Ust Bosluk"_s, u"Son Bolme"_s, u"Son Fotograf"_s,
                              u"Ornek Goster"_s, u"Oyunu Kaydet"_s, u"Sesleri Kapat"_s}));
        QVERIFY2(KayıtlıTahta().isEmpty(), "no game was running, none may be saved");
    }

    // ---- Playing ----

    // "&Yeni Oyun" shows the light-yellow empty place at the bottom right; the piece left of it
    // slides in; with "Çı&kışta oyunu kaydet " ticked Esc saves the game, which comes back with
    // its board and a running clock.
    void dealSlideSaveAndRestore() {
        QDir(ortam_.AyarlarKlasörü()).removeRecursively();
        QRect ilkBoş, ikinciBoş;
        QImage kaydedilen;
        {
            QProcess *oyun = ortam_.OyunuBaşlat();
            const QString pencere = ortam_.PencereyiBekle(E2eOrtamı::AnaPencereBaşlığı);
            QVERIFY2(!pencere.isEmpty(), qPrintable(oyun->readAll()));
            QTest::qWait(500);                                 // its first paint
            QVERIFY(!E2eOrtamı::BoşYeriBul(ortam_.Görüntü())); // no game yet

            ortam_.TuşBas(pencere, u"alt+y"_s);
            QTest::qWait(500);
            const auto boş = E2eOrtamı::BoşYeriBul(ortam_.Görüntü());
            QVERIFY2(boş, "no light-yellow empty place after \"&Yeni Oyun\"");
            ilkBoş = *boş;
            ortam_.Tıkla(QPoint(ilkBoş.left() - ilkBoş.width() / 2, ilkBoş.center().y()));
            QTest::qWait(400);
            const auto kayan = E2eOrtamı::BoşYeriBul(ortam_.Görüntü());
            QVERIFY(kayan);
            ikinciBoş = *kayan;
            QCOMPARE(ikinciBoş.size(), ilkBoş.size());
            QCOMPARE(ikinciBoş.top(), ilkBoş.top());
            QVERIFY(ikinciBoş.right() < ilkBoş.left());

            ortam_.TuşBas(pencere, u"alt+k"_s);
            QTest::qWait(300);
            kaydedilen = ortam_.Görüntü();
            ortam_.TuşBas(pencere, u"Escape"_s);
            QVERIFY2(oyun->waitForFinished(10000), "Esc did not end the program");
            QCOMPARE(oyun->exitCode(), 0);
            // A machine without sound stays quiet: at most Qt's one line when it first looks
            // for a sound server, never a warning per sound.
            const QString çıktı = QString::fromUtf8(oyun->readAll());
            QVERIFY2(!çıktı.contains(u"No audio device"_s) && çıktı.count(u'\n') <= 1,
                     qPrintable(çıktı));
        }
        const QStringList satırlar = KayıtlıTahta();
        QCOMPARE(satırlar.size(), 9);
        QCOMPARE(satırlar[7], u"Foto-7=7B"_s); // place 8 was the empty one, then 7
        QCOMPARE(GetSetting(Uygulama, u"Ayarlar"_s, u"Oyunu Kaydet"_s), u"1"_s);

        // The board from its two empty places seen: the last place and the one left of it.
        const int adım = ilkBoş.left() - ikinciBoş.left();
        const QSize yer = ilkBoş.size(), aralık(adım, yer.height() + adım - yer.width());
        const QRect tahta(ilkBoş.topLeft() - QPoint(2 * aralık.width(), 2 * aralık.height()),
                          yer + 2 * aralık);
        ortam_.OyunuBaşlat();
        QVERIFY(!ortam_.PencereyiBekle(E2eOrtamı::AnaPencereBaşlığı).isEmpty());
        QTest::qWait(500);
        const QImage geri = ortam_.Görüntü();
        QCOMPARE(E2eOrtamı::BoşYeriBul(geri), std::optional<QRect>(ikinciBoş));
        QCOMPARE(geri.copy(tahta), kaydedilen.copy(tahta));
        QTest::qWait(1500); // the clock runs: the screen changes outside the board
        const QImage sonraki = ortam_.Görüntü();
        QVERIFY2(sonraki != geri, "the clock does not run after the restore");
        QCOMPARE(sonraki.copy(tahta), geri.copy(tahta));
    }

    // The close box asks first: "Hayır" goes on with nothing written, "Evet" ends and saves.
    void closeBoxAsksFirst() {
        QDir(ortam_.AyarlarKlasörü()).removeRecursively();
        QProcess *oyun = ortam_.OyunuBaşlat();
        const QString pencere = ortam_.PencereyiBekle(E2eOrtamı::AnaPencereBaşlığı);
        QVERIFY(!pencere.isEmpty());
        ortam_.TuşBas(pencere, u"alt+y alt+k"_s);
        QTest::qWait(300);
        if (!ortam_.KapatmaİsteğiGönder(pencere))
            QSKIP("this build cannot send a close request to the window");
        QTRY_COMPARE_WITH_TIMEOUT(ortam_.MozetaPencereSayısı(), 2, 5000);
        ortam_.Çalıştır(u"xdotool"_s, {u"key"_s, u"alt+h"_s});
        QTRY_COMPARE_WITH_TIMEOUT(ortam_.MozetaPencereSayısı(), 1, 5000);
        QVERIFY(!oyun->waitForFinished(500));
        QVERIFY(!QFileInfo::exists(ortam_.AyarlarKlasörü() + u"/Nuv Zovevav"_s));
        const QImage önce = ortam_.Görüntü();
        QTest::qWait(1200);
        QVERIFY2(ortam_.Görüntü() != önce, "the clock stopped after \"Hayır\"");

        QVERIFY(ortam_.KapatmaİsteğiGönder(pencere));
        QTRY_COMPARE_WITH_TIMEOUT(ortam_.MozetaPencereSayısı(), 2, 5000);
        ortam_.Çalıştır(u"xdotool"_s, {u"key"_s, u"alt+e"_s});
        QVERIFY2(oyun->waitForFinished(10000), "\"Evet\" did not end the program");
        QCOMPARE(oyun->exitCode(), 0);
        const QStringList satırlar = KayıtlıTahta();
        QCOMPARE(satırlar.size(), 9);
        QCOMPARE(satırlar[8], u"Foto-8=8B"_s);
    }
};

QTEST_GUILESS_MAIN(GameE2eTest)
#include "oyun_e2e_test.moc"
