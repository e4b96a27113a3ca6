// SPDX-License-Identifier: GPL-3.0-or-later
// One copy of the game per user session: the first copy owns the program's name on the D-Bus
// session bus and answers org.freedesktop.Application; a later copy hands it its request and
// ends. Without a session bus a lock file in a folder of the user's own still refuses a second
// copy.
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

    // How a start stands towards the other copies.
    enum class Durum {
        İlk,        // this copy is the running one from now on
        Yalnız,     // it runs, but with neither the bus name nor a lock: a later copy cannot
                    // be kept from starting
        Devredildi, // another copy runs and has been asked to come forward (and to open the
                    // photo), passing the token this copy was started with
        Yanıtsız,   // the running copy owns the bus name but did not answer within YanıtSüresi:
                    // stopped, or hung
        Ulaşılamaz, // the running copy holds the lock, and without a bus it cannot be asked
    };

    // `fotoğraf` is a full path or a URI, or empty when only the window is asked for.
    Durum İlkKopyaOl(const QString &fotoğraf, const QString &etkinleştirmeJetonu,
                     const QString &başlangıçKimliği);

    // How long a later start waits for the running copy's answer, in milliseconds.
    static constexpr int YanıtSüresi = 5000;

    // Requests that arrived before the window was ready are answered when this is set.
    void İstekleriKarşıla(İstekler istekler);

private:
    Durum KilidiAl(bool adSahibi);
    void BusunİsteğiniBekle();

    std::unique_ptr<ApplicationInterface> arayüz_;
    std::unique_ptr<QLockFile> kilit_;
};
