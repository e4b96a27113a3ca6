// SPDX-License-Identifier: GPL-3.0-or-later
// The sound module: one QSoundEffect per sound, made at its first use. Built as a library of its
// own and loaded by the game at the first sound.
#include "game/SesCalici.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <map>
#include <memory>

namespace {

class QtSesÇalıcısı final : public SesÇalıcı {
public:
    bool AygıtVarMı() override { return !QMediaDevices::audioOutputs().isEmpty(); }

    void Çal(const QUrl &kaynak) override {
        auto &ses = sesler_[kaynak];
        if (!ses) {
            ses = std::make_unique<QSoundEffect>();
            ses->setSource(kaynak);
        }
        // The sound still playing is cut short: its samples belong to its own effect, so
        // nothing it reads is released by the new one.
        if (çalan_)
            çalan_->stop();
        ses->play();
        çalan_ = ses.get();
    }

private:
    std::map<QUrl, std::unique_ptr<QSoundEffect>> sesler_;
    QSoundEffect *çalan_ = nullptr;
};

} // namespace

extern "C" Q_DECL_EXPORT SesÇalıcı *mozeta_ses_calici_yap() { return new QtSesÇalıcısı; }
