// SPDX-License-Identifier: GPL-3.0-or-later
// The sound player: its libraries, which cost every start memory and time, load at the first sound.
#include "game/SesOynatici.h"

#include <QtTest>

using namespace Qt::Literals::StringLiterals;

namespace {
bool Yüklü(const char *kitaplık) {
    QFile haritalar(u"/proc/self/maps"_s);
    return haritalar.open(QIODevice::ReadOnly) && haritalar.readAll().contains(kitaplık);
}
} // namespace

class SoundTest : public QObject {
    Q_OBJECT

private slots:
    void soundLibrariesLoadAtTheFirstSound() {
        SesOynatıcı ses;
        QVERIFY(!Yüklü("mozeta-ses") && !Yüklü("libQt6Multimedia"));
        ses.AygıtVarMı();
        QVERIFY(Yüklü("mozeta-ses") && Yüklü("libQt6Multimedia"));
    }
};

QTEST_MAIN(SoundTest)
#include "ses_test.moc"
