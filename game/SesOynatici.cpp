// SPDX-License-Identifier: GPL-3.0-or-later
// The sounds, played through the sound module, which is loaded at the first sound and only on a
// machine with sound.
#include "game/SesOynatici.h"

#include "game/SesCalici.h"
#include "resources/Kaynaklar.h"

#include <QCoreApplication>
#include <QLibrary>
#include <optional>

struct SesOynatıcı::İç {
    std::optional<bool> aygıtVar; // the module's answer, asked once
    std::unique_ptr<SesÇalıcı> çalıcı;
    bool modülArandı = false;

    // The module lives beside the executable and is looked for nowhere else: a folder named at
    // build time could be anyone's once the game is installed.
    SesÇalıcı *Çalıcı() {
        if (modülArandı)
            return çalıcı.get();
        modülArandı = true;
        QLibrary modül(QCoreApplication::applicationDirPath() + QStringLiteral("/mozeta-ses"));
        if (auto yap = reinterpret_cast<SesÇalıcısıYapan>(modül.resolve(MOZETA_SES_GIRISI))) {
            çalıcı.reset(yap()); // the library stays loaded: QLibrary never unloads by itself
            return çalıcı.get();
        }
        qWarning("Mozeta: the sound module was not found; the game plays without sound");
        return nullptr;
    }
};

SesOynatıcı::SesOynatıcı() : iç_(std::make_unique<İç>()) {
    // Asking for the outputs costs a round trip to the sound server, so it waits for the first
    // sound; a machine without one never makes a sound effect (each would warn).
    AygıtVarMı = [iç = iç_.get()] {
        if (!iç->aygıtVar)
            iç->aygıtVar = iç->Çalıcı() && iç->Çalıcı()->AygıtVarMı();
        return *iç->aygıtVar;
    };
}

SesOynatıcı::~SesOynatıcı() = default;

void SesOynatıcı::Çal(Ses ses) {
    if (!AygıtVarMı || !AygıtVarMı())
        return;
    if (SesÇalıcı *çalıcı = iç_->Çalıcı())
        çalıcı->Çal(QUrl(SesKaynağıUrl(ses)));
    if (Çalındı)
        Çalındı(ses);
}
