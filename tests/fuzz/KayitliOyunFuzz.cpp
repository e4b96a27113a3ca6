// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target: saved boards. Any rows are either refused or are exactly what the game writes, and
// put on the board place by place as the load does they make a sound game. Input: one byte
// choosing the side, the rows' values (UTF-8, one a line); a NUL ends them.
#include "game/cekirdek/KayitliOyun.h"
#include "game/cekirdek/Tahta.h"
#include "tests/fuzz/FuzzGirdisi.h"

#include <QList>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *veri, std::size_t boyut) {
    if (boyut == 0)
        return 0;
    // Mostly the game's own sides; now and then one it never uses, or one whose square overflows.
    static constexpr int Garip[] = {-1, 0, 1, 2, 16, 17, 46341, 2147483647};
    const int garip = veri[0] - (256 - int(std::size(Garip)));
    const int kenar = garip >= 0 ? Garip[garip] : 3 + veri[0] % 3;
    const QByteArray tümü = FuzzBaytları(veri, boyut);
    const qsizetype ayraç = tümü.indexOf('\0', 1);
    const QByteArray satırMetni = tümü.mid(1, ayraç < 0 ? -1 : ayraç - 1);
    AyarListesi satırlar;
    for (const QByteArray &değer :
         satırMetni.isEmpty() ? QList<QByteArray>() : satırMetni.split('\n'))
        satırlar.emplace_back(QString("Foto-%1").arg(satırlar.size()), QString::fromUtf8(değer));

    const auto düzen = KayıtlıDüzeniÇöz(satırlar, kenar);
    if (!düzen || kenar < 2 || kenar > 16)
        return 0;
    OyunTahtası tahta(kenar);
    tahta.BoşGöster(kenar);
    for (int yer = 0; yer < kenar * kenar; ++yer) {
        FuzzGerekli(KayıtDeğeri(yer, düzen->BoşParça, düzen->Etiketler.at(yer)) ==
                        satırlar[yer].second,
                    "saving the board again would change a row");
        if (düzen->Parçalar.at(yer) < 0)
            tahta.BoşYeriKur(yer);
        else
            tahta.YeriKur(yer, düzen->Parçalar[yer], düzen->Etiketler[yer]);
    }
    // On every place but the empty one a piece other than the last, each once, named by its Tag.
    const int son = tahta.YerSayısı() - 1;
    std::vector<bool> görüldü(son, false);
    for (int yer = 0; yer <= son; ++yer) {
        const auto &bu = tahta.YerOf(yer);
        if (yer == tahta.BoşParça()) {
            FuzzGerekli(bu.Parça == OyunTahtası::ParçaYok, "a piece on the empty place");
            continue;
        }
        FuzzGerekli(bu.Parça >= 0 && bu.Parça < son && !görüldü[bu.Parça] &&
                        bu.Tag == QString::number(bu.Parça),
                    "a place that breaks the board");
        görüldü[bu.Parça] = true;
    }
    return 0;
}
