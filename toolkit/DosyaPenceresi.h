// SPDX-License-Identifier: GPL-3.0-or-later
// A photo file seen through a small window that slides forward, for the walks over its headers.
#pragma once

#include <QByteArray>
#include <QIODevice>
#include <cstring>

// The file seen through a window that slides forward: a 16 GiB file costs no more memory than
// a small one, and nothing past the size the caller gave is ever asked for.
class DosyaPenceresi {
public:
    DosyaPenceresi(QIODevice &dosya, qint64 boyut) : dosya_(dosya), boyut_(boyut) {}

    qint64 Boyut() const { return boyut_; }

    // The byte at `k`; -1 past the end (or where the file could not be read). Only a little is
    // read around it: the walk jumps from header to header over segments it never looks into.
    int Bayt(qint64 k) {
        if (!İçinde(k) && !Yükle(k, BaşlıkPenceresi))
            return -1;
        return uchar(tampon_.at(k - baş_));
    }

    // `n` bytes from `k`, fewer where the file ends. The caller bounds `n`.
    QByteArray Baytlar(qint64 k, qint64 n) {
        if (k < 0 || k >= boyut_ || n <= 0 || !dosya_.seek(k))
            return {};
        return dosya_.read(qMin(n, boyut_ - k));
    }

    // Where the next byte FF lies at or after `k`; Boyut() when none does.
    qint64 FFAra(qint64 k) {
        while (İçinde(k) || Yükle(k, PencereBoyu)) {
            const char *başlangıç = tampon_.constData() + (k - baş_);
            const qint64 kalan = baş_ + tampon_.size() - k;
            if (const void *bulunan = std::memchr(başlangıç, 0xFF, size_t(kalan)))
                return k + (static_cast<const char *>(bulunan) - başlangıç);
            k += kalan;
        }
        return boyut_;
    }

private:
    static constexpr qint64 PencereBoyu = qint64(1) << 20;
    static constexpr qint64 BaşlıkPenceresi = 4096;

    bool İçinde(qint64 k) const { return k >= baş_ && k < baş_ + tampon_.size(); }

    bool Yükle(qint64 k, qint64 uzunluk) {
        if (k < 0 || k >= boyut_ || !dosya_.seek(k))
            return false;
        tampon_ = dosya_.read(qMin(uzunluk, boyut_ - k));
        baş_ = k;
        if (tampon_.isEmpty()) // the file is shorter than it said: it ends here
            boyut_ = k;
        return !tampon_.isEmpty();
    }

    QIODevice &dosya_;
    qint64 boyut_;
    qint64 baş_ = 0;
    QByteArray tampon_;
};

// Whether the bytes at `k` begin with `önek`.
inline bool ÖnekMi(DosyaPenceresi &p, qint64 k, QByteArrayView önek) {
    for (qsizetype n = 0; n < önek.size(); ++n)
        if (p.Bayt(k + n) != uchar(önek[n]))
            return false;
    return true;
}

// The unsigned number of `boy` bytes at `k`, the most significant first (PNG, HEIF) or last
// (WebP); -1 where the file ends.
inline qint64 Sayı(DosyaPenceresi &p, qint64 k, int boy, bool büyükBaşta = true) {
    qint64 değer = 0;
    for (int i = 0; i < boy; ++i) {
        const int bayt = p.Bayt(k + (büyükBaşta ? i : boy - 1 - i));
        if (bayt < 0)
            return -1;
        değer = değer << 8 | bayt;
    }
    return değer;
}
