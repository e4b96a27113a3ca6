// SPDX-License-Identifier: GPL-3.0-or-later
// Benchmark: time from selecting a photo in the chooser's file list to its preview being
// drawn, first from the camera's small picture and then sharp, over ten 24-megapixel JPEGs
// (6000 x 4000) written as a camera writes them, median and worst.
//
// Usage: bench_chooser_preview [folder]   (default /tmp/mozeta-bench-chooser-exif; the photos
// are generated there once). Runs offscreen unless a display is given.
#include "chooser/FotografSecFormu.h"
#include "game/AnaForm.h"
#include "startup/OrtakDegiskenlerModulu.h"
#include "toolkit/AyarDeposu.h"
#include "toolkit/ExifKucukResim.h"
#include "toolkit/ResimKutusu.h"
#include "toolkit/ResimYukleyici.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
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

QByteArray Jpeg(const QImage &resim, int kalite) {
    QByteArray baytlar;
    QBuffer tampon(&baytlar);
    tampon.open(QIODevice::WriteOnly);
    resim.save(&tampon, "JPG", kalite);
    return baytlar;
}

// The photo as a camera writes it: an EXIF block right after the start-of-image marker, its
// second directory pointing at a 160 x 120 small picture, the 3:2 photo letterboxed into it with
// black bars. Motorola byte order, as Nikon writes.
QByteArray KameraJpegi(const QImage &resim) {
    QImage küçük(160, 120, QImage::Format_RGB32);
    küçük.fill(Qt::black);
    const QImage içi = resim.scaled(160, 107, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    for (int y = 0; y < içi.height(); ++y)
        std::copy_n(içi.constScanLine(y), içi.bytesPerLine(), küçük.scanLine(y + 6));
    const QByteArray küçükJpeg = Jpeg(küçük, 80);

    // TIFF header; IFD0: orientation; IFD1: the small picture's place and length; the picture.
    QByteArray tiff;
    const auto yaz = [&](quint32 değer, int boy) {
        for (int i = boy - 1; i >= 0; --i)
            tiff += char(değer >> 8 * i);
    };
    const auto giriş = [&](quint16 etiket, quint16 tür, quint32 değer) {
        yaz(etiket, 2), yaz(tür, 2), yaz(1, 4);
        tür == 3 ? (yaz(değer, 2), yaz(0, 2)) : yaz(değer, 4);
    };
    tiff += "MM";
    yaz(42, 2), yaz(8, 4);
    yaz(1, 2), giriş(0x0112, 3, 1), yaz(26, 4);
    yaz(3, 2), giriş(0x0103, 3, 6), giriş(0x0201, 4, 68), giriş(0x0202, 4, küçükJpeg.size());
    yaz(0, 4);
    tiff += küçükJpeg;
    QByteArray app1("\xFF\xE1");
    app1 += char((tiff.size() + 8) >> 8);
    app1 += char((tiff.size() + 8) & 0xFF);
    app1 += QByteArray("Exif\0\0", 6) + tiff;
    const QByteArray ana = Jpeg(resim, 92);
    return ana.left(2) + app1 + ana.mid(2);
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

// Tells of the preview box's paints.
class BoyamaSayacı : public QObject {
public:
    std::function<void()> Boyandı;

protected:
    bool eventFilter(QObject *, QEvent *olay) override {
        if (olay->type() == QEvent::Paint && Boyandı)
            Boyandı();
        return false;
    }
};

} // namespace

int main(int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication uygulama(argc, argv);
    QTextStream çıktı(stdout);

    const QString klasör = argc > 1 ? QString::fromLocal8Bit(argv[1])
                                    : QStringLiteral("/tmp/mozeta-bench-chooser-exif");
    QDir().mkpath(klasör);
    qint64 toplamBoyut = 0;
    for (int i = 0; i < FotoğrafSayısı; ++i) {
        const QString yol =
            QStringLiteral("%1/DSC_%2.JPG").arg(klasör).arg(i + 1, 4, 10, QChar('0'));
        if (!QFileInfo::exists(yol)) {
            çıktı << "generating " << yol << Qt::endl;
            QFile dosya(yol);
            const QByteArray baytlar = KameraJpegi(AyrıntılıFotoğraf(i));
            if (!dosya.open(QIODevice::WriteOnly) || dosya.write(baytlar) != baytlar.size()) {
                std::fprintf(stderr, "cannot write %s\n", qPrintable(yol));
                return 1;
            }
        }
        toplamBoyut += QFileInfo(yol).size();
        if (ExifKüçükResmi(yol).size() != QSize(160, 104)) {
            std::fprintf(stderr, "%s has no small picture of 160 x 104\n", qPrintable(yol));
            return 1;
        }
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

    // Through the dialog: select, then let events run until the photo's sharp preview has been
    // painted. The first paint of a new picture shows the small picture, unless the photo had
    // been decoded ahead and comes at once.
    struct Ölçüm {
        double ilk = -1, net = -1, işlemci = 0;
    };
    const auto seçVeBekle = [&](int satır) {
        const qint64 önceki = form.ÖnizlemeKutusu->Picture().cacheKey();
        QElapsedTimer saat;
        saat.start();
        const double işlemci = SüreçZamanı();
        Ölçüm ölçüm;
        sayaç.Boyandı = [&] {
            if (form.ÖnizlemeKutusu->Picture().cacheKey() == önceki)
                return;
            const double şimdi = saat.nsecsElapsed() / 1e6;
            if (ölçüm.ilk < 0)
                ölçüm.ilk = şimdi;
            if (ölçüm.net < 0 && !form.FotoğrafBekleniyor() && !form.KüçükResimGösteriliyor())
                ölçüm.net = şimdi;
        };
        form.DosyaListesi->setCurrentRow(satır);
        while (ölçüm.net < 0) {
            // Sleeps until something happens: a busy wait would take a core from the decoder.
            QApplication::processEvents(QEventLoop::WaitForMoreEvents);
            if (saat.elapsed() > 10000) {
                std::fprintf(stderr, "the preview did not change for row %d\n", satır);
                std::exit(1);
            }
        }
        sayaç.Boyandı = nullptr;
        ölçüm.işlemci = SüreçZamanı() - işlemci;
        return ölçüm;
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

    // 1. One photo after the other, each as soon as the previous sharp preview is drawn.
    std::vector<Ölçüm> artArda;
    for (int satır = 0; satır < FotoğrafSayısı; ++satır)
        artArda.push_back(seçVeBekle(satır));

    // 2. As a player browses: a look of 300 ms at each photo before the next key press.
    bekle(500);
    std::vector<Ölçüm> bakarak;
    for (int satır = 0; satır < FotoğrafSayısı; ++satır) {
        bakarak.push_back(seçVeBekle(satır));
        bekle(300);
    }

    // 3. The arrow key held down (30 presses a second) back up through all ten.
    bekle(500);
    qint64 enUzunDuraklama = 0;
    for (int satır = FotoğrafSayısı - 2; satır > 0; --satır) {
        form.DosyaListesi->setCurrentRow(satır);
        enUzunDuraklama = std::max(enUzunDuraklama, bekle(33));
    }
    const double bıraktıktanSonra = seçVeBekle(0).net;

    // Where the time goes, on the window's thread alone: the small picture, the reduced decode,
    // the preview's smooth scaling; and for comparison a decode at full size.
    const QSize önizleme = form.ÖnizlemeKutusu->contentsRect().size();
    std::vector<double> küçükResim, çözme, ölçekleme, tamBoy;
    for (int satır = 0; satır < FotoğrafSayısı; ++satır) {
        const QString yol = klasör + QLatin1Char('/') + form.DosyaListesi->item(satır)->text();
        QElapsedTimer saat;
        saat.start();
        const QImage küçük =
            ExifKüçükResmi(yol).scaled(önizleme, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        küçükResim.push_back(saat.nsecsElapsed() / 1e6);
        saat.restart();
        const Fotoğraf küçültülmüş = LoadPicture(yol, OyunİçinEnAzBoyut);
        çözme.push_back(saat.nsecsElapsed() / 1e6);
        saat.restart();
        const QImage netİçin =
            küçültülmüş.Resim.scaled(önizleme, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        ölçekleme.push_back(saat.nsecsElapsed() / 1e6);
        saat.restart();
        const Fotoğraf tam = LoadPicture(yol);
        tamBoy.push_back(saat.nsecsElapsed() / 1e6);
        if (küçük.isNull() || netİçin.isNull() || tam.Resim.size() != Boyut)
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
    const auto satırı = [&](const char *ad, const std::vector<Ölçüm> &ölçümler) {
        std::vector<double> ilk, net;
        for (const Ölçüm &ö : ölçümler)
            ilk.push_back(ö.ilk), net.push_back(ö.net);
        çıktı << "select to preview drawn, " << ad << ": first picture median " << Ortanca(ilk)
              << " ms, worst " << enÇok(ilk) << " ms; sharp median " << Ortanca(net)
              << " ms, worst " << enÇok(net) << " ms" << Qt::endl;
    };
    satırı("back to back", artArda);
    std::vector<double> artArdaİşlemci;
    for (const Ölçüm &ö : artArda)
        artArdaİşlemci.push_back(ö.işlemci);
    çıktı << "  (CPU time per photo back to back, all threads: median " << Ortanca(artArdaİşlemci)
          << " ms)" << Qt::endl;
    satırı("300 ms look", bakarak);
    çıktı << "key held at 30/s: longest stall of the window " << enUzunDuraklama
          << " ms; last photo drawn " << bıraktıktanSonra << " ms after the key is let go"
          << Qt::endl;
    çıktı << "one thread: small picture read, decoded and scaled median " << Ortanca(küçükResim)
          << " ms, worst " << enÇok(küçükResim) << " ms" << Qt::endl;
    çıktı << "one thread: reduced decode median " << Ortanca(çözme) << " ms, preview scaling "
          << Ortanca(ölçekleme) << " ms; a full-size decode would take " << Ortanca(tamBoy) << " ms"
          << Qt::endl;
    form.hide();
    return 0;
}
