// SPDX-License-Identifier: GPL-3.0-or-later
// What the sound module offers the game. The module alone links Qt Multimedia, so the sound
// libraries are loaded at the first sound instead of at every start.
#pragma once

#include <QUrl>

class SesÇalıcı {
public:
    virtual ~SesÇalıcı() = default;
    // Whether the machine has an audio output (asks the sound server: a round trip).
    virtual bool AygıtVarMı() = 0;
    // Plays the sound at `kaynak`, cutting short the one still playing.
    virtual void Çal(const QUrl &kaynak) = 0;
};

// The module's one entry point: a new player, owned by the caller.
using SesÇalıcısıYapan = SesÇalıcı *(*)();
#define MOZETA_SES_GIRISI "mozeta_ses_calici_yap"
