// Benchmark: time from selecting a photo in the chooser's file list to its preview being
// drawn, over ten 24-megapixel JPEGs (6000 x 4000), median and worst.
//
// Usage: bench_chooser_preview [folder]   (default /tmp/mozeta-bench-chooser; the photos are
// generated there once). Runs offscreen unless a display is given.
#include "chooser/FotografSecFormu.h"
#include "game/AnaForm.h"
#include "startup/OrtakDegiskenlerModulu.h"
#include "toolkit/AyarDeposu.h"
#include "toolkit/ResimKutusu.h"
#include "toolkit/ResimYukleyici.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QImage>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

constexpr int FotoğrafSayısı = 10;
constexpr QSize Boyut(6000, 4000);

// A photo with detail everywhere, as a camera's is: smooth light, shapes, fine texture, noise.
QImage AyrıntılıFotoğraf(int tohum) {
    QImage resim(Boyut, QImage::Format_RGB32);
    quint32 durum = 2166136261u ^ static_cast<quint32>(tohum * 16777619);
    for (int y = 0; y < resim.height(); ++y) {
        auto *satır = reinterpret_cast<QRgb *>(resim.scanLine(y));
        for (int x = 0; x < resim.width(); ++x) {
            durum = durum * 1664525u + 1013904223u;
            const int gürültü = static_cast<int>((durum >> 24) % 25) - 12;
            const int doku = ((x / 7 + y / 5 + tohum) % 9) * 6;
            const int halka = (((x - 3000) * (x - 3000) + (y - 2000) * (y - 2000)) / 9000) % 64;
            const int r = x * 200 / 6000 + doku + gürültü;
            const int g = y * 180 / 4000 + halka + gürültü;
            const int b = (x + y + tohum * 500) % 256 / 2 + halka + doku / 2 + gürültü;
            satır[x] = qRgb(std::clamp(r, 0, 255), std::clamp(g, 0, 255), std::clamp(b, 0, 255));
        }
    }
    return resim;
}

// CPU time of the whole process (window and decoding threads) in milliseconds: what browsing
// costs when the machine is shared and the wall-clock figures include waits for a core.
double SüreçZamanı() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

double Ortanca(std::vector<double> süreler) {
    std::sort(süreler.begin(), süreler.end());
    const std::size_t n = süreler.size();
    return n % 2 ? süreler[n / 2] : (süreler[n / 2 - 1] + süreler[n / 2]) / 2;
}

// Counts the preview box's paints.
class BoyamaSayacı : public QObject {
public:
    int Sayı = 0;

protected:
    bool eventFilter(QObject *, QEvent *olay) override {
        if (olay->type() == QEvent::Paint)
            ++Sayı;
        return false;
    }
};

} // namespace

