// SPDX-License-Identifier: GPL-3.0-or-later
// The floor of any Qt 6 Widgets game: a main window with one label, the game window's size.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>

int main(int argc, char **argv) {
    QApplication uygulama(argc, argv);
    QMainWindow pencere;
    pencere.setCentralWidget(new QLabel(QStringLiteral("Mozeta"), &pencere));
    pencere.setFixedSize(634, 413);
    pencere.show();
    return uygulama.exec();
}
