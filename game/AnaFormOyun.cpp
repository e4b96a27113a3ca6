// SPDX-License-Identifier: GPL-3.0-or-later
// Playing: the deal, moves and completion, the clock, the save option, the commands and closing.
#include "game/AnaForm.h"

#include "about/HakkindaFormu.h"
#include "chooser/FotografSecFormu.h"
#include "game/Dagitim.h"
#include "game/DegerEtiketi.h"
#include "game/KayitliOyun.h"
#include "game/OyunErisimi.h"
#include "game/SesOynatici.h"
#include "resources/DizgiTablosu.h"
#include "startup/OrtakDegiskenlerModulu.h"
#include "startup/OrtakYordamlarModulu.h"
#include "toolkit/HataPolitikasi.h"
#include "toolkit/MesajKutusu.h"
#include "toolkit/Twip.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLocale>
#include <QPushButton>

namespace {

const QString SıfırSüre = QStringLiteral("00:00:00");

// A check box's Value as the store keeps it.
QString OnayDeğeri(const QCheckBox *onay) {
    return onay->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
}

} // namespace

// The clock back to "00:00:00" and the moves to "0", each as a step of the caller's trap.
void AnaForm::SayaçlarıSıfırla(HataKapanı &adım) {
    adım([&] {
        Süre.Sıfırla();
        DeğeriGöster(1, SıfırSüre, 0);
    });
    adım([&] {
        HamleSayısı = 0;
        DeğeriGöster(3, QStringLiteral("0"), 0);
    });
}

void AnaForm::YeniOyunDüğmesi_Click() {
    HataKapanı adım(HataTarzı::BildirVeDevamEt);

    bool fotoğrafVar = true;
    adım([&] { fotoğrafVar = OrjinalFotoğrafKutusu->HasPicture(); });
    if (!fotoğrafVar) {
        adım([] { MesajıOrtala(); });
        adım([] { MsgBox(LoadResString(1000), BilgiSimgesi); });
        adım([&] { YeniFotoğrafDüğmesi->setFocus(); });
        return;
    }

    SayaçlarıSıfırla(adım);
    std::vector<int> dağıtım;
    adım([&] {
        // Seeded at the first deal: a start that restores a game or only shows the photo
        // never needs it.
        if (!rastgele_)
            rastgele_ = std::make_unique<MersenneKaynağı>();
        dağıtım = Dağıtım(Tahta.KenarParçaSayısı(), *rastgele_);
    });
    adım([&] { Tahta.Dağıt(dağıtım); });
    adım([&] { TahtayıGöster(); });
    adım([&] { SüreHesapla.SetInterval(1000); });
    // The keyboard player plays on at once with the arrow keys.
    adım([&] { OyunAlanı->setFocus(); });
    adım([&] { OyunDağıtıldı(OyunAlanı, Tahta.KenarParçaSayısı()); });
    // Repaints and clicks that arrived during the deal run now, against the finished board.
    adım([] { QCoreApplication::processEvents(); });
}

void AnaForm::DağınıkParçalar_Click(int Index) {
    HataKapanı adım(HataTarzı::BildirVeDevamEt);

    if (SüreHesapla.Interval() == 0) {
        YeniOyunDüğmesi_Click();
        return;
    }

    const int boş = Tahta.BoşParça();
    bool taşındı = false;
    adım([&] { taşındı = Tahta.Taşı(Index); });
    if (!taşındı) {
        adım([&] { HamleReddedildi(OyunAlanı); });
        adım([&] { SesÇal(QStringLiteral("DUR")); });
        return;
    }

    adım([&] { ParçaTaşındı(DağınıkParçalar(boş)); });
    adım([&] { YeriGöster(boş); });
    adım([&] { YeriGöster(Index); }); // blank, in the empty-place colour
    adım([&] {
        ++HamleSayısı;
        DeğeriGöster(3, QString::number(HamleSayısı), HamleSayısı);
    });
    adım([&] { SesÇal(QStringLiteral("TAMAM")); });

    bool tamam = false;
    adım([&] { tamam = Tahta.TamamlandıMı(); });
    if (!tamam)
        return;

    adım([&] { SüreHesapla.SetInterval(0); });
    adım([&] {
        Tahta.SonParçayıKoy();
        YeriGöster(Tahta.YerSayısı() - 1);
    });
    adım([&] { SesÇal(QStringLiteral("TEBRIK")); });
    adım([] { MesajıOrtala(); });
    adım([&] { MsgBox(TebrikMetni(Süre, HamleSayısı), BilgiSimgesi); });
    SayaçlarıSıfırla(adım);
    if (!KayıtlıOyun.empty())
        KayıtlıOyunuSil();
}

// An arrow key plays as a click on the place whose piece it moves. An arrow with no piece on its
// side stands for a click on the empty place, which is refused the same way; with no game
// running any click deals.
void AnaForm::OyunAlanı_KeyDown(Ok ok) {
    const int yer = OklaTaşınanYer(Tahta.BoşParça(), Tahta.KenarParçaSayısı(), ok);
    DağınıkParçalar_Click(yer == OyunTahtası::ParçaYok ? Tahta.BoşParça() : yer);
}

void AnaForm::SüreHesapla_Timer() {
    // While the 24-hour message is open the clock still reads 24 hours; a tick delivered by the
    // box's own event loop would announce the reset a second time.
    if (yirmiDörtSaatMesajıAçık_)
        return;

    HataKapanı adım(HataTarzı::YoksayVeDevamEt);
    bool doldu = false;
    adım([&] { doldu = Süre.Tıkla(); });
    if (doldu) {
        yirmiDörtSaatMesajıAçık_ = true;
        adım([] { MesajıOrtala(); });
        adım([] { MsgBox(LoadResString(1400), BilgiSimgesi); });
        yirmiDörtSaatMesajıAçık_ = false;
        adım([&] { Süre.Sıfırla(); });
    }
    adım([&] { SüreyiGöster(); });
}

