// SPDX-License-Identifier: GPL-3.0-or-later
// Why a window is asked to close: the user's own close command, or anything else.
#pragma once

class QCloseEvent;

enum class KapanmaNedeni {
    KullanıcıKomutu, // close box, window menu, Alt+F4: the window system asked
    Diğer,           // the program itself (exit button, Esc), the session ending, ...
};

// A close event that came from the window system is the user's own command; one the program
// raised with close() is not.
KapanmaNedeni KapanmaNedeniniBul(const QCloseEvent &olay);
