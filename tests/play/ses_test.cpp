// SPDX-License-Identifier: GPL-3.0-or-later
// The sound player: its libraries load at the first sound, and without an audio output nothing is
// played and nothing is logged.
#include "game/SesOynatici.h"

#include <QFile>
#include <QtTest>

using namespace Qt::Literals::StringLiterals;

namespace {
bool Yüklü(const char *kitaplık) {
    QFile haritalar(u"/proc/self/maps"_s);
    return haritalar.open(QIODevice::ReadOnly) && haritalar.readAll().contains(kitaplık);
}

QStringList uyarılar;
void UyarıTopla(QtMsgType tür, const QMessageLogContext &, const QString &metin) {
    if (tür != QtDebugMsg)
        uyarılar << metin;
}
} // namespace

class SoundTest : public QObject {
    Q_OBJECT

private slots:
    // The sound libraries cost every start memory and time, so the module that links them is
    // loaded at the first sound, never by making the player.
    void soundLibrariesLoadAtTheFirstSound() {
        SesOynatıcı ses;
        QVERIFY(!Yüklü("mozeta-ses") && !Yüklü("libQt6Multimedia"));
        ses.AygıtVarMı();
        QVERIFY(Yüklü("mozeta-ses") && Yüklü("libQt6Multimedia"));
    }

    void noDeviceNoSound() {
        SesOynatıcı ses;
        QStringList çalınan;
        ses.Çalındı = [&](const QString &ad) { çalınan << ad; };
        ses.AygıtVarMı = [] { return false; };
        const auto önceki = qInstallMessageHandler(UyarıTopla);
        for (int kez = 0; kez < 20; ++kez)
            ses.Çal(kez % 2 ? u"TAMAM"_s : u"DUR"_s);
        qInstallMessageHandler(önceki);
        QVERIFY(çalınan.isEmpty());
        QVERIFY2(uyarılar.isEmpty(), qPrintable(uyarılar.join(u'\n')));
    }
};

QTEST_MAIN(SoundTest)
#include "ses_test.moc"
