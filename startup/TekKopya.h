// SPDX-License-Identifier: GPL-3.0-or-later
// One copy of the game per user session: the first copy owns the program's name on the D-Bus
// session bus and answers org.freedesktop.Application; a later copy hands it its request and
// ends. Without a session bus a lock file in the runtime folder still refuses a second copy.
#pragma once

#include <QString>
#include <functional>
#include <memory>

class ApplicationInterface;
class QLockFile;

class TekKopya {
public:
    // The bus name (the desktop entry's id) and the object path of the running copy.
    static const QString BusAdı;
    static const QString NesneYolu;

    // What the running copy does when a later copy asks: bring its window forward (with the
    // desktop's activation token, possibly empty), open a photo.
    struct İstekler {
        std::function<void(const QString &jeton)> ÖneGetir;
        std::function<void(const QString &yol)> FotoğrafıAç;
    };

    TekKopya();
    ~TekKopya();
    TekKopya(const TekKopya &) = delete;
    TekKopya &operator=(const TekKopya &) = delete;

    // True when this copy is the running one from now on. Otherwise another copy runs: it has
    // been asked to come forward (and to open `fotoğraf`, a full path or a URI, unless empty),
    // passing the token this copy was started with; or, without a bus, it could not be asked;
    // or it did not answer within YanıtSüresi (Yanıtsız()).
    bool İlkKopyaOl(const QString &fotoğraf, const QString &etkinleştirmeJetonu,
                    const QString &başlangıçKimliği);
    // The running copy owns the bus name but did not answer: stopped, or hung.
    bool Yanıtsız() const { return yanıtsız_; }

    // How long a later start waits for the running copy's answer, in milliseconds.
    static constexpr int YanıtSüresi = 5000;

    // Requests that arrived before the window was ready are answered when this is set.
    void İstekleriKarşıla(İstekler istekler);

private:
    bool KilidiAl();
    void BusunİsteğiniBekle();

    std::unique_ptr<ApplicationInterface> arayüz_;
    std::unique_ptr<QLockFile> kilit_;
    bool yanıtsız_ = false;
};
