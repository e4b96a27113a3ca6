// SPDX-License-Identifier: GPL-3.0-or-later
// The settings the game keeps: every key named once, and the store they are read from and
// written to, handed to whoever needs it (the user's store in the program, one in memory in the
// tests).
#pragma once

#include "toolkit/AyarDeposu.h"

#include <QString>
#include <map>

struct AyarAnahtarı {
    QString Bölüm; // "Oyun\Bilgiler" names section "Bilgiler" inside "Oyun"
    QString Ad;
};

namespace Anahtar {
inline const QString Ayarlar = QStringLiteral("Ayarlar");
inline const QString Oyun = QStringLiteral("Oyun");
inline const QString Bilgiler = QStringLiteral("Oyun\\Bilgiler");
// What the saved game's own sections do not say: whether it may still set a record.
inline const QString EkBilgiler = QStringLiteral("Oyun\\Ek Bilgiler");
// The best time and the fewest moves of each grid, each with the day it was set.
inline const QString Rekorlar = QStringLiteral("Rekorlar");

inline const AyarAnahtarı SolBoşluk{Ayarlar, QStringLiteral("Sol Bosluk")};
inline const AyarAnahtarı ÜstBoşluk{Ayarlar, QStringLiteral("Ust Bosluk")};
inline const AyarAnahtarı SonBölme{Ayarlar, QStringLiteral("Son Bolme")};
inline const AyarAnahtarı SonFotoğraf{Ayarlar, QStringLiteral("Son Fotograf")};
inline const AyarAnahtarı ÖrnekGöster{Ayarlar, QStringLiteral("Ornek Goster")};
inline const AyarAnahtarı OyunuKaydet{Ayarlar, QStringLiteral("Oyunu Kaydet")};
inline const AyarAnahtarı SesleriKapat{Ayarlar, QStringLiteral("Sesleri Kapat")};

inline const AyarAnahtarı Saniye{Bilgiler, QStringLiteral("Saniye Bilgisi")};
inline const AyarAnahtarı Dakika{Bilgiler, QStringLiteral("Dakika Bilgisi")};
inline const AyarAnahtarı Saat{Bilgiler, QStringLiteral("Saat Bilgisi")};
inline const AyarAnahtarı Hamle{Bilgiler, QStringLiteral("Hamle Bilgisi")};

inline const AyarAnahtarı Yardımlı{EkBilgiler, QStringLiteral("Yardimli")};
inline const AyarAnahtarı SayaçSıfırlandı{EkBilgiler, QStringLiteral("Sayac Sifirlandi")};

// Grid `bölme` (0 = 3 x 3) in a record's key: "Sure 3x3", "Hamle Tarihi 5x5".
inline AyarAnahtarı Rekor(const char *ad, int bölme) {
    const int kenar = bölme + 3;
    return {Rekorlar, QStringLiteral("%1 %2x%2").arg(QLatin1String(ad)).arg(kenar)};
}
inline AyarAnahtarı SüreRekoru(int bölme) { return Rekor("Sure", bölme); }
inline AyarAnahtarı SüreRekoruTarihi(int bölme) { return Rekor("Sure Tarihi", bölme); }
inline AyarAnahtarı HamleRekoru(int bölme) { return Rekor("Hamle", bölme); }
inline AyarAnahtarı HamleRekoruTarihi(int bölme) { return Rekor("Hamle Tarihi", bölme); }

// Place `yer` of the saved game.
inline AyarAnahtarı Yer(int yer) { return {Oyun, QStringLiteral("Foto-%1").arg(yer)}; }
} // namespace Anahtar

// Values are texts, as the store keeps them; failures are ÇalışmaHatası as the store's own.
class AyarDeposuArayüzü {
public:
    virtual ~AyarDeposuArayüzü() = default;
    // The stored text, or `varsayılan` when the key or its section is absent.
    virtual QString Oku(const AyarAnahtarı &anahtar, const QString &varsayılan = {}) = 0;
    virtual void Yaz(const AyarAnahtarı &anahtar, const QString &değer) = 0;
    // Every key of the section with its value, in first-written order.
    virtual AyarListesi Bölüm(const QString &bölüm) = 0;
    // The section and everything below it; a section that is not there is ÇalışmaHatası 5.
    virtual void Sil(const QString &bölüm) = 0;
};

// The user's store, under the program's application name (UygulamaAdı at each call).
class KullanıcıAyarları : public AyarDeposuArayüzü {
public:
    QString Oku(const AyarAnahtarı &anahtar, const QString &varsayılan = {}) override;
    void Yaz(const AyarAnahtarı &anahtar, const QString &değer) override;
    AyarListesi Bölüm(const QString &bölüm) override;
    void Sil(const QString &bölüm) override;
};

// A store that lives as long as the object, nothing on disk.
class BellekAyarları : public AyarDeposuArayüzü {
public:
    QString Oku(const AyarAnahtarı &anahtar, const QString &varsayılan = {}) override;
    void Yaz(const AyarAnahtarı &anahtar, const QString &değer) override;
    AyarListesi Bölüm(const QString &bölüm) override;
    void Sil(const QString &bölüm) override;

private:
    std::map<QString, AyarListesi> bölümler_;
};
