// The sounds: one QSoundEffect per sound, made at its first use and only on a machine with sound.
#include "game/SesOynatici.h"

#include "resources/Kaynaklar.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <map>
#include <optional>

struct SesOynatıcı::İç {
    std::optional<bool> aygıtVar; // Qt's answer, asked once
    std::map<QString, std::unique_ptr<QSoundEffect>> sesler;
    QSoundEffect *çalan = nullptr;
};

SesOynatıcı::SesOynatıcı() : iç_(std::make_unique<İç>()) {
    // Asking Qt for the outputs costs a round trip to the sound server, so it waits for the
    // first sound; a machine without one never makes a QSoundEffect (each would warn).
    AygıtVarMı = [iç = iç_.get()] {
        if (!iç->aygıtVar)
            iç->aygıtVar = !QMediaDevices::audioOutputs().isEmpty();
        return *iç->aygıtVar;
    };
}

SesOynatıcı::~SesOynatıcı() = default;

void SesOynatıcı::Çal(const QString &ad) {
    if (!AygıtVarMı || !AygıtVarMı())
        return;

    auto &ses = iç_->sesler[ad];
    if (!ses) {
        ses = std::make_unique<QSoundEffect>();
        ses->setSource(QUrl(SesKaynağıUrl(ad)));
    }

    // The sound still playing is cut short: its samples belong to its own effect, so nothing
    // it reads is released by the new one.
    if (iç_->çalan)
        iç_->çalan->stop();
    ses->play();
    iç_->çalan = ses.get();

    if (Çalındı)
        Çalındı(ad);
}
