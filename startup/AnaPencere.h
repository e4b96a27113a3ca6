// SPDX-License-Identifier: GPL-3.0-or-later
// What start-up needs of the main window, which the game provides: its load, its window and
// opening a photo.
#pragma once

#include "toolkit/ResimYukleyici.h"

#include <QString>
#include <memory>
#include <optional>

class QWidget;

class AnaPencere {
public:
    virtual ~AnaPencere() = default;

    // The window's load: it fills itself, restores the player's preferences and game and
    // becomes visible.
    virtual void Form_Load() = 0;
    virtual QWidget &Pencere() = 0;
    // Takes `yol` as the photo to play with, as the chooser's OK does; `yüklü` is its picture
    // when the chooser has decoded it already. Without it the photo comes from outside: a file
    // that is not a readable photo is refused with a box that names it and says why, a game in
    // progress is replaced only when the player agrees, and otherwise the board keeps what it
    // had.
    virtual void FotoğrafıAç(const QString &yol, const std::optional<Fotoğraf> &yüklü = {}) = 0;
};

// Creates the main window; the game defines it.
std::unique_ptr<AnaPencere> AnaPencereyiYarat();
