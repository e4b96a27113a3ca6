// SPDX-License-Identifier: GPL-3.0-or-later
// The searches for the way back: iterative-deepening A* and, on 5 x 5, group by group.
#include "game/cekirdek/Cozucu.h"

#include "game/cekirdek/OruntuVeritabani.h"
#include "game/cekirdek/Tahta.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace {

constexpr int EnBüyükKenar = 6;
constexpr int EnÇokYer = EnBüyükKenar * EnBüyükKenar;

// The side of a layout of N*N places, or 0 for any other length.
int KenarOf(const Dizilim &dizilim) {
    const int kenar = static_cast<int>(std::lround(std::sqrt(double(dizilim.size()))));
    return kenar >= 2 && kenar <= EnBüyükKenar && kenar * kenar == int(dizilim.size()) ? kenar : 0;
}

bool DizilimMi(const Dizilim &dizilim) {
    const int kenar = KenarOf(dizilim);
    if (kenar == 0)
        return false;
    std::array<bool, EnÇokYer> görüldü{};
    for (int parça : dizilim) {
        if (parça < 0 || parça >= kenar * kenar || görüldü[std::size_t(parça)])
            return false;
        görüldü[std::size_t(parça)] = true;
    }
    return true;
}

int Uzaklık(int a, int b, int kenar) {
    return std::abs(a / kenar - b / kenar) + std::abs(a % kenar - b % kenar);
}

// What the searches share: the board both ways round (the piece on each place, the place of each
// piece) and the empty place. The empty place's number is N*N-1.
struct Konum {
    int kenar = 0;
    int boş = 0;
    std::array<std::uint8_t, EnÇokYer> yer{};
    std::array<std::uint8_t, EnÇokYer> konum{};

    explicit Konum(const Dizilim &dizilim) : kenar(KenarOf(dizilim)) {
        for (int i = 0; i < int(dizilim.size()); ++i) {
            yer[std::size_t(i)] = std::uint8_t(dizilim[std::size_t(i)]);
            konum[std::size_t(dizilim[std::size_t(i)])] = std::uint8_t(i);
        }
        boş = konum[std::size_t(kenar * kenar - 1)];
    }
    // The piece on `tıklanan` slides into the empty place; returns the piece.
    int Kaydır(int tıklanan) {
        const int parça = yer[std::size_t(tıklanan)];
        yer[std::size_t(boş)] = std::uint8_t(parça);
        konum[std::size_t(parça)] = std::uint8_t(boş);
        yer[std::size_t(tıklanan)] = std::uint8_t(kenar * kenar - 1);
        konum[std::size_t(kenar * kenar - 1)] = std::uint8_t(tıklanan);
        boş = tıklanan;
        return parça;
    }
};

int Manhattan(const Konum &k) {
    int toplam = 0;
    for (int parça = 0; parça < k.kenar * k.kenar - 1; ++parça)
        toplam += Uzaklık(parça, k.konum[std::size_t(parça)], k.kenar);
    return toplam;
}

// Two pieces in their own row (or column) but in each other's way: one of them must leave the
// line and come back, two moves the Manhattan distance does not count. Per line, the pieces that
// must leave are those outside the longest run already in order.
int DoğrusalÇatışma(const Konum &k) {
    const int n = k.kenar;
    int ek = 0;
    for (int çizgi = 0; çizgi < n; ++çizgi)
        for (bool satırda : {true, false}) {
            int sıra[EnBüyükKenar];
            int adet = 0;
            for (int i = 0; i < n; ++i) {
                const int yer = satırda ? çizgi * n + i : i * n + çizgi;
                const int parça = k.yer[std::size_t(yer)];
                if (parça == n * n - 1)
                    continue;
                if (satırda ? parça / n == çizgi : parça % n == çizgi)
                    sıra[adet++] = satırda ? parça % n : parça / n;
            }
            int enUzun = 0, uzunluk[EnBüyükKenar];
            for (int i = 0; i < adet; ++i) {
                uzunluk[i] = 1;
                for (int j = 0; j < i; ++j)
                    if (sıra[j] < sıra[i])
                        uzunluk[i] = std::max(uzunluk[i], uzunluk[j] + 1);
                enUzun = std::max(enUzun, uzunluk[i]);
            }
            ek += 2 * (adet - enUzun);
        }
    return ek;
}

