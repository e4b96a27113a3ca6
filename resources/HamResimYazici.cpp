// SPDX-License-Identifier: GPL-3.0-or-later
// Build tool: writes a PNG as a raw picture (toolkit/HamResim.h) for the executable's resources.
//
// Usage: mozeta-ham-resim INPUT OUTPUT, where INPUT is a PNG file or one of Qt's own resources
// (":/qt-project.org/..."), read as the style reads it.
#include "toolkit/HamResim.h"

#include <QFileInfo>
#include <QImageReader>
#include <QSaveFile>
#include <QStyle>
#include <cstdio>

int main(int argc, char **argv) {
    if (argc != 3) {
        std::fputs("usage: mozeta-ham-resim INPUT OUTPUT\n", stderr);
        return 2;
    }
    // The style's pictures are resources of QtWidgets, registered when it loads: a use of one of
    // its classes keeps it linked.
    static const QMetaObject *volatile stil = &QStyle::staticMetaObject;
    (void)stil;

    const QString giriş = QString::fromLocal8Bit(argv[1]);
    QImageReader okuyucu(giriş, "png");
    okuyucu.setAutoDetectImageFormat(false);
    const QByteArray ham = HamResimBaytları(okuyucu.read(), QFileInfo(giriş).size());
    if (ham.isEmpty()) {
        std::fprintf(stderr, "mozeta-ham-resim: %s: %s\n", argv[1],
                     qPrintable(okuyucu.errorString()));
        return 1;
    }
    QSaveFile çıktı(QString::fromLocal8Bit(argv[2]));
    if (!çıktı.open(QIODevice::WriteOnly) || çıktı.write(ham) != ham.size() || !çıktı.commit()) {
        std::fprintf(stderr, "mozeta-ham-resim: %s: %s\n", argv[2],
                     qPrintable(çıktı.errorString()));
        return 1;
    }
    return 0;
}
