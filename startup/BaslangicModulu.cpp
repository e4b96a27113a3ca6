// The start-up sequence (stub: to be written).
#include "startup/BaslangicModulu.h"

#include "game/AnaForm.h"
#include "resources/DizgiTablosu.h"

#include <QApplication>

QString PencereBaşlığı(int major, int minor, int revision) {
    return LoadResString(10) + QStringLiteral(" %1.%2%3").arg(major).arg(minor).arg(revision);
}
QString PencereBaşlığı() { return PencereBaşlığı(MOZETA_MAJOR, MOZETA_MINOR, MOZETA_REVISION); }

bool SürümKabulEdilirMi(unsigned, unsigned, const QString &) { return true; }

int Main(int argc, char **argv) {
    QApplication uygulama(argc, argv);
    AnaForm anaForm;
    anaForm.Form_Load();
    return uygulama.exec();
}