// The estimates the search can be led by. Each keeps what it needs to update itself after one
// move in a value of its own type.
struct ManhattanSezgisi {
    using Değer = int;
    Değer Başla(const Konum &k) const { return Manhattan(k); }
    Değer Taşı(Değer h, const Konum &k, int parça, int eski) const {
        return h + Uzaklık(parça, k.konum[std::size_t(parça)], k.kenar) -
               Uzaklık(parça, eski, k.kenar);
    }
    static int H(Değer h) { return h; }
};

struct ÇatışmaSezgisi {
    using Değer = int;
    Değer Başla(const Konum &k) const { return Manhattan(k) + DoğrusalÇatışma(k); }
    Değer Taşı(Değer, const Konum &k, int, int) const { return Başla(k); }
    static int H(Değer h) { return h; }
};

// The larger of the two sums: the board's and its mirror's.
struct ÖrüntüSezgisi {
    const ÖrüntüVeritabanı &vt;
    static constexpr std::size_t G = ÖrüntüVeritabanı::GrupSayısı;
    struct Değer {
        std::array<std::uint8_t, G> grup, ayna;
        int toplam, aynaToplam;
    };
    Değer Başla(const Konum &k) const {
        Değer d{};
        for (std::size_t g = 0; g < G; ++g) {
            d.grup[g] = std::uint8_t(vt.Değer(int(g), k.konum.data()));
            d.ayna[g] = std::uint8_t(vt.Değer(int(g), k.konum.data(), true));
            d.toplam += d.grup[g];
            d.aynaToplam += d.ayna[g];
        }
        return d;
    }
    Değer Taşı(Değer d, const Konum &k, int parça, int) const {
        const auto g = std::size_t(ÖrüntüVeritabanı::GrupOf(parça));
        d.toplam -= d.grup[g];
        d.grup[g] = std::uint8_t(vt.Değer(int(g), k.konum.data()));
        d.toplam += d.grup[g];
        const auto a = std::size_t(ÖrüntüVeritabanı::GrupOf(ÖrüntüVeritabanı::Yansıt(parça)));
        d.aynaToplam -= d.ayna[a];
        d.ayna[a] = std::uint8_t(vt.Değer(int(a), k.konum.data(), true));
        d.aynaToplam += d.ayna[a];
        return d;
    }
    static int H(const Değer &d) { return std::max(d.toplam, d.aynaToplam); }
};

template <class Sezgi> class Arama {
public:
    Arama(const Dizilim &dizilim, const Sezgi &sezgi, std::stop_token dur,
          std::uint64_t düğümSınırı)
        : k_(dizilim), sezgi_(sezgi), dur_(std::move(dur)), düğümSınırı_(düğümSınırı) {
        const int n = k_.kenar;
        for (int yer = 0; yer < n * n; ++yer) {
            auto &liste = komşular_[std::size_t(yer)];
            if (yer >= n)
                liste.push_back(yer - n);
            if (yer % n > 0)
                liste.push_back(yer - 1);
            if (yer % n < n - 1)
                liste.push_back(yer + 1);
            if (yer < n * (n - 1))
                liste.push_back(yer + n);
        }
    }

    std::optional<Çözüm> Çöz() {
        const typename Sezgi::Değer ilk = sezgi_.Başla(k_);
        int sınır = Sezgi::H(ilk);
        for (;;) {
            sonraki_ = std::numeric_limits<int>::max();
            if (Ara(0, sınır, -1, ilk))
                return Çözüm{yol_, düğüm_};
            if (kesildi_ || sonraki_ == std::numeric_limits<int>::max())
                return std::nullopt;
            sınır = sonraki_;
        }
    }

private:
    bool Ara(int g, int sınır, int önceki, const typename Sezgi::Değer &değer) {
        ++düğüm_;
        if ((düğüm_ & 0xFFFF) == 0 && (dur_.stop_requested() || düğüm_ > düğümSınırı_))
            kesildi_ = true;
        if (kesildi_)
            return false;
        const int h = Sezgi::H(değer);
        if (g + h > sınır) {
            sonraki_ = std::min(sonraki_, g + h);
            return false;
        }
        if (h == 0)
            return true;
        const int boş = k_.boş;
        for (int tıklanan : komşular_[std::size_t(boş)]) {
            if (tıklanan == önceki)
                continue;
            const int parça = k_.Kaydır(tıklanan);
            yol_.push_back(tıklanan);
            if (Ara(g + 1, sınır, boş, sezgi_.Taşı(değer, k_, parça, tıklanan)))
                return true;
            yol_.pop_back();
            k_.Kaydır(boş);
        }
        return false;
    }

    Konum k_;
    const Sezgi &sezgi_;
    std::stop_token dur_;
    std::uint64_t düğümSınırı_;
    std::array<std::vector<int>, EnÇokYer> komşular_;
    std::vector<int> yol_;
    std::uint64_t düğüm_ = 0;
    int sonraki_ = 0;
    bool kesildi_ = false;
};

