// SPDX-License-Identifier: GPL-3.0-or-later
// The program's own media: the icon "1PROGRAM" and the names of the sounds.
#include "resources/Kaynaklar.h"

#include "toolkit/HamResim.h"

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

QString SesKaynağıUrl(Ses ses) {
    return QStringLiteral("qrc:/sounds/") + SesAdı(ses) + QStringLiteral(".wav");
}

QIcon ProgramSimgesi() {
    QIcon simge;
    for (int boyut : {16, 32, 48})
        simge.addPixmap(QPixmap::fromImage(
            HamResmiOku(QStringLiteral(":/icons/mozeta-%1.ham").arg(boyut)).Resim));
    return simge;
}
