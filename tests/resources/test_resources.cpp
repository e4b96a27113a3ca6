// SPDX-License-Identifier: GPL-3.0-or-later
// The embedded sounds: Qt Multimedia decodes each from the address the game plays it from.
#include "resources/Kaynaklar.h"

#include <QSoundEffect>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

class ResourcesTest : public QObject {
    Q_OBJECT

private slots:
    void sounds() {
        for (Ses ad : {Ses::Dur, Ses::Tamam, Ses::Tebrik}) {
            QSoundEffect ses;
            ses.setSource(QUrl(SesKaynağıUrl(ad)));
            // Loading takes a fraction of a second; sixty seconds only catch a load that hangs.
            QTRY_VERIFY_WITH_TIMEOUT(
                ses.status() != QSoundEffect::Loading && ses.status() != QSoundEffect::Null, 60000);
            QCOMPARE(ses.status(), QSoundEffect::Ready);
        }
    }
};

QTEST_MAIN(ResourcesTest)
#include "test_resources.moc"
