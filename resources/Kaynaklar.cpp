// SPDX-License-Identifier: GPL-3.0-or-later
// The program's own media embedded in the executable: the three sounds and the icon "1PROGRAM".
#include "resources/Kaynaklar.h"

#include "toolkit/BilinenBicim.h"
#include "toolkit/CalismaHatasi.h"

#include <QFile>
#include <QPixmap>

QString SesAdı(Ses ses) {
    switch (ses) {
    case Ses::Dur:
        return QStringLiteral("DUR");
    case Ses::Tamam:
        return QStringLiteral("TAMAM");
    case Ses::Tebrik:
        return QStringLiteral("TEBRIK");
    }
    return {};
}

QByteArray LoadResData(Ses ses) {
    QFile dosya(QStringLiteral(":/sounds/") + SesAdı(ses) + QStringLiteral(".wav"));
    if (!dosya.open(QIODevice::ReadOnly))
        throw ÇalışmaHatası(ÇalışmaHatası::KaynakBulunamadı);
    return dosya.readAll();
}

QString SesKaynağıUrl(Ses ses) {
    return QStringLiteral("qrc:/sounds/") + SesAdı(ses) + QStringLiteral(".wav");
}

QIcon ProgramSimgesi() {
    QIcon simge;
    for (int boyut : {16, 32, 48})
        simge.addPixmap(QPixmap::fromImage(
            BilinenBiçimdeOku(QStringLiteral(":/icons/mozeta-%1.png").arg(boyut), "png")));
    return simge;
}
