// End to end: a first start with no settings shows the sample photo whole on the board and in the
// sample box; Esc closes the game, which stores the seven preferences.
#include "tests/e2e/E2eOrtam.h"
#include "toolkit/Twip.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QThread>
#include <QtTest>
#include <array>

namespace {

using Renk = std::array<double, 3>;

Renk Ortalama(const QImage &resim, const QRect &alan) {
    Renk toplam{0, 0, 0};
    for (int y = alan.top(); y <= alan.bottom(); ++y)
        for (int x = alan.left(); x <= alan.right(); ++x) {
            const QRgb p = resim.pixel(x, y);
            toplam[0] += qRed(p);
            toplam[1] += qGreen(p);
            toplam[2] += qBlue(p);
        }
    const double sayı = double(alan.width()) * alan.height();
    return {toplam[0] / sayı, toplam[1] / sayı, toplam[2] / sayı};
}

double Uzaklık(const Renk &a, const Renk &b) {
    return std::max({std::abs(a[0] - b[0]), std::abs(a[1] - b[1]), std::abs(a[2] - b[2])});
}

// A rectangle without a sixth of its size on each side, away from borders and rounding.
QRect İçi(const QRect &alan) {
    return alan.adjusted(alan.width() / 6, alan.height() / 6, -alan.width() / 6,
                         -alan.height() / 6);
}

// Part k of an n x n grid over `alan`.
QRect Hücre(const QRect &alan, int k, int n = 3) {
    const int sol = alan.x() + alan.width() * (k % n) / n;
    const int üst = alan.y() + alan.height() * (k / n) / n;
    return QRect(sol, üst, alan.x() + alan.width() * (k % n + 1) / n - sol,
                 alan.y() + alan.height() * (k / n + 1) / n - üst);
}

// What an area looks like: the mean colours of a 4 x 4 grid over its inside.
std::array<Renk, 16> İz(const QImage &resim, const QRect &alan) {
    std::array<Renk, 16> iz;
    for (int k = 0; k < 16; ++k)
        iz[k] = Ortalama(resim, Hücre(İçi(alan), k, 4));
    return iz;
}

double İzFarkı(const std::array<Renk, 16> &a, const std::array<Renk, 16> &b) {
    double toplam = 0;
    for (int k = 0; k < 16; ++k)
        toplam += Uzaklık(a[k], b[k]);
    return toplam / 16;
}

// True when each of the nine areas of `ekran` looks like its own cell of `foto`, and more like
// it than like any other cell; `neden` says which area does not.
bool DokuzHücreUyar(const QImage &ekran, const std::array<QRect, 9> &alanlar, const QImage &foto,
                    QString *neden) {
    std::array<std::array<Renk, 16>, 9> hücreler;
    for (int k = 0; k < 9; ++k)
        hücreler[k] = İz(foto, Hücre(foto.rect(), k));
    for (int k = 0; k < 9; ++k) {
        const auto görünen = İz(ekran, alanlar[k]);
        int enYakın = 0;
        for (int h = 1; h < 9; ++h)
            if (İzFarkı(görünen, hücreler[h]) < İzFarkı(görünen, hücreler[enYakın]))
                enYakın = h;
        if (enYakın != k || İzFarkı(görünen, hücreler[k]) > 24) {
            *neden = QStringLiteral("area %1 looks like cell %2 (off by %3)")
                         .arg(k)
                         .arg(enYakın)
                         .arg(İzFarkı(görünen, hücreler[k]));
            return false;
        }
    }
    return true;
}

} // namespace

class FirstStartE2eTest : public QObject {
    Q_OBJECT

private:
    E2eOrtamı ortam_;

private slots:
    void initTestCase() {
        if (!ortam_.Başlat())
            QSKIP(qPrintable(ortam_.Sorun()));
    }
    void cleanup() { ortam_.OyunlarıBitir(); }

