// SPDX-License-Identifier: GPL-3.0-or-later
// Benchmark: loading and cutting a 24-megapixel JPEG (6000 x 4000) for the board, against a
// plain full decode of the same file by Qt's reader, and a full repaint of the board, which cuts
// each piece from the photo as it draws it. Medians over several runs.
//
// Usage: bench_photo_split [runs]   (default 9; the photo is generated once in
// /tmp/mozeta-bench-photo). Runs offscreen unless a display is given.
#include "game/AnaForm.h"
#include "game/ParcaKesici.h"
#include "game/TahtaCizimi.h"
#include "game/cekirdek/Bolme.h"
#include "startup/OrtakDegiskenlerModulu.h"
#include "toolkit/AyarDeposu.h"
#include "toolkit/HataPolitikasi.h"
#include "toolkit/ResimYukleyici.h"
#include "toolkit/Twip.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QRadioButton>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr QSize Boyut(6000, 4000);

// Detail everywhere, as in a camera photo: smooth light, rings, fine texture and noise, so the
// JPEG is as large and as slow to decode as a real one.
QImage AyrıntılıFotoğraf() {
    QImage resim(Boyut, QImage::Format_RGB32);
    quint32 durum = 2166136261u;
    for (int y = 0; y < resim.height(); ++y) {
        auto *satır = reinterpret_cast<QRgb *>(resim.scanLine(y));
        for (int x = 0; x < resim.width(); ++x) {
            durum = durum * 1664525u + 1013904223u;
            const int gürültü = static_cast<int>((durum >> 24) % 25) - 12;
            const int doku = ((x / 7 + y / 5) % 9) * 6;
            const int halka = (((x - 3000) * (x - 3000) + (y - 2000) * (y - 2000)) / 9000) % 64;
            const int r = x * 200 / 6000 + doku + gürültü;
            const int g = y * 180 / 4000 + halka + gürültü;
            const int b = (x + y) % 256 / 2 + halka + doku / 2 + gürültü;
            satır[x] = qRgb(std::clamp(r, 0, 255), std::clamp(g, 0, 255), std::clamp(b, 0, 255));
        }
    }
    return resim;
}

double Medyan(std::vector<double> süreler) {
    std::sort(süreler.begin(), süreler.end());
    const std::size_t orta = süreler.size() / 2;
    return süreler.size() % 2 ? süreler[orta] : (süreler[orta - 1] + süreler[orta]) / 2;
}

double Ölç(int tekrar, const std::function<void()> &iş) {
    std::vector<double> süreler;
    for (int i = 0; i < tekrar; ++i) {
        QElapsedTimer sayaç;
        sayaç.start();
        iş();
        süreler.push_back(sayaç.nsecsElapsed() / 1e6);
    }
    return Medyan(süreler);
}

// The inner size of a board place for an N x N board on the design frame (2-pixel border).
QSize ParçaİçBoyutu(int kenar) {
    const QRect twip = YerDikdörtgeniTwip(QSize(5745, 4485), kenar, 0);
    return TwipDikdörtgeni(twip.x(), twip.y(), twip.width(), twip.height())
        .size()
        .shrunkBy(QMargins(2, 2, 2, 2));
}

} // namespace

int main(int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication uygulama(argc, argv);
    const int tekrar = argc > 1 ? std::max(1, atoi(argv[1])) : 9;

    const QString klasör = QStringLiteral("/tmp/mozeta-bench-photo");
    QDir().mkpath(klasör);
    const QString yol = klasör + QStringLiteral("/foto-24mp.jpg");
    if (!QFileInfo::exists(yol)) {
        std::printf("generating %s ...\n", qPrintable(yol));
        QImageWriter yazıcı(yol);
        yazıcı.setQuality(92);
        if (!yazıcı.write(AyrıntılıFotoğraf())) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(yol));
            return 1;
        }
    }
    std::printf("photo: %s, %lld KB, %d runs each, medians\n", qPrintable(yol),
                QFileInfo(yol).size() / 1024, tekrar);

    // (a) Qt's reader alone, full size.
    const double tamÇözme = Ölç(tekrar, [&] {
        QImageReader okuyucu(yol);
        if (okuyucu.read().isNull())
            std::abort();
    });
    std::printf("(a) full JPEG decode (QImageReader)        %7.1f ms\n", tamÇözme);

    // (b) The game's load and cut: LoadPicture and the pieces of each grid.
    for (int kenar = 3; kenar <= 5; ++kenar) {
        const QSize parça = ParçaİçBoyutu(kenar);
        const double süre = Ölç(tekrar, [&] {
            const Fotoğraf foto = LoadPicture(yol, OyunİçinEnAzBoyut);
            for (int p = 0; p < kenar * kenar; ++p)
                if (ParçayıKes(foto.Resim, foto.DoğalBoyut, kenar, parça, p).isNull())
                    std::abort();
        });
        std::printf("(b) load + cut %d x %d (pieces %dx%d)         %7.1f ms  = %.2f x (a)\n", kenar,
                    kenar, parça.width(), parça.height(), süre, süre / tamÇözme);
    }

    // (c) The same through the window: a photo loaded and opened as the chooser's OK opens it
    // (the photo box, the sample and the split of the current grid).
    QTemporaryDir ayarlar;
    AyarKlasörünüKur(ayarlar.path());
    UygulamaAdı = QStringLiteral("Nuv Zovevav\\Mozeta-Tr");
    HataKapanı::BildiriciKur(
        [](const ÇalışmaHatası &hata) { std::fprintf(stderr, "error %d\n", hata.Numara()); });
    AnaForm form;
    // The three grid options, in the window's order.
    const QList<QRadioButton *> seçenekler = form.findChildren<QRadioButton *>();
    for (int seçim = 0; seçim <= 2; ++seçim) {
        seçenekler.at(seçim)->click();
        const double süre =
            Ölç(tekrar, [&] { form.FotoğrafıAç(yol, LoadPicture(yol, OyunİçinEnAzBoyut)); });
        std::printf("(c) window: load, sample, split %d x %d        %7.1f ms  = %.2f x (a)\n",
                    seçim + 3, seçim + 3, süre, süre / tamÇözme);
    }

    // (d) A full repaint of the board as the window shows it, every piece cut as it is drawn.
    auto *tahta = form.findChild<TahtaCizimi *>();
    QImage hedef(tahta->size(), QImage::Format_RGB32);
    for (int seçim = 0; seçim <= 2; ++seçim) {
        seçenekler.at(seçim)->click();
        const double süre = Ölç(tekrar, [&] { tahta->render(&hedef); });
        std::printf("(d) window: full board repaint %d x %d        %7.2f ms\n", seçim + 3,
                    seçim + 3, süre);
    }
    return 0;
}
