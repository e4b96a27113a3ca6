// SPDX-License-Identifier: GPL-3.0-or-later
// The program's media: the pictures it keeps as raw pixels, and the sounds the sound module
// brings.
#include "resources/Kaynaklar.h"
#include "toolkit/StilResimleri.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibrary>
#include <QPixmap>
#include <QPixmapCache>
#include <QSoundEffect>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

class ResourcesTest : public QObject {
    Q_OBJECT

private slots:
    // Each raw picture shows as the PNG it was made from: the icon's, and the style's frame,
    // which it finds in the cache.
    void pictures() {
        for (int boyut : {16, 32, 48}) {
            const QImage png(QStringLiteral(MOZETA_SIMGELER "/mozeta-%1.png").arg(boyut));
            QCOMPARE(ProgramSimgesi().pixmap(boyut).toImage(), QPixmap::fromImage(png).toImage());
        }
        const auto çerçeve = u":/qt-project.org/styles/commonstyle/images/fusion_groupbox.png"_s;
        StilResimleriniHazırla();
        const QImage hazır = QPixmap(çerçeve).toImage();
        QPixmapCache::clear();
        QCOMPARE(hazır, QPixmap(çerçeve).toImage());
    }

    // Once the module is loaded, Qt Multimedia decodes each sound from the address the game
    // plays it from. Before, the executable has none of them.
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
