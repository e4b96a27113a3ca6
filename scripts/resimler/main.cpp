// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the icon "1PROGRAM" and the sample photos into the resources folder given as argument.
#include <QDir>
#include <QGuiApplication>
#include <cstdio>

bool SimgeleriÇiz(const QString &klasör);
bool ManzarayıÇiz(const QString &yol);
bool LimanıÇiz(const QString &yol);

int main(int argc, char **argv) {
    QGuiApplication uygulama(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: resim-uretici RESOURCES-FOLDER\n");
        return 2;
    }
    const QString kök = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(kök + "/icons");
    QDir().mkpath(kök + "/samples");
    bool tamam = SimgeleriÇiz(kök + "/icons");
    tamam &= ManzarayıÇiz(kök + "/samples/Sample-1.jpg");
    tamam &= LimanıÇiz(kök + "/samples/Sample-2.jpg");
    return tamam ? 0 : 1;
}
