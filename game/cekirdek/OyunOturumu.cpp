// SPDX-License-Identifier: GPL-3.0-or-later
// The game session: the grid, the deal, moves, completion, the clock and the saved game.
#include "game/cekirdek/OyunOturumu.h"

#include "game/cekirdek/AyarDegeri.h"
#include "game/cekirdek/Dagitim.h"
#include "game/cekirdek/KayitliOyun.h"
#include "toolkit/HataPolitikasi.h"

#include <utility>

OyunOturumu::OyunOturumu(AyarDeposuArayüzü &ayarlar, std::unique_ptr<SaatKaynağı> saat,
                         QObject *ebeveyn)
    : QObject(ebeveyn), ayarlar_(ayarlar), saat_(std::move(saat)) {
    saat_->Saniye = [this] {
        HataKapanı adım(HataTarzı::YoksayVeDevamEt);
        adım([&] { SaniyeGeçti(); });
    };
}

OyunOturumu::~OyunOturumu() = default;

void OyunOturumu::RastgeleKaynağıKur(std::unique_ptr<RastgeleKaynak> kaynak) {
    rastgele_ = std::move(kaynak);
}

void OyunOturumu::SaatiÇalıştır(bool çalışsın) {
    saatÇalışıyor_ = çalışsın;
    saat_->Çalıştır(çalışsın);
}

void OyunOturumu::BölmeyiOku() {
    bölme_ = 0;
    const int seçim =
        TamSayıDeğeri(ayarlar_.Oku(Anahtar::SonBölme, QStringLiteral("0")), -32768, 32767);
    if (seçim < 0 || seçim > 2)
        throw ÇalışmaHatası(ÇalışmaHatası::DizinAralıkDışı);
    bölme_ = seçim;
}

void OyunOturumu::BölmeyiKaydet() { ayarlar_.Yaz(Anahtar::SonBölme, QString::number(bölme_)); }

Dağıtılan OyunOturumu::BölmeyiSeç(int bölme) {
    const int kenar = KenarParçaSayısıOf(bölme);
    bölme_ = bölme;
    const bool oyunVardı = sürüyor_;
    SıralıGöster(kenar);
    return oyunVardı ? YeniOyun() : Dağıtılan::Yok;
}

// A board in order is no game: one that ran stops here, its clock with it.
void OyunOturumu::SıralıGöster(int kenar) {
    tahta_.SıralıGöster(kenar);
    if (sürüyor_) {
        sürüyor_ = geriYüklendi_ = false;
        SaatiÇalıştır(false);
    }
    emit BoardShown();
}

void OyunOturumu::SayaçlarıSıfırla() {
    süre_.Sıfırla();
    hamle_ = 0;
}

Dağıtılan OyunOturumu::YeniOyun() {
    if (fotoğrafYolda_)
        return Dağıtılan::Yok;
    if (!fotoğrafVar_)
        return Dağıtılan::FotoğrafYok;
    // Seeded at the first deal: a start that restores a game or only shows the photo never
    // needs it.
    if (!rastgele_)
        rastgele_ = std::make_unique<MersenneKaynağı>();
    const std::vector<int> dağıtım = Dağıtım(tahta_.KenarParçaSayısı(), *rastgele_);
    // A deal before the last completion was seen ends that one first.
    if (std::exchange(tamamlandı_, false))
        OkunanıSil();
    SayaçlarıSıfırla();
    tahta_.Dağıt(dağıtım);
    YeniDağıtım();
    sürüyor_ = true;
    geriYüklendi_ = false;
    SaatiÇalıştır(true);
    emit Dealt();
    return Dağıtılan::Oyun;
}

Dağıtılan OyunOturumu::Tıkla(int yer) {
    if (!sürüyor_)
        return YeniOyun();
    const int boş = tahta_.BoşParça();
    if (!tahta_.Taşı(yer)) {
        emit MoveRefused(yer);
        return Dağıtılan::Yok;
    }
    ++hamle_;
    emit Moved(yer, boş);
    if (!tahta_.TamamlandıMı())
        return Dağıtılan::Yok;

    sürüyor_ = geriYüklendi_ = false;
    SaatiÇalıştır(false);
    tahta_.SonParçayıKoy();
    tamamlandı_ = true;
    emit Completed(süre_, hamle_);
    return Dağıtılan::Yok;
}

void OyunOturumu::TebrikGörüldü() {
    if (!std::exchange(tamamlandı_, false))
        return;
    SayaçlarıSıfırla();
    emit Ended();
    OkunanıSil();
}

int OyunOturumu::OklaTıklanan(Ok ok) const {
    const int yer = OklaTaşınanYer(tahta_.BoşParça(), tahta_.KenarParçaSayısı(), ok);
    return yer == OyunTahtası::ParçaYok ? tahta_.BoşParça() : yer;
}

