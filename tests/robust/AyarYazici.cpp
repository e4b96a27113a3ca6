// The crash-safety test's writer: saves generation after generation of a large settings
// document, announcing each save on standard output as it begins and once it is on disk, until
// it is killed.
// Usage: robust_ayar_yazici <settings folder>
#include "tests/robust/NesilBelgesi.h"
#include "toolkit/CalismaHatasi.h"

#include <cstdio>

int main(int argc, char **argv) {
    if (argc != 2)
        return 2;
    AyarKlasörünüKur(QString::fromLocal8Bit(argv[1]));
    int nesil = GetSetting(NesilUygulaması, QStringLiteral("Ayarlar"), QStringLiteral("Nesil"),
                           QStringLiteral("0"))
                    .toInt();
    for (;;) {
        ++nesil;
        // "+n" as a save begins, "n" once it is on disk: the test sees where each kill fell.
        std::printf("+%d\n", nesil);
        std::fflush(stdout);
        NesliKaydet(nesil); // a failure ends the writer with an exception: the test sees it
        std::printf("%d\n", nesil);
        std::fflush(stdout);
    }
}
