// SPDX-License-Identifier: GPL-3.0-or-later
// The X11 start-up notification of a start that a running copy answers for.
#pragma once

#include <QByteArray>
#include <QString>

class QWidget;

// The launcher announced a start with `kimlik` ("new:") and the running copy's window answers
// it: the window carries the id, so that the window manager lets it come forward as the start's
// window. False when the display is not X11, or the id is not one a launcher makes (empty, or
// longer than any launcher's); nothing is then done.
bool BaşlangıçKimliğiniTaşı(QWidget &pencere, const QString &kimlik);

// Tells the launcher and the desktop that the start with `kimlik` is complete, so that their
// "starting" feedback ends now rather than at its own time-out.
void BaşlangıcıTamamla(QWidget &pencere, const QString &kimlik);

// The message that completes the start: "remove: ID=" and the id with its spaces, quotes and
// backslashes escaped, ending in a zero byte.
QByteArray TamamlamaMesajı(const QString &kimlik);
