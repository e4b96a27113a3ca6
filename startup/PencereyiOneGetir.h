// SPDX-License-Identifier: GPL-3.0-or-later
// Bringing the running copy's window forward when a later start asks for it.
#pragma once

#include <QString>

class QWidget;

// Shows the window normally (restored when minimised), raises and activates it. `jeton` is the
// desktop's activation token the later start was launched with (empty when none): Wayland
// (XDG activation) and X11 (startup notification) let a window come forward with it.
void PencereyiÖneGetir(QWidget &pencere, const QString &jeton);

// Hands the platform the activation token for the next window it shows or activates.
void EtkinleştirmeJetonunuVer(const QString &jeton);