void AnaForm::SüreyiGöster() {
    DeğeriGöster(1, UzunSaat(QLocale(), Süre.Saat, Süre.Dakika, Süre.Saniye),
                 Süre.Saat * 3600 + Süre.Dakika * 60 + Süre.Saniye);
}

void AnaForm::DeğeriGöster(int etiket, const QString &metin, double sayı) {
    static_cast<DeğerEtiketi *>(Etiket.at(etiket))->DeğeriYaz(metin, sayı);
}

void AnaForm::OyunuKaydetOnayı_Click() {
    HataKapanı adım(HataTarzı::YoksayVeDevamEt);
    bool sil = false;
    adım([&] { sil = !OyunuKaydetOnayı->isChecked() && !KayıtlıOyun.empty(); });
    if (sil)
        KayıtlıOyunuSil();
}

void AnaForm::ÇıkışDüğmesi_Click() { close(); }

void AnaForm::YeniFotoğrafDüğmesi_Click() {
    FotoğrafSeçFormu form(*this);
    connect(&form, &FotografSecFormu::FotografSecildi, this,
            [this](const QString &yol, const QImage &resim, QSize doğalBoyut) {
                FotoğrafıAç(yol, Fotoğraf{resim, doğalBoyut});
            });
    form.exec();
}

void AnaForm::HakkındaDüğmesi_Click() {
    HakkındaFormu form(this);
    form.exec();
}

void AnaForm::Form_QueryUnload(bool &Cancel, KapanmaNedeni UnloadMode) {
    HataKapanı adım(HataTarzı::YoksayVeDevamEt);

    if (UnloadMode == KapanmaNedeni::KullanıcıKomutu) {
        // A box centred on a minimised window would stand over its icon's place, off screen.
        adım([&] {
            if (!isMinimized())
                MesajıOrtala();
        });
        int yanıt = EvetYanıtı;
        adım([&] { yanıt = MsgBox(LoadResString(1500), EvetHayırDüğmeleri | SoruSimgesi); });
        if (yanıt == HayırYanıtı) {
            Cancel = true;
            return;
        }
    }
    KapanırkenKaydet();
}

void AnaForm::SesÇal(const QString &ad) {
    if (!SesleriKapatOnayı->isChecked())
        ses_->Çal(ad);
}

void AnaForm::KayıtlıOyunuSil() {
    HataKapanı adım(HataTarzı::YoksayVeDevamEt);
    adım([] { DeleteSetting(UygulamaAdı + QStringLiteral("\\Oyun"), QStringLiteral("Bilgiler")); });
    adım([] { DeleteSetting(UygulamaAdı, QStringLiteral("Oyun")); });
}

void AnaForm::KapanırkenKaydet() {
    // One write for the whole save: a crash or a full disk half-way leaves the previous file,
    // never a board that disagrees with its photo or split.
    AyarToplusu toplu;
    HataKapanı adım(HataTarzı::YoksayVeDevamEt);
    const QString ayarlar = QStringLiteral("Ayarlar");
    const auto yaz = [&](const QString &bölüm, const QString &anahtar, const QString &değer) {
        adım([&] { SaveSetting(UygulamaAdı, bölüm, anahtar, değer); });
    };

    if (!(windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen))) {
        yaz(ayarlar, QStringLiteral("Sol Bosluk"), QString::number(x() * TwipBaşınaPiksel));
        yaz(ayarlar, QStringLiteral("Ust Bosluk"), QString::number(y() * TwipBaşınaPiksel));
    }
    yaz(ayarlar, QStringLiteral("Son Bolme"), QString::number(BölmeSeçimi));
    yaz(ayarlar, QStringLiteral("Son Fotograf"), FotoğrafYolu);
    yaz(ayarlar, QStringLiteral("Ornek Goster"), OnayDeğeri(FotoğrafınÖrneğiniGöster));
    yaz(ayarlar, QStringLiteral("Oyunu Kaydet"), OnayDeğeri(OyunuKaydetOnayı));
    yaz(ayarlar, QStringLiteral("Sesleri Kapat"), OnayDeğeri(SesleriKapatOnayı));

    if (SüreHesapla.Interval() <= 0 || !OyunuKaydetOnayı->isChecked())
        return;

    AyarListesi eski;
    adım([&] { eski = GetAllSettings(UygulamaAdı, QStringLiteral("Oyun")); });
    if (!eski.empty())
        KayıtlıOyunuSil();

    const QString oyun = QStringLiteral("Oyun");
    for (int yer = 0; yer < Tahta.YerSayısı(); ++yer)
        yaz(oyun, QStringLiteral("Foto-%1").arg(yer),
            KayıtDeğeri(yer, Tahta.BoşParça(), Tahta.YerOf(yer).Tag));

    const QString bilgiler = QStringLiteral("Oyun\\Bilgiler");
    yaz(bilgiler, QStringLiteral("Saniye Bilgisi"), QString::number(Süre.Saniye));
    yaz(bilgiler, QStringLiteral("Dakika Bilgisi"), QString::number(Süre.Dakika));
    yaz(bilgiler, QStringLiteral("Saat Bilgisi"), QString::number(Süre.Saat));
    yaz(bilgiler, QStringLiteral("Hamle Bilgisi"), QString::number(HamleSayısı));
}
