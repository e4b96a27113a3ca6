// SPDX-License-Identifier: GPL-3.0-or-later
// Opening a photo: the chooser's OK, the command line, a later start and a photo dropped on the
// window all end here.
#include "game/AnaForm.h"

#include "chooser/KlasorIcerigi.h"
#include "game/DisFotografYukleyici.h"
#include "resources/DizgiTablosu.h"
#include "startup/OrtakDegiskenlerModulu.h"
#include "startup/OrtakYordamlarModulu.h"
#include "toolkit/DosyaAdresi.h"
#include "toolkit/HataPolitikasi.h"
#include "toolkit/MesajKutusu.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>

namespace {

// The one photo file a drag carries; empty when it carries anything else (several files, a
// folder, a file of another kind or of another machine, text).
QString SürüklenenFotoğraf(const QMimeData *veri) {
    if (!veri || !veri->hasUrls() || veri->urls().size() != 1)
        return {};
    const QString yol = YerelDosyaYolu(veri->urls().constFirst());
    if (yol.isEmpty())
        return {};
    const QFileInfo dosya(yol);
    return dosya.isFile() && FotoğrafDosyasıMı(dosya.fileName()) ? dosya.absoluteFilePath()
                                                                 : QString();
}

// The file as a box names it: a path of thousands of characters keeps its two ends.
QString GösterilecekAd(const QString &ad) {
    constexpr qsizetype yarısı = 120;
    return ad.size() <= 2 * yarısı ? ad : ad.left(yarısı) + u'…' + ad.right(yarısı);
}

// Why a photo from outside was refused, in the player's words.
QString RetMetni(const QString &ad, int hata) {
    int neden = 3110; // not a photo
    if (GöreliYolMu(ad))
        neden = 3420; // a request over the bus that named no folder
    else if (hata == ÇalışmaHatası::DosyaBulunamadı || hata == ÇalışmaHatası::YolBulunamadı)
        neden = 3140;
    else if (hata == ÇalışmaHatası::DosyaErişimHatası)
        neden = 3120;
    else if (hata == ÇalışmaHatası::YetersizBellek)
        neden = 3130;
    return LoadResString(3100) + GösterilecekAd(ad) + u'\n' + LoadResString(neden);
}

} // namespace

void AnaForm::FotoğrafıAç(const QString &yol, const std::optional<Fotoğraf> &yüklü) {
    // The chooser hands over what it has loaded. Anything else comes from outside the game and
    // is decoded on a worker, so that no file keeps the window frozen, and answered one at a
    // time; only a file named as a photo is looked at, and its content says what it is.
    if (yüklü) {
        if (!Oturum.KayıtlıOyunBekliyor() || OyunuBırakmayaRazıMı(yol))
            FotoğrafıKullan(yol, *yüklü);
        return;
    }
    if (!dışFotoğraflar_) {
        dışFotoğraflar_ = std::make_unique<DışFotoğrafYükleyici>(
            this, [this](const QString &ad, const std::optional<Fotoğraf> &foto, int hata) {
                DışFotoğrafıAl(ad, foto, hata);
            });
    }
    // What is not a full path is a URI of another machine: there is no file here to look at.
    const bool burada = QFileInfo(yol).isAbsolute();
    const bool fotoğrafAdı = FotoğrafDosyasıMı(QFileInfo(yol).fileName());
    dışFotoğraflar_->İste(yol, [yol, burada, fotoğrafAdı, enAz = TahtaÇözünürlüğü()] {
        if (!burada)
            throw ÇalışmaHatası(ÇalışmaHatası::DosyaBulunamadı);
        if (!fotoğrafAdı)
            throw ÇalışmaHatası(ÇalışmaHatası::GeçersizResim);
        return LoadPicture(yol, enAz);
    });
}

void AnaForm::DışFotoğrafıAl(const QString &yol, const std::optional<Fotoğraf> &fotoğraf,
                             int hata) {
    HataKapanı adım(HataTarzı::BildirVeDevamEt);
    if (!fotoğraf) {
        adım([] { MesajıOrtala(); });
        adım([&] { MsgBox(RetMetni(yol, hata), BilgiSimgesi); });
        return;
    }
    if ((Oturum.HamleVarMı() || Oturum.KayıtlıOyunBekliyor()) && !OyunuBırakmayaRazıMı(yol))
        return;
    FotoğrafıKullan(yol, *fotoğraf);
}

// Only the player throws a game away: a photo from outside asks first, and so does any photo
// while a saved game still waits for the last one (nothing of it is on the board to be seen).
// "Hayır" (also the default answer) leaves board, clock, moves and the saved game as they are.
bool AnaForm::OyunuBırakmayaRazıMı(const QString &yol) {
    HataKapanı adım(HataTarzı::BildirVeDevamEt);
    int yanıt = HayırYanıtı;
    adım([] { MesajıOrtala(); });
    adım([&] {
        yanıt = MsgBox(LoadResString(3000) + QStringLiteral("\n\n") + GösterilecekAd(yol),
                       SoruSimgesi | EvetHayırDüğmeleri | İkinciDüğmeVarsayılan);
    });
    return yanıt == EvetYanıtı;
}

void AnaForm::FotoğrafıKullan(const QString &yol, Fotoğraf fotoğraf) {
    HataKapanı adım(HataTarzı::BildirVeDevamEt);
    // A saved game that waited for the last photo counts as the game it would have become: the
    // player has agreed to leave it, and the new photo gets a new game, as over a restored one.
    const bool oyunBekliyordu = SonFotoğraftanVazgeç();
    adım([&] { FotoğrafYolu = yol; });
    adım([&] { FotoğrafıKoy(std::move(fotoğraf.Resim), fotoğraf.DoğalBoyut); });
    adım([&] { ParçalaraBölSeçeneği_Click(Oturum.Bölme()); });
    if (oyunBekliyordu)
        adım([&] { YeniOyunDüğmesi_Click(); });
}

// The drag cursor tells the player at once whether a drop would be taken.
void AnaForm::dragEnterEvent(QDragEnterEvent *olay) {
    if (!SürüklenenFotoğraf(olay->mimeData()).isEmpty())
        olay->acceptProposedAction();
}

// The drop is over at once: the photo is looked at off the window's thread, and a refusal's
// box never holds up the program that it was dragged from.
void AnaForm::dropEvent(QDropEvent *olay) {
    const QString yol = SürüklenenFotoğraf(olay->mimeData());
    if (yol.isEmpty())
        return;
    olay->acceptProposedAction();
    FotoğrafıAç(yol);
}
