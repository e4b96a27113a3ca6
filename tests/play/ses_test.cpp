// SPDX-License-Identifier: GPL-3.0-or-later
// The sound player: its libraries, which cost every start memory and time, load at the first sound.
#include "game/SesOynatici.h"
#include "tests/ortak/Yardimcilar.h"

#include <QtTest>

class SoundTest : public QObject {
    Q_OBJECT

private slots:
    void soundLibrariesLoadAtTheFirstSound() {
        SesOynatıcı ses;
        QVERIFY(!Eşlenmiş("mozeta-ses") && !Eşlenmiş("libQt6Multimedia"));
        ses.AygıtVarMı();
        QVERIFY(Eşlenmiş("mozeta-ses") && Eşlenmiş("libQt6Multimedia"));
    }
};

QTEST_MAIN(SoundTest)
#include "ses_test.moc"
