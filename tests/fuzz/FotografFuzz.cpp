// Fuzz target: photo files. Whatever bytes a file named like a photo holds, the check for a
// picture cut short and the picture loader end in a picture or in ÇalışmaHatası, never in a
// crash, and a picture that comes is never larger than the loader allows.
#include "tests/fuzz/FuzzGirdisi.h"
#include "toolkit/HataPolitikasi.h"
#include "toolkit/ResimYukleyici.h"
#include "toolkit/YarimResim.h"

#include <QCoreApplication>
#include <QFile>
#include <unistd.h>

namespace {

// One file for every run, in memory-backed storage where there is one.
const QString &Deneme() {
    static const QString yol = [] {
        const QString klasör = QFile::exists(QStringLiteral("/dev/shm"))
                                   ? QStringLiteral("/dev/shm")
                                   : QStringLiteral("/tmp");
        return klasör + QStringLiteral("/mozeta-fuzz-%1.jpg").arg(getpid());
    }();
    return yol;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv) {
    // The JPEG decoder is a plugin: Qt looks for plugins once an application object exists.
    static QCoreApplication uygulama(*argc, *argv);
    std::atexit([] { QFile::remove(Deneme()); });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *veri, std::size_t boyut) {
    {
        QFile dosya(Deneme());
        if (!dosya.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        dosya.write(reinterpret_cast<const char *>(veri), qint64(boyut));
    }
    YarımResimMi(Deneme());
    HataKapanı::Kurtar(
        [&] {
            const Fotoğraf foto = LoadPicture(Deneme(), OyunİçinEnAzBoyut);
            FuzzGerekli(!foto.Resim.isNull() && foto.Resim.width() <= EnBüyükKenar &&
                            foto.Resim.height() <= EnBüyükKenar,
                        "a picture beyond the limits came through", [&] {
                            return FuzzGöster(
                                QByteArray(reinterpret_cast<const char *>(veri), qsizetype(boyut)));
                        });
        },
        [](const ÇalışmaHatası &) {});
    return 0;
}
