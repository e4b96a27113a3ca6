// SPDX-License-Identifier: GPL-3.0-or-later
// The game session: deal, moves, completion, the clock and the saved game.
#include "game/OyunOturumu.h"

#include "game/AyarDegeri.h"
#include "game/Dagitim.h"
#include "game/KayitliOyun.h"
#include "startup/OrtakDegiskenlerModulu.h"
#include "toolkit/HataPolitikasi.h"

namespace {

const QString Oyun = QStringLiteral("Oyun");
const QString Bilgiler = QStringLiteral("Oyun\\Bilgiler");

// "Oyun\Bilgiler", then "Oyun"; a section already gone is no error worth telling.
void KayıtlıOyunuSil() {
    HataKapanı adım(HataTarzı::YoksayVeDevamEt);
    adım([] { DeleteSetting(UygulamaAdı + QStringLiteral("\\Oyun"), QStringLiteral("Bilgiler")); });
    adım([] { DeleteSetting(UygulamaAdı, Oyun); });
}

} // namespace

OyunOturumu::OyunOturumu(QObject *ebeveyn) : QObject(ebeveyn) {}

OyunOturumu::~OyunOturumu() = default;

void OyunOturumu::RastgeleKaynağıKur(std::unique_ptr<RastgeleKaynak> kaynak) {
    rastgele_ = std::move(kaynak);
}

void OyunOturumu::SıralıGöster(int kenar) {
    tahta_.SıralıGöster(kenar);
    emit BoardShown();
}

void OyunOturumu::BoşGöster(int kenar) {
    tahta_.BoşGöster(kenar);
    emit BoardShown();
}

void OyunOturumu::SayaçlarıSıfırla() {
    süre_.Sıfırla();
    hamle_ = 0;
}

void OyunOturumu::YeniOyun() {
    // Seeded at the first deal: a start that restores a game or only shows the photo never
    // needs it.
    if (!rastgele_)
        rastgele_ = std::make_unique<MersenneKaynağı>();
    const std::vector<int> dağıtım = Dağıtım(tahta_.KenarParçaSayısı(), *rastgele_);
    SayaçlarıSıfırla();
    tahta_.Dağıt(dağıtım);
    sürüyor_ = true;
    geriYüklendi_ = false;
    emit Dealt();
}

void OyunOturumu::Tıkla(int yer) {
    if (!sürüyor_)
        return;
    const int boş = tahta_.BoşParça();
    if (!tahta_.Taşı(yer)) {
        emit MoveRefused(yer);
        return;
    }
    ++hamle_;
    emit Moved(yer, boş);
    if (!tahta_.TamamlandıMı())
        return;

    sürüyor_ = false;
    geriYüklendi_ = false;
    tahta_.SonParçayıKoy();
    emit Completed(süre_, hamle_);
    SayaçlarıSıfırla();
    emit Ended();
    OkunanıSil();
}

int OyunOturumu::OklaTıklanan(Ok ok) const {
    const int yer = OklaTaşınanYer(tahta_.BoşParça(), tahta_.KenarParçaSayısı(), ok);
    return yer == OyunTahtası::ParçaYok ? tahta_.BoşParça() : yer;
}

void OyunOturumu::SaniyeGeçti() {
    // While the 24-hour message is open the clock still reads 24 hours; a second delivered by
    // the message's own event loop would announce the reset a second time.
    if (günDoldu_)
        return;
    if (süre_.Tıkla()) {
        günDoldu_ = true;
        emit DayFull();
        günDoldu_ = false;
        süre_.Sıfırla();
    }
    emit Ticked();
}

bool OyunOturumu::KayıtlıOyunuOku() {
    okunan_ = GetAllSettings(UygulamaAdı, Oyun);
    return !okunan_.empty();
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
    for (int yer = 0; yer < kenar * kenar; ++yer) {
        const int parça = düzen->Parçalar.at(static_cast<std::size_t>(yer));
        if (parça < 0)
            tahta_.BoşYeriKur(yer);
        else
            tahta_.YeriKur(yer, parça, düzen->Etiketler.at(static_cast<std::size_t>(yer)));
    }
}

bool OyunOturumu::KayıtlıOyunuKur(HataKapanı &adım) {
    if (!adım([&] { KayıtlıDüzeniKur(); }))
        return false;
    const auto oku = [&](const char *anahtar, int enÇok) {
        return TamSayıDeğeri(
            GetSetting(UygulamaAdı, Bilgiler, QString::fromLatin1(anahtar), QStringLiteral("0")), 0,
            enÇok);
    };
    SayaçlarıSıfırla();
    adım([&] { süre_.Saniye = static_cast<std::uint8_t>(oku("Saniye Bilgisi", 255)); });
    adım([&] { süre_.Dakika = static_cast<std::uint8_t>(oku("Dakika Bilgisi", 255)); });
    adım([&] { süre_.Saat = static_cast<std::uint8_t>(oku("Saat Bilgisi", 255)); });
    adım([&] { hamle_ = oku("Hamle Bilgisi", 2147483647); });
    sürüyor_ = true;
    geriYüklendi_ = true;
    emit Dealt();
    return true;
}

void OyunOturumu::Kaydet() {
    if (!sürüyor_)
        return;
    HataKapanı adım(HataTarzı::YoksayVeDevamEt);
    const auto yaz = [&](const QString &bölüm, const QString &anahtar, const QString &değer) {
        adım([&] { SaveSetting(UygulamaAdı, bölüm, anahtar, değer); });
    };
    AyarListesi eski;
    adım([&] { eski = GetAllSettings(UygulamaAdı, Oyun); });
    if (!eski.empty())
        KayıtlıOyunuSil();
    for (int yer = 0; yer < tahta_.YerSayısı(); ++yer)
        yaz(Oyun, QStringLiteral("Foto-%1").arg(yer),
            KayıtDeğeri(yer, tahta_.BoşParça(), tahta_.YerOf(yer).Tag));
    yaz(Bilgiler, QStringLiteral("Saniye Bilgisi"), QString::number(süre_.Saniye));
    yaz(Bilgiler, QStringLiteral("Dakika Bilgisi"), QString::number(süre_.Dakika));
    yaz(Bilgiler, QStringLiteral("Saat Bilgisi"), QString::number(süre_.Saat));
    yaz(Bilgiler, QStringLiteral("Hamle Bilgisi"), QString::number(hamle_));
}

void OyunOturumu::OkunanıSil() {
    if (!okunan_.empty())
        KayıtlıOyunuSil();
}
