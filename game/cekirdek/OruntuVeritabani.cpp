// SPDX-License-Identifier: GPL-3.0-or-later
// Building and reading the 4 x 4 board's pattern databases.
#include "game/cekirdek/OruntuVeritabani.h"

#include <bit>
#include <mutex>

namespace {

constexpr int Kenar = 4;
constexpr int YerSayısı = Kenar * Kenar;
constexpr std::uint8_t Bilinmiyor = 0xFF;

// A group's places as one number: each piece's place counted among the places the earlier
// pieces left free, in mixed radix 16, 15, 14, ... The table has 16!/(16-k)! entries.
std::uint32_t Sıra(const int *yerler, int k) {
    std::uint32_t sıra = 0;
    unsigned dolu = 0;
    for (int i = 0; i < k; ++i) {
        const unsigned yer = static_cast<unsigned>(yerler[i]);
        const unsigned boşlar =
            yer - static_cast<unsigned>(std::popcount(dolu & ((1u << yer) - 1)));
        sıra = sıra * static_cast<std::uint32_t>(YerSayısı - i) + boşlar;
        dolu |= 1u << yer;
    }
    return sıra;
}

void SıradanYerler(std::uint32_t sıra, int k, int *yerler) {
    int basamak[YerSayısı];
    for (int i = k - 1; i >= 0; --i) {
        const auto taban = static_cast<std::uint32_t>(YerSayısı - i);
        basamak[i] = static_cast<int>(sıra % taban);
        sıra /= taban;
    }
    unsigned dolu = 0;
    for (int i = 0; i < k; ++i) {
        int kalan = basamak[i];
        int yer = 0;
        for (;; ++yer)
            if (!(dolu & (1u << yer)) && kalan-- == 0)
                break;
        yerler[i] = yer;
        dolu |= 1u << yer;
    }
}

std::size_t TabloBoyu(int k) {
    std::size_t boy = 1;
    for (int i = 0; i < k; ++i)
        boy *= static_cast<std::size_t>(YerSayısı - i);
    return boy;
}

} // namespace

// Two blocks of two columns by three rows and the three pieces of the bottom row: compact
// groups keep a group's pieces in each other's way, which the table then sees.
const std::array<std::vector<int>, 2> ÖrüntüVeritabanı::tabloGrupları_{
    std::vector<int>{0, 1, 4, 5, 8, 9}, std::vector<int>{12, 13, 14}};
const std::array<int, 15> ÖrüntüVeritabanı::grupOf_{0, 0, 1, 1, 0, 0, 1, 1, 0, 0, 1, 1, 2, 2, 2};

std::shared_ptr<const ÖrüntüVeritabanı> ÖrüntüVeritabanı::Al(std::stop_token dur) {
    static std::mutex kilit;
    static std::shared_ptr<const ÖrüntüVeritabanı> kurulu;
    std::lock_guard<std::mutex> tutulan(kilit);
    if (kurulu)
        return kurulu;
    std::shared_ptr<ÖrüntüVeritabanı> yeni(new ÖrüntüVeritabanı);
    for (int tablo = 0; tablo < 2; ++tablo)
        if (!yeni->Kur(tablo, dur))
            return nullptr;
    kurulu = std::move(yeni);
    return kurulu;
}

// The free places (no piece of the group on them) that the empty place at `boş` can reach
// without moving a piece of the group.
static std::uint32_t Bölge(std::uint32_t boşlar, int boş) {
    std::uint32_t bölge = 1u << boş;
    for (;;) {
        const std::uint32_t yayılan = (bölge | bölge << Kenar | bölge >> Kenar |
                                       (bölge << 1 & 0xEEEEu) | (bölge >> 1 & 0x7777u)) &
                                      boşlar;
        if (yayılan == bölge)
            return bölge;
        bölge = yayılan;
    }
}

