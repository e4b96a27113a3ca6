// SPDX-License-Identifier: GPL-3.0-or-later
// Design captions that stand for string-table entries ("2500"), turned into their texts.
#pragma once

#include <QString>

// The caption read as a 16-bit integer: blanks around it allowed, a fraction rounded half to even.
// ÇalışmaHatası 13 when it is not a number, 6 when it is out of range.
int DizgiKimliği(const QString &başlık);

// The string-table text the caption stands for; throws like DizgiKimliği and LoadResString.
QString KimliğinMetni(const QString &başlık);
