// SPDX-License-Identifier: GPL-3.0-or-later
// The game's three sounds, played asynchronously from memory.
#pragma once

#include "resources/Kaynaklar.h"

#include <functional>
#include <memory>

class SesOynatıcı {
public:
    SesOynatıcı();
    ~SesOynatıcı();

    // Plays the sound, replacing one still playing. Does nothing when there is no audio
    // output. The audio objects are made at the first sound, never at start-up.
    void Çal(Ses ses);

    // Whether an audio output exists. By default Qt's list of outputs, asked once at the first
    // sound; tests replace it to force a machine with or without sound.
    std::function<bool()> AygıtVarMı;
    // Called with every sound that starts (tests watch what the player hears).
    std::function<void(Ses)> Çalındı;

private:
    struct İç;
    std::unique_ptr<İç> iç_;
};