    void samplePhotoOnTheBoardAndEscapeSavesPreferences() {
        const QImage foto(
            QFileInfo(E2eOrtamı::OyunYolu()).dir().filePath(QStringLiteral("Sample-1.jpg")));
        QVERIFY2(!foto.isNull(), "Sample-1.jpg is not beside the game");
        QVERIFY(QDir(ortam_.AyarlarKlasörü()).isEmpty());

        QProcess *oyun = ortam_.OyunuBaşlat();
        const QString pencere = ortam_.PencereyiBekle(E2eOrtamı::AnaPencereBaşlığı);
        QVERIFY2(!pencere.isEmpty(), "no main window");
        const QRect alan = ortam_.PencereGeometrisi(pencere);
        QCOMPARE(alan.size(), QSize(634, 413));

        // Places of the 3 x 3 board (inside the board frame at 270, 270 twips) and the nine
        // parts of the sample box, on the screen.
        std::array<QRect, 9> yerler;
        for (int k = 0; k < 9; ++k)
            yerler[k] =
                TwipDikdörtgeni(270 + 210 + (k % 3) * 1775, 270 + 300 + (k / 3) * 1335, 1753, 1313)
                    .translated(alan.topLeft());
        const QRect örnek = TwipDikdörtgeni(6330 + 180, 270 + 300, 2535, 1875)
                                .adjusted(2, 2, -2, -2)
                                .translated(alan.topLeft());
        std::array<QRect, 9> örnekParçaları;
        for (int k = 0; k < 9; ++k)
            örnekParçaları[k] = Hücre(örnek, k);

        const QString dosya = QDir::current().filePath(QStringLiteral("ilk_acilis.png"));
        QString neden = QStringLiteral("no screenshot");
        bool tahtaTamam = false, örnekTamam = false;
        const QDeadlineTimer süre(8000);
        while (!(tahtaTamam && örnekTamam) && !süre.hasExpired()) {
            QThread::msleep(200);
            if (!ortam_.EkranGörüntüsü(dosya))
                continue;
            const QImage ekran(dosya);
            tahtaTamam = DokuzHücreUyar(ekran, yerler, foto, &neden);
            örnekTamam = tahtaTamam && DokuzHücreUyar(ekran, örnekParçaları, foto, &neden);
        }
        QVERIFY2(tahtaTamam && örnekTamam, qPrintable(neden + QStringLiteral(", see ") + dosya));

        QVERIFY(ortam_.TuşBas(pencere, QStringLiteral("Escape")));
        QVERIFY2(oyun->waitForFinished(10000), "Esc did not close the game");
        QCOMPARE(oyun->exitStatus(), QProcess::NormalExit);
        QCOMPARE(oyun->exitCode(), 0);

        QFile ayarlar(ortam_.AyarlarKlasörü() + QStringLiteral("/Nuv Zovevav/Mozeta-Tr.ini"));
        QVERIFY2(ayarlar.open(QIODevice::ReadOnly), qPrintable(ayarlar.fileName()));
        const QString metin = QString::fromUtf8(ayarlar.readAll());
        QVERIFY2(metin.contains(QStringLiteral("[Ayarlar]")), qPrintable(metin));
        for (const char *anahtar : {"Sol Bosluk", "Ust Bosluk", "Son Bolme", "Son Fotograf",
                                    "Ornek Goster", "Oyunu Kaydet", "Sesleri Kapat"})
            QVERIFY2(
                metin.contains(QLatin1Char('\n') + QString::fromLatin1(anahtar) + QLatin1Char('=')),
                qPrintable(QString::fromLatin1(anahtar) + QStringLiteral(" missing in:\n") +
                           metin));
        QVERIFY2(!metin.contains(QStringLiteral("[Oyun")),
                 "no game was running, none may be saved");
    }
};

QTEST_GUILESS_MAIN(FirstStartE2eTest)
#include "IlkAcilisE2eTesti.moc"