void OyunOturumu::SaniyeGeçti() {
    if (!saatÇalışıyor_)
        return;
    // The clock reads 24 hours until the player has read why it starts again.
    if (süre_.Tıkla()) {
        SaatiÇalıştır(false);
        emit DayFull();
        return;
    }
    emit Ticked();
}

void OyunOturumu::GünDoluGörüldü() {
    if (!sürüyor_ || saatÇalışıyor_)
        return;
    süre_.Sıfırla();
    SaatiÇalıştır(true);
    emit Ticked();
}

// Every place as the saved game left it. The rows are checked as a whole first: rows that are
// not a valid arrangement for this grid are deleted and the photo is shown with no game running
// rather than a half-restored board.
void OyunOturumu::KayıtlıDüzeniKur() {
    const int kenar = tahta_.KenarParçaSayısı();
    const std::optional<KayıtlıDüzen> düzen = KayıtlıDüzeniÇöz(okunan_, kenar);
    if (!düzen) {
        OkunanıSil();
        okunan_.clear();
        SıralıGöster(kenar);
        throw ÇalışmaHatası(ÇalışmaHatası::DizinAralıkDışı);
    }
    tahta_.BoşGöster(kenar);
    for (int yer = 0; yer < kenar * kenar; ++yer) {
        const int parça = düzen->Parçalar.at(static_cast<std::size_t>(yer));
        if (parça < 0)
            tahta_.BoşYeriKur(yer);
        else
            tahta_.YeriKur(yer, parça, düzen->Etiketler.at(static_cast<std::size_t>(yer)));
    }
}

// The rows are taken as they stand when the load asks for them, before anything of this run
// is written.
void OyunOturumu::KayıtlıOyunuGeriYükle(HataKapanı &adım) {
    kayıtlıOyunBekliyor_ = false;
    adım([&] { okunan_ = ayarlar_.Bölüm(Anahtar::Oyun); });
    if (okunan_.empty())
        return;
    if (fotoğrafYolda_) {
        kayıtlıOyunBekliyor_ = true;
        return;
    }
    if (!adım([&] { KayıtlıDüzeniKur(); }))
        return;
    const auto oku = [&](const AyarAnahtarı &anahtar, int enÇok) {
        return TamSayıDeğeri(ayarlar_.Oku(anahtar, QStringLiteral("0")), 0, enÇok);
    };
    SayaçlarıSıfırla();
    adım([&] { süre_.Saniye = static_cast<std::uint8_t>(oku(Anahtar::Saniye, 255)); });
    adım([&] { süre_.Dakika = static_cast<std::uint8_t>(oku(Anahtar::Dakika, 255)); });
    adım([&] { süre_.Saat = static_cast<std::uint8_t>(oku(Anahtar::Saat, 255)); });
    adım([&] { hamle_ = oku(Anahtar::Hamle, 2147483647); });
    YeniDağıtım();
    sürüyor_ = true;
    geriYüklendi_ = true;
    SaatiÇalıştır(true);
    emit Dealt();
}

void OyunOturumu::YeniDağıtım() {
    ++dağıtımNumarası_;
    enAzHamle_.reset();
    yardımlı_ = false;
}

void OyunOturumu::EnAzHamleBulundu(std::uint64_t dağıtım, int hamle) {
    if (dağıtım == dağıtımNumarası_ && sürüyor_ && !geriYüklendi_)
        enAzHamle_ = hamle;
}

bool OyunOturumu::KayıtlıOyundanVazgeç() { return std::exchange(kayıtlıOyunBekliyor_, false); }

// "Oyun\Bilgiler", then "Oyun"; a section already gone is no error worth telling.
void OyunOturumu::KayıtlıOyunuSil() {
    HataKapanı adım(HataTarzı::YoksayVeDevamEt);
    adım([&] { ayarlar_.Sil(Anahtar::Bilgiler); });
    adım([&] { ayarlar_.Sil(Anahtar::Oyun); });
}

void OyunOturumu::Kaydet() {
    if (!sürüyor_)
        return;
    HataKapanı adım(HataTarzı::YoksayVeDevamEt);
    const auto yaz = [&](const AyarAnahtarı &anahtar, const QString &değer) {
        adım([&] { ayarlar_.Yaz(anahtar, değer); });
    };
    AyarListesi eski;
    adım([&] { eski = ayarlar_.Bölüm(Anahtar::Oyun); });
    if (!eski.empty())
        KayıtlıOyunuSil();
    for (int yer = 0; yer < tahta_.YerSayısı(); ++yer)
        yaz(Anahtar::Yer(yer), KayıtDeğeri(yer, tahta_.BoşParça(), tahta_.YerOf(yer).Tag));
    yaz(Anahtar::Saniye, QString::number(süre_.Saniye));
    yaz(Anahtar::Dakika, QString::number(süre_.Dakika));
    yaz(Anahtar::Saat, QString::number(süre_.Saat));
    yaz(Anahtar::Hamle, QString::number(hamle_));
}

void OyunOturumu::OkunanıSil() {
    if (!okunan_.empty())
        KayıtlıOyunuSil();
}
