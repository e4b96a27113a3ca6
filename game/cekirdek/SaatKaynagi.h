// SPDX-License-Identifier: GPL-3.0-or-later
// What counts the seconds of a running game: a one-second timer, or a test's own hand.
#pragma once

#include <functional>
#include <memory>

class SaatKaynağı {
public:
    virtual ~SaatKaynağı() = default;
    virtual void Çalıştır(bool çalışsın) = 0;
    // Called once a second while it runs.
    std::function<void()> Saniye;
};

// The game's clock: a timer of one second on the thread that makes it.
std::unique_ptr<SaatKaynağı> SaniyeSaati();
