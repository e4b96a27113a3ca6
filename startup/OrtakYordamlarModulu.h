// SPDX-License-Identifier: GPL-3.0-or-later
// Routines shared by every window: the error report, centred message boxes, window texts from
// the string table and the path test.
#pragma once

#include "toolkit/CalismaHatasi.h"

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <functional>
#include <optional>

class QWidget;

// Hands the toolkit what the program's message boxes show of their own: the error report for
// failing steps, and the Turkish button texts and title. Called once at start-up.
void OrtakHizmetleriKur();

// The error report: shows the error's number and description; returns when the player answers
// "Evet", ends the process at once (no close handler runs, nothing is saved) on "Hayır".
void HataRaporu(const ÇalışmaHatası &hata);

// The text of the error report for `hata`, as the player sees it.
QString HataRaporuMetni(const ÇalışmaHatası &hata);

// Ends the process at once with exit code 0: no close handler runs, nothing is saved. Tests
// replace it to see that the error report's "Hayır" reaches it.
extern std::function<void()> SüreciBitir;

// Makes the next message box appear centred on the window active now (the primary screen when
// none is). Call it immediately before each MsgBox.
void MesajıOrtala();

// Where a box of size `kutu` goes so that it is centred on the outer rectangle `sahip`; empty
// when any edge of `sahip` is negative (the box then stays where the toolkit put it).
std::optional<QPoint> OrtalanmışKonum(const QRect &sahip, const QSize &kutu);

// Replaces the string identifiers standing as captions of a window's controls by their texts.
void FormuYerelleştir(QWidget *form);

// True when `yol` names an existing file or folder.
bool YolVarMı(const QString &yol);
