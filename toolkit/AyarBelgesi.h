// SPDX-License-Identifier: GPL-3.0-or-later
// One settings file in memory: ordered sections of ordered keys, read from and written to the
// UTF-8 INI-style text that the settings store keeps on disk.
#pragma once

#include "toolkit/AyarDeposu.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>
#include <vector>

class AyarBelgesi {
public:
    // A section path is its levels from the top ("Oyun", "Bilgiler"); the empty path is the
    // file's top level (keys before any header).
    using Yol = QStringList;

    // The most a settings file holds. The program writes three sections and a few dozen keys; a
    // text with more is no settings file of ours, and reading it could cost without bound.
    static constexpr int EnÇokBölüm = 256;
    static constexpr int EnÇokAnahtar = 2048; // in all sections together

    // Reads as much of the text as makes sense. A text that is not UTF-8, or that holds more
    // sections or keys than the most, is no file of ours: it reads as empty and sets `yabancı`
    // (reading stops at the first section or key too many).
    static AyarBelgesi Oku(const QByteArray &metin, bool *yabancı = nullptr);
    QByteArray Yaz() const;

    // The section's rows in first-written order, or nullptr when the section itself is absent.
    const AyarListesi *Satırlar(const Yol &yol) const;
    const QString *Değer(const Yol &yol, const QString &anahtar) const;

    // Writes a value, creating the section as needed; an existing key keeps its place.
    void Kaydet(const Yol &yol, const QString &anahtar, const QString &değer);

    // Removes the section and every section below it; false when there was none of them.
    bool Sil(const Yol &yol);

private:
    struct Bölüm {
        Yol yol;
        AyarListesi satırlar;
        QHash<QString, int> dizin; // case-folded key -> row
    };

    Bölüm &BölümAç(const Yol &yol);
    const Bölüm *BölümBul(const Yol &yol) const;

    std::vector<Bölüm> bölümler_;
    QHash<QString, int> bölümDizini_; // case-folded path -> section
};