constexpr std::uint64_t SınırYok = std::numeric_limits<std::uint64_t>::max();

template <class Sezgi>
std::optional<Çözüm> Ara(const Dizilim &dizilim, const Sezgi &sezgi, std::stop_token dur,
                         std::uint64_t düğümSınırı = SınırYok) {
    return Arama<Sezgi>(dizilim, sezgi, std::move(dur), düğümSınırı).Çöz();
}

std::optional<Çözüm> EnKısa(const Dizilim &dizilim, std::stop_token dur,
                            std::uint64_t düğümSınırı) {
    if (!ÇözülebilirMi(dizilim) || KenarOf(dizilim) > 4)
        return std::nullopt;
    if (KenarOf(dizilim) < 4)
        return Ara(dizilim, ÇatışmaSezgisi{}, std::move(dur), düğümSınırı);
    const auto vt = ÖrüntüVeritabanı::Al(dur);
    if (!vt)
        return std::nullopt;
    return Ara(dizilim, ÖrüntüSezgisi{*vt}, std::move(dur), düğümSınırı);
}

// Brings the pieces of `grup` home by the fewest moves, with the places in `sabit` left alone:
// breadth first over the group's places and the empty place, any other piece being as good as
// any other. The way is added to `yol` and played on `k`.
bool GrubuYerleştir(Konum &k, const std::vector<int> &grup, std::uint64_t sabit,
                    std::vector<int> &yol, std::uint64_t &düğüm, const std::stop_token &dur) {
    const int n = k.kenar, yerSayısı = n * n;
    const auto kodla = [&](int boş, const int *yerler) {
        std::uint32_t kod = std::uint32_t(boş);
        for (std::size_t i = 0; i < grup.size(); ++i)
            kod = kod * std::uint32_t(yerSayısı) + std::uint32_t(yerler[i]);
        return kod;
    };
    const auto çöz = [&](std::uint32_t kod, int &boş, int *yerler) {
        for (std::size_t i = grup.size(); i-- > 0;) {
            yerler[i] = int(kod % std::uint32_t(yerSayısı));
            kod /= std::uint32_t(yerSayısı);
        }
        boş = int(kod);
    };
    std::size_t boy = std::size_t(yerSayısı);
    for (std::size_t i = 0; i < grup.size(); ++i)
        boy *= std::size_t(yerSayısı);
    // Where the empty place came from, as a step: 0 up, 1 down, 2 left, 3 right; 4 the start.
    constexpr std::uint8_t Görülmedi = 0xFF;
    std::vector<std::uint8_t> geldiği(boy, Görülmedi);
    const int adım[4] = {-n, n, -1, 1};

    int yerler[EnÇokYer];
    for (std::size_t i = 0; i < grup.size(); ++i)
        yerler[i] = k.konum[std::size_t(grup[i])];
    std::vector<std::uint32_t> kuyruk{kodla(k.boş, yerler)};
    geldiği[kuyruk[0]] = 4;
    std::optional<std::uint32_t> hedef;
    for (std::size_t baş = 0; baş < kuyruk.size() && !hedef; ++baş) {
        if ((baş & 0xFFF) == 0 && dur.stop_requested())
            return false;
        int boş;
        çöz(kuyruk[baş], boş, yerler);
        ++düğüm;
        bool evde = true;
        for (std::size_t i = 0; i < grup.size(); ++i)
            evde = evde && yerler[i] == grup[i];
        if (evde) {
            hedef = kuyruk[baş];
            break;
        }
        for (int yön = 0; yön < 4; ++yön) {
            const int yeni = boş + adım[yön];
            if ((yön == 0 && boş < n) || (yön == 1 && boş >= yerSayısı - n) ||
                (yön == 2 && boş % n == 0) || (yön == 3 && boş % n == n - 1) || (sabit >> yeni & 1))
                continue;
            int sonra[EnÇokYer];
            for (std::size_t i = 0; i < grup.size(); ++i)
                sonra[i] = yerler[i] == yeni ? boş : yerler[i];
            const std::uint32_t kod = kodla(yeni, sonra);
            if (geldiği[kod] == Görülmedi) {
                geldiği[kod] = std::uint8_t(yön);
                kuyruk.push_back(kod);
            }
        }
    }
    if (!hedef)
        return false;
    std::vector<int> boşlar; // the empty place after each move, last first
    for (std::uint32_t kod = *hedef; geldiği[kod] != 4;) {
        int boş;
        çöz(kod, boş, yerler);
        boşlar.push_back(boş);
        const int önceki = boş - adım[geldiği[kod]];
        for (std::size_t i = 0; i < grup.size(); ++i)
            if (yerler[i] == önceki)
                yerler[i] = boş;
        kod = kodla(önceki, yerler);
    }
    for (auto it = boşlar.rbegin(); it != boşlar.rend(); ++it) {
        k.Kaydır(*it);
        yol.push_back(*it);
    }
    return true;
}

} // namespace

