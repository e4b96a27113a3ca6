// SPDX-License-Identifier: GPL-3.0-or-later
// The program's one error policy: every routine runs its steps under exactly one of three styles.
//
//  - BildirVeDevamEt (report and continue): a failing step is shown in the error report; the
//    player either goes on with the next step or ends the program at once.
//  - YoksayVeDevamEt (ignore and continue): a failing step is skipped silently.
//  - Local recovery: Kurtar() runs a step and, when it fails, its own fall-back.
//
// A step fails by throwing ÇalışmaHatası; any other std::exception counts as internal error 51.
#pragma once

#include "toolkit/CalismaHatasi.h"

#include <functional>
#include <utility>

enum class HataTarzı { BildirVeDevamEt, YoksayVeDevamEt };

class HataKapanı {
public:
    // Shows the error report; returns only when the player chooses to go on. Installed at
    // start-up (the error report dialog); tests replace it.
    using Bildirici = std::function<void(const ÇalışmaHatası &)>;
    static void BildiriciKur(Bildirici bildirici);

    explicit HataKapanı(HataTarzı tarz) : tarz_(tarz) {}

    // Runs one step under this trap's style. Returns true when the step ran without error.
    template <class Adım> bool operator()(Adım &&adım) {
        try {
            std::forward<Adım>(adım)();
            return true;
        } catch (const ÇalışmaHatası &hata) {
            Yakala(hata);
        } catch (const std::exception &) {
            Yakala(ÇalışmaHatası(ÇalışmaHatası::İçHata));
        }
        return false;
    }

    // Local recovery: runs `adım`; when it fails, runs `kurtarma` with the error instead.
    template <class Adım, class Kurtarma> static void Kurtar(Adım &&adım, Kurtarma &&kurtarma) {
        try {
            std::forward<Adım>(adım)();
        } catch (const ÇalışmaHatası &hata) {
            std::forward<Kurtarma>(kurtarma)(hata);
        } catch (const std::exception &) {
            std::forward<Kurtarma>(kurtarma)(ÇalışmaHatası(ÇalışmaHatası::İçHata));
        }
    }

private:
    void Yakala(const ÇalışmaHatası &hata);

    HataTarzı tarz_;
};
