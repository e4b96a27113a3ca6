// SPDX-License-Identifier: GPL-3.0-or-later
// Playing: the deal, moves and completion, the clock, the save option, the commands and closing.
#include "game/AnaForm.h"

#include "about/HakkindaFormu.h"
#include "chooser/FotografSecFormu.h"
#include "game/DegerEtiketi.h"
#include "game/OyunErisimi.h"
#include "game/SesOynatici.h"
#include "game/cekirdek/RekorMetni.h"
#include "resources/DizgiTablosu.h"
#include "startup/OrtakDegiskenlerModulu.h"
#include "startup/OrtakYordamlarModulu.h"
#include "toolkit/HataPolitikasi.h"
#include "toolkit/MesajKutusu.h"
#include "toolkit/Twip.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>

namespace {

const QString SıfırSüre = QStringLiteral("00:00:00");

// A check box's Value as the store keeps it.
QString OnayDeğeri(const QCheckBox *onay) {
    return onay->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
}

} // namespace

void AnaForm::OturumuBağla() {
    connect(&Oturum, &OyunOturumu::BoardShown, this, [this] { TahtayıGöster(); });
    connect(&Oturum, &OyunOturumu::Dealt, this, [this] { OyunDağıtıldı(); });
    connect(&Oturum, &OyunOturumu::Moved, this,
            [this](int from, int to) { HamleYapıldı(from, to); });
    connect(&Oturum, &OyunOturumu::MoveRefused, this, [this] { SesÇal(Ses::Dur); });
    connect(&Oturum, &OyunOturumu::Ticked, this, [this] { SüreyiGöster(); });
    // The boxes are shown once the session's report is over, never inside it.
    connect(
        &Oturum, &OyunOturumu::DayFull, this, [this] { GünDoldu(); }, Qt::QueuedConnection);
    connect(&Oturum, &OyunOturumu::Completed, this,
            [this](const OyunSaati &süre, int hamle) { OyunTamamlandı(süre, hamle); });
    connect(&Oturum, &OyunOturumu::Ended, this, [this] { SayaçlarıGöster(); });
    // The congratulation waits for the last piece to arrive.
    connect(OyunAlanı, &TahtaÇizimi::SlideEnded, this, [this] {
        if (bekleyenTebrik_)
            QMetaObject::invokeMethod(
                this, [this] { TebrikEt(); }, Qt::QueuedConnection);
    });
    OyunErişiminiBağla(Oturum, *OyunAlanı, *SüreEtiketi, *HamleEtiketi);
    İpucuyuBağla();
}

void AnaForm::YeniOyunDüğmesi_Click() {
    BekleyenTebrikiGöster();
    HataKapanı adım(HataTarzı::BildirVeDevamEt);
    Dağıtılan dağıtılan = Dağıtılan::Yok;
    adım([&] { dağıtılan = Oturum.YeniOyun(); });
    DağıtılanıKarşıla(dağıtılan);
}

void AnaForm::DağıtılanıKarşıla(Dağıtılan dağıtılan) {
    HataKapanı adım(HataTarzı::BildirVeDevamEt);
    if (dağıtılan == Dağıtılan::FotoğrafYok) {
        adım([] { MesajıOrtala(); });
        adım([] { MsgBox(LoadResString(1000), BilgiSimgesi); });
        adım([&] { YeniFotoğrafDüğmesi->setFocus(); });
        return;
    }
    if (dağıtılan != Dağıtılan::Oyun)
        return;
    // The keyboard player plays on at once with the arrow keys.
    adım([&] { OyunAlanı->setFocus(); });
    // Repaints and clicks that arrived during the deal run now, against the finished board.
    adım([] { QCoreApplication::processEvents(); });
}

// A dealt or restored game: the counters and the board.
void AnaForm::OyunDağıtıldı() {
    HataKapanı adım(HataTarzı::BildirVeDevamEt);
    adım([&] { SayaçlarıGöster(); });
    adım([&] { TahtayıGöster(); });
}