int main(int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication uygulama(argc, argv);
    QTextStream çıktı(stdout);

    const QString klasör =
        argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("/tmp/mozeta-bench-chooser");
    QDir().mkpath(klasör);
    qint64 toplamBoyut = 0;
    for (int i = 0; i < FotoğrafSayısı; ++i) {
        const QString yol =
            QStringLiteral("%1/DSC_%2.JPG").arg(klasör).arg(i + 1, 4, 10, QChar('0'));
        if (!QFileInfo::exists(yol)) {
            çıktı << "generating " << yol << Qt::endl;
            if (!AyrıntılıFotoğraf(i).save(yol, "JPG", 92)) {
                std::fprintf(stderr, "cannot write %s\n", qPrintable(yol));
                return 1;
            }
        }
        toplamBoyut += QFileInfo(yol).size();
    }
    çıktı << "photos: " << FotoğrafSayısı << " x " << Boyut.width() << "x" << Boyut.height() << ", "
          << toplamBoyut / FotoğrafSayısı / 1024 << " KiB each, platform "
          << QApplication::platformName() << Qt::endl;

    QTemporaryDir ayarlar;
    AyarKlasörünüKur(ayarlar.path());
    UygulamaAdı = QStringLiteral("Nuv Zovevav\\Mozeta-Tr");
    ProgramKlasörü = QDir(klasör).absolutePath() + QLatin1Char('/');

    AnaForm anaForm;
    FotoğrafSeçFormu form(anaForm);
    form.show();
    BoyamaSayacı sayaç;
    form.ÖnizlemeKutusu->installEventFilter(&sayaç);
    for (int i = 0; i < 20; ++i)
        QApplication::processEvents();
    if (form.DosyaListesi->count() != FotoğrafSayısı) {
        std::fprintf(stderr, "the chooser lists %d files\n", form.DosyaListesi->count());
        return 1;
    }

    // Through the dialog: select, then let events run until the new preview has been painted.
    const auto seçVeBekle = [&](int satır) {
        const qint64 önceki = form.ÖnizlemeKutusu->Picture().cacheKey();
        QElapsedTimer saat;
        saat.start();
        const double işlemci = SüreçZamanı();
        const int boyamalar = sayaç.Sayı;
        form.DosyaListesi->setCurrentRow(satır);
        while (form.ÖnizlemeKutusu->Picture().cacheKey() == önceki || sayaç.Sayı == boyamalar) {
            // Sleeps until something happens: a busy wait would take a core from the decoder.
            QApplication::processEvents(QEventLoop::WaitForMoreEvents);
            if (saat.elapsed() > 10000) {
                std::fprintf(stderr, "the preview did not change for row %d\n", satır);
                std::exit(1);
            }
        }
        return std::pair(saat.nsecsElapsed() / 1e6, SüreçZamanı() - işlemci);
    };
    // Lets the window run for `ms`; returns the longest stretch in which it could not react (the
    // latest a 1 ms timer came).
    const auto bekle = [](int ms) {
        QEventLoop döngü;
        QTimer tık;
        QElapsedTimer saat;
        qint64 enUzun = 0, önceki = 0;
        QObject::connect(&tık, &QTimer::timeout, [&] {
            enUzun = std::max(enUzun, saat.elapsed() - önceki);
            önceki = saat.elapsed();
        });
        tık.setTimerType(Qt::PreciseTimer);
        tık.start(1);
        QTimer::singleShot(ms, &döngü, &QEventLoop::quit);
        saat.start();
        döngü.exec();
        return std::max<qint64>(0, enUzun - 1);
    };
    seçVeBekle(FotoğrafSayısı - 1); // warm-up: plugins, caches
    bekle(500);

    // 1. One photo after the other, each as soon as the previous preview is drawn.
    std::vector<double> artArda, artArdaİşlemci;
    for (int satır = 0; satır < FotoğrafSayısı; ++satır) {
        const auto [duvar, işlemci] = seçVeBekle(satır);
        artArda.push_back(duvar);
        artArdaİşlemci.push_back(işlemci);
    }

    // 2. As a player browses: a look of 300 ms at each photo before the next key press.
    bekle(500);
    std::vector<double> bakarak;
    for (int satır = 0; satır < FotoğrafSayısı; ++satır) {
        bakarak.push_back(seçVeBekle(satır).first);
        bekle(300);
    }

    // 3. The arrow key held down (30 presses a second) back up through all ten.
    bekle(500);
    qint64 enUzunDuraklama = 0;
    for (int satır = FotoğrafSayısı - 2; satır > 0; --satır) {
        form.DosyaListesi->setCurrentRow(satır);
        enUzunDuraklama = std::max(enUzunDuraklama, bekle(33));
    }
    const double bıraktıktanSonra = seçVeBekle(0).first;

    // Where the time goes, on the window's thread alone: the reduced decode, the preview's
    // smooth scaling; and for comparison a decode at full size.
    const QSize önizleme = form.ÖnizlemeKutusu->contentsRect().size();
    std::vector<double> çözme, ölçekleme, tamBoy;
    for (int satır = 0; satır < FotoğrafSayısı; ++satır) {
        const QString yol = klasör + QLatin1Char('/') + form.DosyaListesi->item(satır)->text();
        QElapsedTimer saat;
        saat.start();
        const Fotoğraf küçültülmüş = LoadPicture(yol, OyunİçinEnAzBoyut);
        çözme.push_back(saat.nsecsElapsed() / 1e6);
        saat.restart();
        const QImage küçük =
            küçültülmüş.Resim.scaled(önizleme, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        ölçekleme.push_back(saat.nsecsElapsed() / 1e6);
        saat.restart();
        const Fotoğraf tam = LoadPicture(yol);
        tamBoy.push_back(saat.nsecsElapsed() / 1e6);
        if (küçük.isNull() || tam.Resim.size() != Boyut)
            return 1;
    }

    const Fotoğraf son = LoadPicture(klasör + QLatin1Char('/') + form.DosyaListesi->item(0)->text(),
                                     OyunİçinEnAzBoyut);
    çıktı << "decoded for the chooser at " << son.Resim.width() << "x" << son.Resim.height()
          << ", natural size " << son.DoğalBoyut.width() << "x" << son.DoğalBoyut.height()
          << Qt::endl;
    çıktı << Qt::fixed << qSetRealNumberPrecision(1);
    const auto enÇok = [](const std::vector<double> &v) {
        return *std::max_element(v.begin(), v.end());
    };
    çıktı << "select to preview drawn, back to back: median " << Ortanca(artArda) << " ms, worst "
          << enÇok(artArda) << " ms (CPU time per photo, all threads: median "
          << Ortanca(artArdaİşlemci) << " ms)" << Qt::endl;
    çıktı << "select to preview drawn, 300 ms look: median " << Ortanca(bakarak) << " ms, worst "
          << enÇok(bakarak) << " ms" << Qt::endl;
    çıktı << "key held at 30/s: longest stall of the window " << enUzunDuraklama
          << " ms; last photo drawn " << bıraktıktanSonra << " ms after the key is let go"
          << Qt::endl;
    çıktı << "one thread: reduced decode median " << Ortanca(çözme) << " ms, preview scaling "
          << Ortanca(ölçekleme) << " ms; a full-size decode would take " << Ortanca(tamBoy) << " ms"
          << Qt::endl;
    form.hide();
    return 0;
}
