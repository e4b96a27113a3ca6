// Runs a step in a forked child with a deadline, so that a step that blocks (opening a FIFO,
// reading a device) or eats memory fails its test instead of hanging or swelling the suite.
#pragma once

#include <QByteArray>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

struct ÇocukSonucu {
    bool takıldı = false; // still running at the deadline, then killed
    bool bitti = false;   // returned normally (no crash, no signal)
    QByteArray çıktı;     // what the step returned
};

// Runs `adım` (returning a QByteArray) in a child and hands back what it returned. A child still
// running after `süre` is killed.
template <class Adım> ÇocukSonucu ÇocuktaÇalıştır(Adım &&adım, std::chrono::milliseconds süre) {
    ÇocukSonucu sonuç;
    int boru[2];
    if (pipe2(boru, O_CLOEXEC) != 0)
        return sonuç;
    const pid_t çocuk = fork();
    if (çocuk < 0)
        return sonuç;
    if (çocuk == 0) {
        close(boru[0]);
        const QByteArray çıktı = adım();
        for (qsizetype yazılan = 0; yazılan < çıktı.size();) {
            const auto n =
                write(boru[1], çıktı.constData() + yazılan, size_t(çıktı.size() - yazılan));
            if (n <= 0)
                break;
            yazılan += n;
        }
        _exit(0); // no exit handlers: the parent's objects are not the child's to tear down
    }
    close(boru[1]);
    fcntl(boru[0], F_SETFL, O_NONBLOCK);
    const auto son = std::chrono::steady_clock::now() + süre;
    int durum = 0;
    auto oku = [&] {
        char parça[4096];
        for (ssize_t n; (n = read(boru[0], parça, sizeof parça)) > 0;)
            sonuç.çıktı.append(parça, n);
    };
    while (waitpid(çocuk, &durum, WNOHANG) == 0) {
        oku();
        if (std::chrono::steady_clock::now() > son) {
            kill(çocuk, SIGKILL);
            waitpid(çocuk, &durum, 0);
            sonuç.takıldı = true;
            close(boru[0]);
            return sonuç;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    oku();
    close(boru[0]);
    sonuç.bitti = WIFEXITED(durum) && WEXITSTATUS(durum) == 0;
    return sonuç;
}
