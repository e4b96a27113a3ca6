// SPDX-License-Identifier: GPL-3.0-or-later
// The texts a message box shows of its own: the Turkish texts of the standard buttons (also
// when Qt's own catalogue is missing) and the application title of a box without a title.
#pragma once

#include <QString>

QString EvetDüğmesiMetni();
QString HayırDüğmesiMetni();
QString TamamDüğmesiMetni();

// "Mozeta". Kept apart from QGuiApplication's display name, which X11 would append to the
// title of every window.
QString UygulamaBaşlığı();