// A click during a slide plays at once: the slide ends where its piece belongs. One that comes
// while the last piece slides home brings the congratulation instead; the game is over.
void AnaForm::DağınıkParçalar_Click(int Index) {
    if (BekleyenTebrikiGöster())
        return;
    HataKapanı adım(HataTarzı::BildirVeDevamEt);
    Dağıtılan dağıtılan = Dağıtılan::Yok;
    adım([&] { dağıtılan = Oturum.Tıkla(Index); });
    DağıtılanıKarşıla(dağıtılan);
}

void AnaForm::HamleYapıldı(int from, int to) {
    HataKapanı adım(HataTarzı::BildirVeDevamEt);
    adım([&] { OyunAlanı->Kaydır(Oturum.Tahta(), from, to); });
    adım([&] { HamleEtiketi->setText(QString::number(Oturum.HamleSayısı())); });
    adım([&] { SesÇal(Ses::Tamam); });
}

// The text is taken now, while the records, the grid and the deal's fewest moves are still
// this game's; the last piece shows, and the box opens, once the move's slide is over.
void AnaForm::OyunTamamlandı(const OyunSaati &süre, int hamle) {
    HataKapanı adım(HataTarzı::BildirVeDevamEt);
    adım([&] { SesÇal(Ses::Tebrik); });
    QString metin;
    adım([&] { metin = TebrikMetni(süre, hamle); });
    adım([&] {
        metin += TebrikEki(Oturum.SonRekor(), RekorlarıOku(ayarlar_, Oturum.Bölme()),
                           Oturum.Bölme(), Oturum.DağıtımınEnAzHamlesi(), QLocale());
    });
    bekleyenTebrik_ = metin;
    if (!OyunAlanı->KayıyorMu())
        QMetaObject::invokeMethod(
            this, [this] { TebrikEt(); }, Qt::QueuedConnection);
}

bool AnaForm::BekleyenTebrikiGöster() {
    if (!bekleyenTebrik_)
        return false;
    OyunAlanı->KaymayıBitir();
    TebrikEt();
    return true;
}

// The counters show the final values until the box is closed.
void AnaForm::TebrikEt() {
    const auto tebrik = std::exchange(bekleyenTebrik_, std::nullopt);
    if (!tebrik)
        return;
    HataKapanı adım(HataTarzı::BildirVeDevamEt);
    adım([&] { OyunAlanı->Göster(Oturum.Tahta()); });
    adım([] { MesajıOrtala(); });
    adım([&] { MsgBox(*tebrik, BilgiSimgesi); });
    adım([&] { Oturum.TebrikGörüldü(); });
}

// An arrow key plays as a click on the place whose piece it moves; with no game running any
// click deals.
void AnaForm::OyunAlanı_KeyDown(Ok ok) { DağınıkParçalar_Click(Oturum.OklaTıklanan(ok)); }

void AnaForm::GünDoldu() {
    HataKapanı adım(HataTarzı::YoksayVeDevamEt);
    adım([] { MesajıOrtala(); });
    adım([] { MsgBox(LoadResString(1400), BilgiSimgesi); });
    adım([&] { Oturum.GünDoluGörüldü(); });
}

// A game just started, or just over, shows its zero as the literal "00:00:00"; a clock that
// has run shows its count the same way.
void AnaForm::SayaçlarıGöster() {
    const OyunSaati &süre = Oturum.Süre();
    if (süre.Saat == 0 && süre.Dakika == 0 && süre.Saniye == 0)
        SüreEtiketi->setText(SıfırSüre);
    else
        SüreyiGöster();
    HamleEtiketi->setText(QString::number(Oturum.HamleSayısı()));
}

void AnaForm::SüreyiGöster() {
    const OyunSaati &süre = Oturum.Süre();
    SüreEtiketi->setText(SüreMetni(süre.Saat, süre.Dakika, süre.Saniye));
}

void AnaForm::OyunuKaydetOnayı_Click() {
    if (!OyunuKaydetOnayı->isChecked())
        Oturum.OkunanıSil();
}

void AnaForm::ÇıkışDüğmesi_Click() { close(); }