Dizilim DizilimOf(const OyunTahtası &tahta) {
    const int yerSayısı = tahta.YerSayısı();
    Dizilim dizilim(static_cast<std::size_t>(yerSayısı));
    for (int yer = 0; yer < yerSayısı; ++yer) {
        const int parça = tahta.YerOf(yer).Parça;
        dizilim[std::size_t(yer)] = yer == tahta.BoşParça()          ? yerSayısı - 1
                                    : parça == OyunTahtası::ParçaYok ? -1
                                                                     : parça;
    }
    return DizilimMi(dizilim) ? dizilim : Dizilim{};
}

bool ÇözülebilirMi(const Dizilim &dizilim) {
    if (!DizilimMi(dizilim))
        return false;
    const int kenar = KenarOf(dizilim);
    // The parity of the arrangement by its cycles: a cycle of length L takes L-1 swaps.
    std::array<bool, EnÇokYer> görüldü{};
    int takas = 0;
    for (int i = 0; i < kenar * kenar; ++i)
        for (int j = i; !görüldü[std::size_t(j)]; j = dizilim[std::size_t(j)]) {
            görüldü[std::size_t(j)] = true;
            takas += j != i;
        }
    const int boş = Konum(dizilim).boş;
    return (takas + Uzaklık(boş, kenar * kenar - 1, kenar)) % 2 == 0;
}

bool HamleyiUygula(Dizilim &dizilim, int yer) {
    const int kenar = KenarOf(dizilim);
    const auto boş = std::find(dizilim.begin(), dizilim.end(), kenar * kenar - 1) - dizilim.begin();
    if (kenar == 0 || yer < 0 || yer >= kenar * kenar || !KomşuMu(yer, int(boş), kenar))
        return false;
    std::swap(dizilim[std::size_t(yer)], dizilim[std::size_t(boş)]);
    return true;
}

