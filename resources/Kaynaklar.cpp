// SPDX-License-Identifier: GPL-3.0-or-later
// The program's own media embedded in the executable: the three sounds and the icon "1PROGRAM".
#include "resources/Kaynaklar.h"

#include "toolkit/CalismaHatasi.h"

#include <QFile>

QByteArray LoadResData(const QString &ad) {
    QFile dosya(QStringLiteral(":/sounds/") + ad + QStringLiteral(".wav"));
    if (ad.isEmpty() || !dosya.open(QIODevice::ReadOnly))
        throw ÇalışmaHatası(ÇalışmaHatası::KaynakBulunamadı);
    return dosya.readAll();
}

QString SesKaynağıUrl(const QString &ad) {
    return QStringLiteral("qrc:/sounds/") + ad + QStringLiteral(".wav");
}

QIcon ProgramSimgesi() {
    QIcon simge;
    for (int boyut : {16, 32, 48})
        simge.addFile(QStringLiteral(":/icons/mozeta-%1.png").arg(boyut), QSize(boyut, boyut));
    return simge;
}