// Breadth first from the group at home with the empty place in its corner. Only moves of the
// group's pieces count, so the empty place roams its region of free places for nothing: a
// state is the group's places and the region, named by its lowest place. The table keeps the
// fewest moves over all regions. Three bit sets over the states (seen, this level, the next;
// 35 MB for six pieces) live only while the table is built.
bool ÖrüntüVeritabanı::Kur(int grup, std::stop_token dur) {
    const std::vector<int> &parçalar = tabloGrupları_[static_cast<std::size_t>(grup)];
    const int k = static_cast<int>(parçalar.size());
    std::vector<std::uint8_t> &tablo = tablolar_[static_cast<std::size_t>(grup)];
    tablo.assign(TabloBoyu(k), Bilinmiyor);
    const std::size_t durumlar = tablo.size() * YerSayısı;
    std::vector<std::uint64_t> görülen((durumlar + 63) / 64), bu(görülen.size()),
        sonraki(görülen.size());
    const auto işaretle = [](std::vector<std::uint64_t> &küme, std::size_t i) {
        küme[i / 64] |= std::uint64_t(1) << (i % 64);
    };
    const auto tam = [](std::uint32_t dolu) { return ~dolu & 0xFFFFu; };

    std::uint32_t dolu = 0;
    for (int parça : parçalar)
        dolu |= 1u << parça;
    const std::uint32_t ilkSıra = Sıra(parçalar.data(), k);
    const std::size_t ilk = std::size_t(ilkSıra) * YerSayısı +
                            std::size_t(std::countr_zero(Bölge(tam(dolu), YerSayısı - 1)));
    işaretle(görülen, ilk);
    işaretle(bu, ilk);
    tablo[ilkSıra] = 0;
    for (int derinlik = 0;; ++derinlik) {
        bool yeniVar = false;
        for (std::size_t sözcük = 0; sözcük < bu.size(); ++sözcük) {
            if ((sözcük & 0xFFF) == 0 && dur.stop_requested())
                return false;
            for (std::uint64_t bitler = bu[sözcük]; bitler; bitler &= bitler - 1) {
                const std::size_t durum = sözcük * 64 + std::size_t(std::countr_zero(bitler));
                int yerler[YerSayısı];
                SıradanYerler(std::uint32_t(durum / YerSayısı), k, yerler);
                std::uint32_t d = 0;
                for (int i = 0; i < k; ++i)
                    d |= 1u << yerler[i];
                const std::uint32_t bölge = Bölge(tam(d), int(durum % YerSayısı));
                for (int i = 0; i < k; ++i) {
                    const int yer = yerler[i];
                    const std::uint32_t yakın =
                        (1u << yer << Kenar | 1u << yer >> Kenar | (1u << yer << 1 & 0xEEEEu) |
                         (1u << yer >> 1 & 0x7777u)) &
                        bölge;
                    for (std::uint32_t b = yakın; b; b &= b - 1) {
                        const int hedef = std::countr_zero(b);
                        yerler[i] = hedef;
                        const std::uint32_t sıra = Sıra(yerler, k);
                        const std::uint32_t yeniDolu = (d & ~(1u << yer)) | 1u << hedef;
                        const std::size_t yeni =
                            std::size_t(sıra) * YerSayısı +
                            std::size_t(std::countr_zero(Bölge(tam(yeniDolu), yer)));
                        if (!(görülen[yeni / 64] >> (yeni % 64) & 1)) {
                            işaretle(görülen, yeni);
                            işaretle(sonraki, yeni);
                            if (tablo[sıra] == Bilinmiyor)
                                tablo[sıra] = std::uint8_t(derinlik + 1);
                            yeniVar = true;
                        }
                    }
                    yerler[i] = yer;
                }
            }
        }
        if (!yeniVar)
            return true;
        bu.swap(sonraki);
        std::fill(sonraki.begin(), sonraki.end(), 0);
    }
}

int ÖrüntüVeritabanı::Değer(int grup, const std::uint8_t *konum, bool yansıyan) const {
    const auto yeri = [&](int parça) {
        return yansıyan ? Yansıt(konum[Yansıt(parça)]) : int(konum[parça]);
    };
    // The right block is the left one mirrored, and so is its table: the bottom row, where
    // the empty place starts in both, is free and its own mirror.
    const auto ayna = [](int x) { return x / 4 * 4 + 3 - x % 4; };
    const int tablo = grup == 2 ? 1 : 0;
    const std::vector<int> &parçalar = tabloGrupları_[static_cast<std::size_t>(tablo)];
    int yerler[YerSayısı];
    const int k = static_cast<int>(parçalar.size());
    for (int i = 0; i < k; ++i) {
        const int parça = parçalar[static_cast<std::size_t>(i)];
        yerler[i] = grup == 1 ? ayna(yeri(ayna(parça))) : yeri(parça);
    }
    return tablolar_[static_cast<std::size_t>(tablo)][Sıra(yerler, k)];
}

std::size_t ÖrüntüVeritabanı::Bayt() const {
    std::size_t bayt = 0;
    for (const auto &tablo : tablolar_)
        bayt += tablo.size();
    return bayt;
}
