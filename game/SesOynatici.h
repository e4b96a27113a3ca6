// The game's three sounds ("DUR", "TAMAM", "TEBRIK"), played asynchronously from memory.
#pragma once

#include <QString>
#include <functional>
#include <memory>

class SesOynatıcı {
public:
    SesOynatıcı();
    ~SesOynatıcı();

    // Plays the named sound, replacing one still playing. Does nothing when there is no audio
    // output. The audio objects are made at the first sound, never at start-up.
    void Çal(const QString &ad);

    // Tests: whether an audio output exists (default: Qt's list of outputs) and what was played.
    std::function<bool()> AygıtVarMı;
    std::function<void(const QString &)> Çalındı;

private:
    struct İç;
    std::unique_ptr<İç> iç_;
};
