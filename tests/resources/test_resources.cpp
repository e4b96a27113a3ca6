// SPDX-License-Identifier: GPL-3.0-or-later
// The sounds the sound module brings: once it is loaded, Qt Multimedia decodes each from the
// address the game plays it from. Before, the executable has none of them.
#include "resources/Kaynaklar.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibrary>
#include <QSoundEffect>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

class ResourcesTest : public QObject {
    Q_OBJECT

private slots:
    void sounds() {
        QVERIFY(!QFile::exists(u":/sounds/DUR.wav"_s));
        QLibrary modül(QCoreApplication::applicationDirPath() + u"/mozeta-ses"_s);
        QVERIFY2(modül.load(), qPrintable(modül.errorString()));
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
