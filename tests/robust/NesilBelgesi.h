// The settings document that the crash-safety test's writer saves again and again: every
// generation differs in size and content, starts with its number and ends with a checksum, so
// that a file can be told whole and matched against the generation it claims to be.
#pragma once

#include "toolkit/AyarDeposu.h"

#include <QCryptographicHash>
#include <QString>
#include <utility>
#include <vector>

struct NesilBölümü {
    QString ad;
    AyarListesi satırlar;
};

inline const QString NesilUygulaması = QStringLiteral("Nuv Zovevav\\Mozeta-Tr");

// Sections in file order: "Ayarlar" (the generation first), "Oyun", "Oyun\Bilgiler", and
// "Sağlama" last with the SHA-1 of everything before it.
inline std::vector<NesilBölümü> NesilBelgesi(int nesil) {
    std::vector<NesilBölümü> bölümler;
    bölümler.push_back(
        {QStringLiteral("Ayarlar"),
         {{QStringLiteral("Nesil"), QString::number(nesil)},
          {QStringLiteral("Son Fotograf"),
           QStringLiteral("/home/ayşe/Resimler/%1/").arg(nesil).repeated(1 + nesil % 7) +
               QStringLiteral("deniz.jpg")}}});
    NesilBölümü oyun{QStringLiteral("Oyun"), {}};
    const int anahtarSayısı = 50 + (nesil * 37) % 700;
    for (int i = 0; i < anahtarSayısı; ++i)
        oyun.satırlar.emplace_back(QStringLiteral("Foto-%1").arg(i),
                                   QStringLiteral("%1.%2 ").arg(nesil).arg(i) +
                                       QString((nesil + i) % 60, u'ş'));
    bölümler.push_back(std::move(oyun));
    bölümler.push_back({QStringLiteral("Oyun\\Bilgiler"),
                        {{QStringLiteral("Saniye Bilgisi"), QString::number(nesil % 60)},
                         {QStringLiteral("Dakika Bilgisi"), QString::number(nesil / 60 % 60)},
                         {QStringLiteral("Saat Bilgisi"), QString::number(nesil / 3600 % 24)},
                         {QStringLiteral("Hamle Bilgisi"), QString::number(nesil * 7)}}});
    QCryptographicHash özet(QCryptographicHash::Sha1);
    for (const auto &bölüm : bölümler)
        for (const auto &[anahtar, değer] : bölüm.satırlar)
            özet.addData((bölüm.ad + u'/' + anahtar + u'=' + değer + u'\n').toUtf8());
    bölümler.push_back({QStringLiteral("Sağlama"),
                        {{QStringLiteral("Toplam"), QString::fromLatin1(özet.result().toHex())}}});
    return bölümler;
}

// Saves one generation as the game saves at close: old sections removed, new ones written,
// the whole as one change. Throws ÇalışmaHatası 75 when the file cannot be written.
inline void NesliKaydet(int nesil) {
    AyarToplusu topluluk;
    for (const auto &bölüm : NesilBelgesi(nesil)) {
        if (bölüm.ad != QStringLiteral("Ayarlar") &&
            !GetAllSettings(NesilUygulaması, bölüm.ad).empty())
            DeleteSetting(NesilUygulaması, bölüm.ad);
        for (const auto &[anahtar, değer] : bölüm.satırlar)
            SaveSetting(NesilUygulaması, bölüm.ad, anahtar, değer);
    }
    topluluk.Yaz();
}
