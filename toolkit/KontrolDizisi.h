// SPDX-License-Identifier: GPL-3.0-or-later
// A control array: controls addressed by index, loaded at run time from element 0 and unloaded
// without renumbering the others.
#pragma once

#include "toolkit/CalismaHatasi.h"

#include <functional>
#include <map>

template <class Kontrol> class KontrolDizisi {
public:
    // Makes a new element from element 0: same parent and design values, hidden.
    using Kopyalayıcı = std::function<Kontrol *(Kontrol *örnek)>;

    KontrolDizisi() = default;
    KontrolDizisi(Kontrol *sıfırıncı, Kopyalayıcı kopyalayıcı) : kopyala_(std::move(kopyalayıcı)) {
        elemanlar_[0] = sıfırıncı;
    }

    // The element at `dizin`; ÇalışmaHatası 340 ("control array element does not exist")
    // when it is not loaded.
    Kontrol *operator()(int dizin) const {
        const auto bulunan = elemanlar_.find(dizin);
        if (bulunan == elemanlar_.end())
            throw ÇalışmaHatası(340, QStringLiteral(u"Denetim dizisi öğesi yok"));
        return bulunan->second;
    }

    bool Var(int dizin) const { return elemanlar_.count(dizin) != 0; }
    int Count() const { return static_cast<int>(elemanlar_.size()); }

    // Loads element `dizin` as a hidden copy of element 0; error 360 when it is loaded already.
    Kontrol *Load(int dizin) {
        if (Var(dizin))
            throw ÇalışmaHatası(360, QStringLiteral(u"Nesne zaten yüklü"));
        Kontrol *yeni = kopyala_((*this)(0));
        yeni->hide();
        elemanlar_[dizin] = yeni;
        return yeni;
    }

    // Unloads element `dizin` (not element 0, which exists from design time).
    void Unload(int dizin) {
        if (dizin == 0 || !Var(dizin))
            throw ÇalışmaHatası(362, QStringLiteral(u"Tasarım sırasında oluşturulan denetim "
                                                    u"kaldırılamaz"));
        delete elemanlar_[dizin];
        elemanlar_.erase(dizin);
    }

    // Loaded elements in ascending index order.
    template <class İşlev> void HerBiri(İşlev &&işlev) const {
        for (const auto &[dizin, kontrol] : elemanlar_)
            işlev(dizin, kontrol);
    }

private:
    std::map<int, Kontrol *> elemanlar_;
    Kopyalayıcı kopyala_;
};
