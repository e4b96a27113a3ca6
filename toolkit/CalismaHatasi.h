// SPDX-License-Identifier: GPL-3.0-or-later
// A run-time error of the program: an error number and a Turkish description.
#pragma once

#include <QString>
#include <stdexcept>

class ÇalışmaHatası : public std::runtime_error {
public:
    // The numbers the program raises; the error report shows them to the player.
    enum Numara : int {
        GeçersizÇağrı = 5,
        Taşma = 6,
        YetersizBellek = 7,
        DizinAralıkDışı = 9,
        TürUyuşmazlığı = 13,
        İçHata = 51,
        DosyaBulunamadı = 53,
        DiskDolu = 61,
        İzinYok = 70,
        DosyaErişimHatası = 75,
        YolBulunamadı = 76,
        KaynakBulunamadı = 326,
        GeçersizResim = 481,
    };

    explicit ÇalışmaHatası(int numara, QString açıklama = {});

    int Numara() const { return numara_; }
    const QString &Açıklama() const { return açıklama_; }

    // The description the program gives for its own numbers; empty for unknown ones.
    static QString StandartAçıklama(int numara);

private:
    int numara_;
    QString açıklama_;
};
