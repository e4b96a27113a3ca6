// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target: saved boards. Any rows are either refused or give an arrangement that, put on the
// board place by place as the load does, makes a sound game: every piece but the last exactly
// once, one empty place, Tags that name the pieces shown, and moves that keep it so.
// Input: one byte choosing the side, the rows' values (UTF-8, one a line), a NUL, then one byte
// per click on the board.
#include "game/KayitliOyun.h"
#include "game/Tahta.h"
#include "tests/fuzz/FuzzGirdisi.h"

#include <QList>
#include <vector>

namespace {

// Mostly the game's own sides; now and then one it never uses, or one whose square overflows.
int KenarOf(std::uint8_t seçim) {
    static constexpr int Garip[] = {-1, 0, 1, 2, 6, 16, 17, 46341, 65536, 2147483647};
    const int garip = seçim - (256 - int(std::size(Garip)));
    return garip >= 0 ? Garip[garip] : 3 + seçim % 3;
}

QByteArray Tahtası(const OyunTahtası &tahta) {
    QByteArray metin;
    for (int yer = 0; yer < tahta.YerSayısı(); ++yer)
        metin +=
            QByteArray::number(tahta.YerOf(yer).Parça) + '/' + tahta.YerOf(yer).Tag.toUtf8() + ' ';
    return metin + "empty " + QByteArray::number(tahta.BoşParça());
}

// The board's invariants during a game: on every place but the empty one a piece other than the
// last, each once, with the Tag that names it.
void Sağlam(const OyunTahtası &tahta) {
    const int son = tahta.YerSayısı() - 1;
    std::vector<bool> görüldü(son + 1, false);
    for (int yer = 0; yer <= son; ++yer) {
        const auto &bu = tahta.YerOf(yer);
        const bool sağlam = yer == tahta.BoşParça()
                                ? bu.Parça == OyunTahtası::ParçaYok
                                : bu.Parça >= 0 && bu.Parça < son && !görüldü[bu.Parça] &&
                                      bu.Tag == QString::number(bu.Parça);
        FuzzGerekli(sağlam, "a place that breaks the board",
                    [&] { return Tahtası(tahta) + " at " + QByteArray::number(yer); });
        if (yer != tahta.BoşParça())
            görüldü[bu.Parça] = true;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *veri, std::size_t boyut) {
    if (boyut == 0)
        return 0;
    const QByteArray tümü = FuzzBaytları(veri, boyut);
    const int kenar = KenarOf(veri[0]);
    const qsizetype ayraç = tümü.indexOf('\0', 1);
    const QByteArray satırMetni = tümü.mid(1, ayraç < 0 ? -1 : ayraç - 1);
    const QByteArray tıklar = ayraç < 0 ? QByteArray() : tümü.mid(ayraç + 1);
    AyarListesi satırlar;
    for (const QByteArray &değer :
         satırMetni.isEmpty() ? QList<QByteArray>() : satırMetni.split('\n'))
        satırlar.emplace_back(QString("Foto-%1").arg(satırlar.size()), QString::fromUtf8(değer));

    const auto düzen = KayıtlıDüzeniÇöz(satırlar, kenar);
    if (!düzen)
        return 0;
    const int yerSayısı = kenar * kenar, son = yerSayısı - 1;
    FuzzGerekli(int(satırlar.size()) == yerSayısı && int(düzen->Parçalar.size()) == yerSayısı &&
                    int(düzen->Etiketler.size()) == yerSayısı && düzen->BoşParça >= 0 &&
                    düzen->BoşParça < yerSayısı && düzen->Parçalar[düzen->BoşParça] == -1,
                "an arrangement of the wrong size or without its empty place");
    for (int yer = 0; yer < yerSayısı; ++yer)
        FuzzGerekli(KayıtDeğeri(yer, düzen->BoşParça, düzen->Etiketler[yer]) ==
                        satırlar[yer].second,
                    "saving the board again would change a row");
    if (kenar < 2 || kenar > 16)
        return 0; // no board of that size exists

    // Put back as the load does: a blank board, then place by place.
    OyunTahtası tahta(kenar);
    tahta.BoşGöster(kenar);
    for (int yer = 0; yer < yerSayısı; ++yer)
        if (düzen->Parçalar[yer] < 0)
            tahta.BoşYeriKur(yer);
        else
            tahta.YeriKur(yer, düzen->Parçalar[yer], düzen->Etiketler[yer]);
    FuzzGerekli(tahta.BoşParça() == düzen->BoşParça, "the empty place moved");
    Sağlam(tahta);

    for (const char tık : tıklar) {
        const int yer = static_cast<unsigned char>(tık) % yerSayısı, boş = tahta.BoşParça();
        const int parça = tahta.YerOf(yer).Parça;
        const bool taşındı = tahta.Taşı(yer);
        FuzzGerekli(taşındı == KomşuMu(yer, boş, kenar), "a move refused or allowed wrongly");
        if (!taşındı)
            continue;
        FuzzGerekli(tahta.BoşParça() == yer && tahta.YerOf(boş).Parça == parça,
                    "the piece did not slide into the empty place");
        Sağlam(tahta);
        if (!tahta.TamamlandıMı())
            continue;
        // The congratulation is earned only by a whole picture.
        bool yerinde = tahta.BoşParça() == son;
        for (int k = 0; k < son; ++k)
            yerinde = yerinde && tahta.YerOf(k).Parça == k;
        FuzzGerekli(yerinde, "a game completed with pieces out of place",
                    [&] { return Tahtası(tahta); });
        break;
    }
    return 0;
}
