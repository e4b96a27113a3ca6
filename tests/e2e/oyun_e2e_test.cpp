// SPDX-License-Identifier: GPL-3.0-or-later
// End to end, the real game under Xvfb: one copy with its exact title; at a first start the
// sample photo, then a game dealt, slid, saved on Esc, restored, and closed by its close box.
#include "tests/e2e/E2eOrtam.h"
#include "toolkit/AyarDeposu.h"
#include "toolkit/Twip.h"

#include <QtTest>

namespace {

const QString Uygulama = u"Nuv Zovevav\\Mozeta-Tr"_s;

// Mean difference per channel (0-255) between an area of the screen and a picture scaled to it.
double Fark(const QImage &ekran, const QRect &alan, const QImage &resim) {
    const QImage görünen = ekran.copy(alan).convertToFormat(QImage::Format_RGB32);
    const QImage beklenen =
        resim.scaled(alan.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
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

// Place k of the 3 x 3 board on the screen, a pixel in from its edges.
QRect Yer(const QRect &pencere, int k) {
    return TwipDikdörtgeni(480 + k % 3 * 1775, 570 + k / 3 * 1335, 1753, 1313)
        .adjusted(1, 1, -1, -1)
        .translated(pencere.topLeft());
}

// The places whose middle shows the empty place's light yellow (RGB 255, 255, 192).
QList<int> BoşYerler(const QImage &ekran, const QRect &pencere) {
    QList<int> yerler;
    for (int k = 0; k < 9; ++k)
        if ((ekran.pixel(Yer(pencere, k).center()) & 0xFFFFFF) == 0xFFFFC0)
            yerler << k;
    return yerler;
}

QStringList Anahtarlar(const QString &bölüm) {
    AyarlarıUnut();
    QStringList anahtarlar;
    for (const auto &[anahtar, değer] : GetAllSettings(Uygulama, bölüm))
        anahtarlar << anahtar;
    return anahtarlar;
}

QByteArray İçerik(const QString &yol) {
    QFile dosya(yol);
    return dosya.open(QIODevice::ReadOnly) ? dosya.readAll() : QByteArray();
}

} // namespace

class GameE2eTest : public QObject {
    Q_OBJECT

    E2eOrtamı ortam_;

private slots:
    void initTestCase() {
        if (!ortam_.Başlat())
            QSKIP(qPrintable(ortam_.Sorun));
        AyarKlasörünüKur(ortam_.AyarlarKlasörü());
    }

    // The life of the game on a fresh account. A copy killed outright leaves its socket file
    // behind, which must not keep the next start from running; of copies started at the same
    // moment one shows a window titled exactly as this release, the others end by themselves.
    // That first start shows the sample photo whole on the board and in the sample box.
    // "&Yeni Oyun" shows the light-yellow empty place at the bottom right; the piece left of it
    // slides in; with "Çı&kışta oyunu kaydet " ticked Esc stores the seven preferences and the
    // game, which comes back with its board and a running clock, and a copy started beside it
    // ends. Its close box asks first: "Hayır" goes on with nothing written, "Evet" ends and saves.
    void lifeOfTheGame() {
        const QImage foto(QFileInfo(QStringLiteral(MOZETA_OYUN)).dir().filePath(u"Sample-1.jpg"_s));
        QVERIFY2(!foto.isNull(), "Sample-1.jpg is not beside the game");
        QProcess *oyun = ortam_.OyunuBaşlat();
        QVERIFY2(!ortam_.AnaPencereyiBekle().isEmpty(), qPrintable(oyun->readAll()));
        oyun->kill();
        QVERIFY(oyun->waitForFinished(E2eOrtamı::Sınır));
        QTRY_VERIFY(ortam_.AnaPencereler().isEmpty());

        const QList<QProcess *> kopyalar = ortam_.OyunlarıBaşlat(4);
        QString pencere = ortam_.AnaPencereyiBekle();
        QVERIFY2(!pencere.isEmpty(), "no window titled exactly \"Nuv Vorudov - Mozeta 1.21\"");
        const auto bitti = [](QProcess *k) {
            return (k->state() == QProcess::NotRunning || k->waitForFinished(20)) &&
                   k->exitStatus() == QProcess::NormalExit && k->exitCode() == 0;
        };
        QTRY_COMPARE_WITH_TIMEOUT(std::count_if(kopyalar.begin(), kopyalar.end(), bitti), 3,
                                  E2eOrtamı::Sınır);
        oyun = *std::find_if(kopyalar.begin(), kopyalar.end(),
                             [](QProcess *k) { return k->state() == QProcess::Running; });
        const QRect alan = ortam_.Geometri(pencere);
        QCOMPARE(alan.size(), QSize(634, 413));

        // Each place looks like its own cell of the photo and like no other.
        const QSize boyut = foto.size() / 3;
        const auto hücre = [&](int k) {
            return foto.copy(QRect(QPoint(k % 3 * boyut.width(), k / 3 * boyut.height()), boyut));
        };
        const QRect örnek = TwipDikdörtgeni(6510, 570, 2535, 1875)
                                .adjusted(2, 2, -2, -2)
                                .translated(alan.topLeft());
        QString sorun = u"no screenshot"_s;
        for (const QDeadlineTimer süre(E2eOrtamı::Sınır); !sorun.isEmpty() && !süre.hasExpired();
             QThread::msleep(200)) {
            const QImage ekran = ortam_.Görüntü();
            sorun = Fark(ekran, örnek, foto) > 12 ? u"the sample box"_s : QString();
            for (int k = 0; k < 9 && sorun.isEmpty(); ++k)
                for (int j = 0; j < 9; ++j)
                    if (j == k ? Fark(ekran, Yer(alan, k), hücre(k)) > 20
                               : Fark(ekran, Yer(alan, k), hücre(j)) <=
                                     Fark(ekran, Yer(alan, k), hücre(k)))
                        sorun = u"place %1 (like cell %2)"_s.arg(k).arg(j);
        }
        QVERIFY2(sorun.isEmpty(), qPrintable(sorun));
        // Nothing has played yet, so the sound libraries are not loaded.
        QFile haritalar(u"/proc/%1/maps"_s.arg(oyun->processId()));
        QVERIFY(haritalar.open(QIODevice::ReadOnly));
        QVERIFY(!haritalar.readAll().contains("Multimedia"));

        QCOMPARE(BoşYerler(ortam_.Görüntü(), alan), QList<int>{}); // no game yet
        QVERIFY(ortam_.TuşBas(pencere, u"alt+y"_s));
        QTRY_COMPARE(BoşYerler(ortam_.Görüntü(), alan), QList<int>{8});
        // The game has handled a key pressed after the other copies ended, and so what they
        // sent before: a window they brought up would show by now.
        QCOMPARE(ortam_.AnaPencereler(), QStringList{pencere});
        const QPoint yedi = Yer(alan, 7).center();
        ortam_.Çalıştır(u"xdotool"_s, {u"mousemove"_s, QString::number(yedi.x()),
                                       QString::number(yedi.y()), u"click"_s, u"1"_s});
        QTRY_COMPARE(BoşYerler(ortam_.Görüntü(), alan), QList<int>{7});
        ortam_.TuşBas(pencere, u"alt+k"_s); // handled before the Esc pressed after it
        const QRect tahta = Yer(alan, 0) | Yer(alan, 8);
        const QImage kaydedilen = ortam_.Görüntü().copy(tahta);
        ortam_.TuşBas(pencere, u"Escape"_s);
        QVERIFY2(oyun->waitForFinished(E2eOrtamı::Sınır), "Esc did not end the program");
        QCOMPARE(oyun->exitCode(), 0);
        // A machine without sound stays quiet: at most one line when the game first looks for a
        // sound server, never a warning per sound.
        const QString çıktı = QString::fromUtf8(oyun->readAll());
        QVERIFY2(!çıktı.contains(u"No audio device"_s) &&
                     çıktı.count(u"audio"_s, Qt::CaseInsensitive) <= 1,
                 qPrintable(çıktı));
        QCOMPARE(Anahtarlar(u"Ayarlar"_s),
                 (QStringList{u"Sol Bosluk"_s, u"Ust Bosluk"_s, u"Son Bolme"_s, u"Son Fotograf"_s,
                              u"Ornek Goster"_s, u"Oyunu Kaydet"_s, u"Sesleri Kapat"_s}));
        QCOMPARE(Anahtarlar(u"Oyun"_s).size(), 9);
        QCOMPARE(GetSetting(Uygulama, u"Oyun"_s, u"Foto-7"_s), u"7B"_s);

        oyun = ortam_.OyunuBaşlat();
        pencere = ortam_.AnaPencereyiBekle();
        QVERIFY(!pencere.isEmpty());
        QCOMPARE(ortam_.Geometri(pencere), alan); // the board is compared at the same place
        QProcess *ikinci = ortam_.OyunuBaşlat();
        QVERIFY2(ikinci->waitForFinished(E2eOrtamı::Sınır), "a second copy is still running");
        QCOMPARE(ikinci->exitCode(), 0);
        QTRY_COMPARE(BoşYerler(ortam_.Görüntü(), alan), QList<int>{7});
        const QImage geri = ortam_.Görüntü();
        QCOMPARE(geri.copy(tahta), kaydedilen);
        // The clock runs: the screen changes outside the board. The game has painted a tick
        // after the second copy ended, so a window that copy brought up would show by now.
        QImage sonraki;
        QTRY_VERIFY_WITH_TIMEOUT((sonraki = ortam_.Görüntü()) != geri, E2eOrtamı::Sınır);
        QCOMPARE(sonraki.copy(tahta), kaydedilen);
        QCOMPARE(ortam_.AnaPencereler(), QStringList{pencere});

        const QString dosya = ortam_.AyarlarKlasörü() + u"/Nuv Zovevav/Mozeta-Tr.ini"_s;
        const QByteArray kayıt = İçerik(dosya);
        if (!ortam_.Kapat(pencere))
            QSKIP("this build cannot send a close request to the window");
        QTRY_COMPARE_WITH_TIMEOUT(ortam_.Pencereler().size(), 2, E2eOrtamı::Sınır);
        ortam_.Çalıştır(u"xdotool"_s, {u"key"_s, u"alt+h"_s});
        QTRY_COMPARE_WITH_TIMEOUT(ortam_.Pencereler().size(), 1, E2eOrtamı::Sınır);
        const QImage önce = ortam_.Görüntü(); // the clock runs on after "Hayır"
        QTRY_VERIFY_WITH_TIMEOUT(ortam_.Görüntü() != önce, E2eOrtamı::Sınır);
        QVERIFY(!oyun->waitForFinished(0)); // it has not ended by then
        QCOMPARE(İçerik(dosya), kayıt);

        QVERIFY(ortam_.Kapat(pencere));
        QTRY_COMPARE_WITH_TIMEOUT(ortam_.Pencereler().size(), 2, E2eOrtamı::Sınır);
        ortam_.Çalıştır(u"xdotool"_s, {u"key"_s, u"alt+e"_s});
        QVERIFY2(oyun->waitForFinished(E2eOrtamı::Sınır), "\"Evet\" did not end the program");
        QCOMPARE(oyun->exitCode(), 0);
        QVERIFY(İçerik(dosya) != kayıt); // the clock moved on
        QCOMPARE(Anahtarlar(u"Oyun"_s).size(), 9);
        QCOMPARE(GetSetting(Uygulama, u"Oyun"_s, u"Foto-7"_s), u"7B"_s);
    }
};

QTEST_GUILESS_MAIN(GameE2eTest)
#include "oyun_e2e_test.moc"