std::optional<Çözüm> EnKısaÇözüm(const Dizilim &dizilim, std::stop_token dur) {
    return EnKısa(dizilim, std::move(dur), SınırYok);
}

std::optional<Çözüm> ManhattanlaÇöz(const Dizilim &dizilim, std::stop_token dur) {
    if (!ÇözülebilirMi(dizilim))
        return std::nullopt;
    return Ara(dizilim, ManhattanSezgisi{}, std::move(dur));
}

namespace {

// The rows and columns around a corner of side `kalan` go in groups; that corner then goes by
// the fewest moves, or nothing when it takes more than `düğümSınırı` positions.
std::optional<Çözüm> Kademeli(const Dizilim &dizilim, int kalan, std::uint64_t düğümSınırı,
                              const std::stop_token &dur) {
    const int n = KenarOf(dizilim);
    Konum k(dizilim);
    Çözüm çözüm;
    std::uint64_t sabit = 0;
    // The top row of what is left, then its left column: a group of the first pieces, then the
    // last two together, which one by one would push each other out again.
    for (int köşe = 0; n - köşe > kalan; ++köşe) {
        const int m = n - köşe;
        std::vector<int> satır, sütun;
        for (int i = 0; i < m; ++i)
            satır.push_back(köşe * n + köşe + i);
        for (int i = 1; i < m; ++i)
            sütun.push_back((köşe + i) * n + köşe);
        for (const std::vector<int> *çizgi : {&satır, &sütun}) {
            const auto son = çizgi->end() - 2;
            std::vector<std::vector<int>> gruplar;
            for (auto it = çizgi->begin(); it != son; it += std::min<std::ptrdiff_t>(3, son - it))
                gruplar.emplace_back(it, it + std::min<std::ptrdiff_t>(3, son - it));
            gruplar.emplace_back(son, çizgi->end());
            for (const auto &grup : gruplar) {
                if (!GrubuYerleştir(k, grup, sabit, çözüm.hamleler, çözüm.düğüm, dur))
                    return std::nullopt;
                for (int yer : grup)
                    sabit |= std::uint64_t(1) << yer;
            }
        }
    }
    // The corner left at the bottom right, its pieces numbered as on a board of its own.
    const int köşe = n - kalan;
    const auto büyükYer = [&](int yer) { return (yer / kalan + köşe) * n + yer % kalan + köşe; };
    Dizilim köşeDizilimi(std::size_t(kalan * kalan));
    for (int yer = 0; yer < kalan * kalan; ++yer) {
        const int parça = k.yer[std::size_t(büyükYer(yer))];
        köşeDizilimi[std::size_t(yer)] =
            parça == n * n - 1 ? kalan * kalan - 1 : (parça / n - köşe) * kalan + parça % n - köşe;
    }
    const auto son = EnKısa(köşeDizilimi, dur, düğümSınırı);
    if (!son)
        return std::nullopt;
    çözüm.düğüm += son->düğüm;
    for (int yer : son->hamleler)
        çözüm.hamleler.push_back(büyükYer(yer));
    return çözüm;
}

} // namespace

// The 4 x 4 corner by the fewest moves, unless that search runs long (a quarter of a second);
// then a 3 x 3 corner, found at once.
std::optional<Çözüm> İyiÇözüm(const Dizilim &dizilim, std::stop_token dur) {
    if (!ÇözülebilirMi(dizilim))
        return std::nullopt;
    if (KenarOf(dizilim) <= 4)
        return EnKısaÇözüm(dizilim, std::move(dur));
    constexpr std::uint64_t DörtlükSınırı = 1'000'000;
    if (auto çözüm = Kademeli(dizilim, 4, DörtlükSınırı, dur))
        return çözüm;
    if (dur.stop_requested())
        return std::nullopt;
    return Kademeli(dizilim, 3, SınırYok, dur);
}

int AltSınır(const Dizilim &dizilim) {
    if (!DizilimMi(dizilim))
        return 0;
    const Konum k(dizilim);
    return Manhattan(k) + DoğrusalÇatışma(k);
}