void AnaForm::YeniFotoğrafDüğmesi_Click() {
    FotoğrafSeçFormu form(*this);
    QString alınan;
    connect(&form, &FotografSecFormu::FotografSecildi, this,
            [this, &alınan](const QString &yol, const QImage &resim, QSize doğalBoyut) {
                alınan = yol;
                FotoğrafıAç(yol, Fotoğraf{resim, doğalBoyut});
            });
    const auto dağıtım = Oturum.DağıtımNumarası();
    form.exec();
    // Nothing of it was heard while the chooser stood over the window. A photo the player
    // declined to play (a saved game kept) is no news.
    if (!alınan.isEmpty() && FotoğrafYolu == alınan) {
        const bool dağıtıldı = Oturum.DağıtımNumarası() != dağıtım && Oturum.SürüyorMu();
        FotoğrafAlındı(*OyunAlanı, QFileInfo(alınan).fileName(),
                       dağıtıldı ? Oturum.Tahta().KenarParçaSayısı() : 0);
    }
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
    const bool oyunKaydedilecek = Oturum.SürüyorMu() && OyunuKaydetOnayı->isChecked();
    const int hata = KapanırkenKaydet();
    if (hata != 0)
        adım([&] { Cancel = !KaydetmedenÇıkılsınMı(hata, oyunKaydedilecek); });
}

// A save that failed at close is told, with its reason. A game that was to be saved need not be
// lost: the player may stay and play on (and free some room, say) or leave without it; with only
// the preferences at stake the close goes on.
bool AnaForm::KaydetmedenÇıkılsınMı(int hata, bool oyunKaydedilecek) {
    const int neden = hata == ÇalışmaHatası::DiskDolu  ? 3310
                      : hata == ÇalışmaHatası::İzinYok ? 3311
                                                       : 3312;
    QString metin = LoadResString(oyunKaydedilecek ? 3301 : 3300) + LoadResString(neden);
    if (!isMinimized())
        MesajıOrtala();
    if (!oyunKaydedilecek) {
        MsgBox(metin, HataSimgesi);
        return true;
    }
    metin += QStringLiteral("\n\n") + LoadResString(3320);
    // "Hayır", which loses nothing, is what a hurried Enter chooses.
    return MsgBox(metin, EvetHayırDüğmeleri | HataSimgesi | İkinciDüğmeVarsayılan) == EvetYanıtı;
}

void AnaForm::SesÇal(Ses ses) {
    if (!SesleriKapatOnayı->isChecked())
        ses_->Çal(ses);
}

int AnaForm::KapanırkenKaydet() {
    // One write for the whole save: a crash or a full disk half-way leaves the previous file,
    // never a board that disagrees with its photo or split.
    AyarToplusu toplu;
    // Each step is skipped when it fails and the next runs; the first failure is kept, for the
    // player to learn why nothing was saved.
    int hata = 0;
    const auto adım = [&](auto &&yap) {
        HataKapanı::Kurtar(yap, [&](const ÇalışmaHatası &h) { hata = hata ? hata : h.Numara(); });
    };
    const auto yaz = [&](const AyarAnahtarı &anahtar, const QString &değer) {
        adım([&] { ayarlar_.Yaz(anahtar, değer); });
    };

    if (!(windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen))) {
        yaz(Anahtar::SolBoşluk, QString::number(x() * TwipBaşınaPiksel));
        yaz(Anahtar::ÜstBoşluk, QString::number(y() * TwipBaşınaPiksel));
    }
    adım([&] { Oturum.BölmeyiKaydet(); });
    yaz(Anahtar::SonFotoğraf, FotoğrafYolu);
    yaz(Anahtar::ÖrnekGöster, OnayDeğeri(FotoğrafınÖrneğiniGöster));
    yaz(Anahtar::OyunuKaydet, OnayDeğeri(OyunuKaydetOnayı));
    yaz(Anahtar::SesleriKapat, OnayDeğeri(SesleriKapatOnayı));

    if (OyunuKaydetOnayı->isChecked())
        Oturum.Kaydet();
    adım([&] { toplu.Yaz(); });
    return hata;
}
