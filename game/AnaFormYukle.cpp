// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's load, the split of the photo into pieces, the board's display and the
// sample of the photo.
#include "game/AnaForm.h"

#include "game/ParcaKesici.h"
#include "game/PencereKonumu.h"
#include "game/cekirdek/AyarDegeri.h"
#include "game/cekirdek/Bolme.h"
#include "resources/DizgiTablosu.h"
#include "resources/Kaynaklar.h"
#include "startup/OrtakDegiskenlerModulu.h"
#include "startup/OrtakYordamlarModulu.h"
#include "toolkit/AyarDeposu.h"
#include "toolkit/HataPolitikasi.h"
#include "toolkit/MesajKutusu.h"
#include "toolkit/ResimBicimi.h"
#include "toolkit/ResimYukleyici.h"
#include "toolkit/Twip.h"

#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

namespace {

const QColor BoşYerRengi(255, 255, 192);

// A check box from its stored Value, 0 or 1; anything else leaves the design value.
void OnayıKur(AyarDeposuArayüzü &ayarlar, QCheckBox *onay, const AyarAnahtarı &anahtar,
              int varsayılan) {
    onay->setChecked(TamSayıDeğeri(ayarlar.Oku(anahtar, QString::number(varsayılan)), 0, 1) == 1);
}

QRect PikselDikdörtgeni(const QRect &twip) {
    return TwipDikdörtgeni(twip.x(), twip.y(), twip.width(), twip.height());
}

} // namespace

void AnaForm::Form_Load() {
    HataKapanı adım(HataTarzı::BildirVeDevamEt);
    adım([&] { setWindowIcon(ProgramSimgesi()); });
    adım([&] { FormuYerelleştir(this); });
    adım([&] {
        // The panels take the window's background. Frames of this style are shaded a little
        // lighter than the window, so the panels stop painting and show their frame's inside:
        // they disappear, as intended.
        for (QWidget *altlık : Altlık) {
            QPalette renkler = altlık->palette();
            renkler.setColor(QPalette::Window, palette().color(QPalette::Window));
            altlık->setPalette(renkler);
            altlık->setAutoFillBackground(false);
        }
    });
    adım([&] { OyunAlanı->SetBoşRengi(BoşYerRengi); });
    adım([&] { setWindowTitle(PencereBaşlığı); });
    adım([&] { OnayıKur(ayarlar_, FotoğrafınÖrneğiniGöster, Anahtar::ÖrnekGöster, 1); });
    adım([&] { OnayıKur(ayarlar_, SesleriKapatOnayı, Anahtar::SesleriKapat, 0); });
    adım([&] { OnayıKur(ayarlar_, OyunuKaydetOnayı, Anahtar::OyunuKaydet, 0); });
    adım([&] {
        const QString örnek = ÜrünAdı == QStringLiteral("Mozeta-Tr")
                                  ? QStringLiteral("Sample-1.jpg")
                                  : QStringLiteral("Sample-2.jpg");
        FotoğrafYolu = ayarlar_.Oku(Anahtar::SonFotoğraf, ProgramKlasörü + örnek);
    });
    // A photo that has gone is passed over silently; one that is there but cannot be read is
    // reported like any failing step. Either way the player starts without a photo and can
    // choose another. The photo decodes on a worker: one of today's camera sizes is there within
    // a fraction of a second and is waited for, so the window first shows with it; a larger one
    // lets the window show first, its board blank, and comes with the grid and the saved game
    // once it is ready (SonFotoğrafGeldi).
    if (YolVarMı(FotoğrafYolu)) {
        sonFotoğraf_ = std::make_unique<SonFotoğrafYükleyici>(
            this, [çöz = SonFotoğrafıÇöz, yol = FotoğrafYolu, enAz = TahtaÇözünürlüğü()] {
                return çöz(yol, enAz);
            });
        if (auto sonuç = sonFotoğraf_->Bekle(SonFotoğrafSabrı))
            SonFotoğrafıKoy(adım, std::move(*sonuç));
    }
    // A split index outside the three options is reported once and 3 x 3 is used, so the next
    // close stores a valid one.
    adım([&] { Oturum.BölmeyiOku(); });
    adım([&] { ParçalaraBölSeçeneği.at(Oturum.Bölme())->setChecked(true); });
    adım([&] { ParçalaraBölSeçeneği_Click(Oturum.Bölme()); });
    // The saved game waits for its photo: the board is laid out as without one meanwhile.
    if (SonFotoğrafBekleniyor()) {
        SonFotoğrafıBekle(true);
        sonFotoğraf_->Sonra(
            [this](SonFotoğrafYükleyici::Sonuç sonuç) { SonFotoğrafGeldi(std::move(sonuç)); });
    }
    Oturum.KayıtlıOyunuGeriYükle(adım);
    PencereyiYerleştir();
    adım([&] {
        show();
        // A new game window takes the keyboard, so Esc and the access keys work at once (the
        // window manager decides; without one this is what gives the window its focus).
        activateWindow();
    });
    // A settings file far beyond any this program writes was not read: the player, who sees the
    // defaults, learns why, and where the old file will be kept.
    adım([&] {
        const QString kenarda = KenaraKonacakDosya(UygulamaAdı, Anahtar::Ayarlar);
        if (kenarda.isEmpty())
            return;
        MesajıOrtala();
        MsgBox(LoadResString(3330) + u'\n' + QDir::toNativeSeparators(kenarda), BilgiSimgesi);
    });
}

void AnaForm::SonFotoğrafıKoy(HataKapanı &adım, SonFotoğrafYükleyici::Sonuç sonuç) {
    adım([&] {
        if (!sonuç.Yüklenen)
            throw ÇalışmaHatası(sonuç.Hata);
        FotoğrafıKoy(std::move(sonuç.Yüklenen->Resim), sonuç.Yüklenen->DoğalBoyut);
    });
}

// The rest of the load for a last photo that came after the window showed: cut with the stored
// grid, and the saved game put back, as the load does with a photo that is there at once.
void AnaForm::SonFotoğrafGeldi(SonFotoğrafYükleyici::Sonuç sonuç) {
    HataKapanı adım(HataTarzı::BildirVeDevamEt);
    SonFotoğrafıBekle(false);
    SonFotoğrafıKoy(adım, std::move(sonuç));
    adım([&] { ParçalaraBölSeçeneği_Click(Oturum.Bölme()); });
    if (Oturum.KayıtlıOyunBekliyor())
        Oturum.KayıtlıOyunuGeriYükle(adım);
}

// While the last photo is on its way the board, "Yeni Oyun", the grid and the save option wait:
// a saved game must meet the grid it was saved with, and a player who clicks would only be asked
// for a photo that is coming. The busy pointer says why; choosing another photo still works.
void AnaForm::SonFotoğrafıBekle(bool bekliyor) {
    for (QWidget *kontrol :
         {static_cast<QWidget *>(ParçalaraBölSeçeneği[0]),
          static_cast<QWidget *>(ParçalaraBölSeçeneği[1]),
          static_cast<QWidget *>(ParçalaraBölSeçeneği[2]), static_cast<QWidget *>(OyunuKaydetOnayı),
          static_cast<QWidget *>(YeniOyunDüğmesi)})
        kontrol->setEnabled(!bekliyor);
    Oturum.SonFotoğrafYolda(bekliyor);
    const Qt::CursorShape imleç = bekliyor ? Qt::BusyCursor : Qt::PointingHandCursor;
    OyunAlanı->SetYerİmleci(imleç);
    if (bekliyor)
        setCursor(Qt::BusyCursor);
    else
        unsetCursor();
}

// A newer photo takes the place of the last one still on its way; the decode may end, unseen.
bool AnaForm::SonFotoğraftanVazgeç() {
    if (!SonFotoğrafBekleniyor())
        return false;
    sonFotoğraf_->Vazgeç();
    SonFotoğrafıBekle(false);
    return Oturum.KayıtlıOyundanVazgeç();
}

// The stored position in twips, each edge defaulting to the centre of the primary screen; a
// position that would leave the title bar out of reach on every screen is centred instead.
void AnaForm::PencereyiYerleştir() {
    HataKapanı adım(HataTarzı::BildirVeDevamEt);
    const QScreen *anaEkran = QGuiApplication::primaryScreen();
    const QRect ekran = anaEkran ? anaEkran->geometry() : QRect(0, 0, 640, 480);
    const QPoint orta = OrtalıKonum(ekran, frameGeometry().size());
    QPoint konum = orta;
    const auto kenar = [&](const AyarAnahtarı &anahtar, int varsayılan) {
        return Piksel(
            OndalıkDeğeri(ayarlar_.Oku(anahtar, QString::number(varsayılan * TwipBaşınaPiksel))));
    };
    adım([&] { konum.setX(kenar(Anahtar::SolBoşluk, orta.x())); });
    adım([&] { konum.setY(kenar(Anahtar::ÜstBoşluk, orta.y())); });
    QList<QRect> ekranlar;
    for (const QScreen *birEkran : QGuiApplication::screens())
        ekranlar << birEkran->geometry();
    if (!BaşlıkEkrandaMı(konum, frameGeometry().width(), ekranlar))
        konum = orta;
    adım([&] { move(konum); });
}

QSize AnaForm::TahtaÇözünürlüğü() const { return Çerçeve[0]->size() * devicePixelRatioF(); }

// A camera photo decoded for the game still holds megabytes that no piece or sample ever shows:
// the window keeps the board's resolution, and the natural size still rules the cut. The decode
// is let go as soon as the kept copy is made, before it is packed and the sample drawn from it.
void AnaForm::FotoğrafıKoy(QImage resim, QSize doğalBoyut) {
    if (!doğalBoyut.isValid())
        doğalBoyut = resim.size();
    QImage gösterilecek = GösterimİçinKüçült(resim, TahtaÇözünürlüğü());
    resim = QImage();
    gösterilecek = KutudakiBiçim(std::move(gösterilecek));
    if (gösterilecek.isNull())
        doğalBoyut = QSize();
    OrjinalFotoğraf = {std::move(gösterilecek), doğalBoyut};
    OrjinalFotoğraf_Change();
}

void AnaForm::ParçalaraBölSeçeneği_Click(int Index) {
    HataKapanı adım(HataTarzı::BildirVeDevamEt);
    int kenar = Oturum.Tahta().KenarParçaSayısı(); // kept when the index names no grid
    adım([&] { kenar = KenarParçaSayısıOf(Index); });

    // The board in twips, from the frame's size; every place has place 0's pixel size, so a
    // piece fills any place exactly.
    const QSize çerçeve = Çerçeve[0]->size() * TwipBaşınaPiksel;
    const QRect ilk = PikselDikdörtgeni(YerDikdörtgeniTwip(çerçeve, kenar, 0));
    std::vector<QRect> yerler;
    adım([&] {
        for (int yer = 0; yer < kenar * kenar; ++yer)
            yerler.emplace_back(
                PikselDikdörtgeni(YerDikdörtgeniTwip(çerçeve, kenar, yer)).topLeft(), ilk.size());
    });
    adım([&] { OyunAlanı->YerleriKur(std::move(yerler)); });

    // Pieces are cut at the screen's pixel density, so they stay sharp on a high-density screen.
    // A piece fills its place inside the place's border.
    TahtaÇizimi::ParçaResmi parçalar;
    adım([&] {
        const qreal yoğunluk = devicePixelRatioF();
        const QSize iç = ilk.marginsRemoved(QMargins(2, 2, 2, 2)).size() * yoğunluk;
        if (!OrjinalFotoğraf.Resim.isNull()) {
            // The photo is shared, not copied.
            parçalar = [foto = OrjinalFotoğraf, kenar, iç, yoğunluk](int parça) {
                QImage resim = ParçayıKes(foto.Resim, foto.DoğalBoyut, kenar, iç, parça);
                resim.setDevicePixelRatio(yoğunluk);
                return resim;
            };
        } else {
            // Without a photo the pieces show the window's background.
            QImage boş(iç, QImage::Format_RGB32);
            boş.fill(palette().color(QPalette::Window));
            boş = KutudakiBiçim(std::move(boş));
            boş.setDevicePixelRatio(yoğunluk);
            parçalar = [boş](int) { return boş; };
        }
    });
    adım([&] { OyunAlanı->ParçalarıKoy(std::move(parçalar)); });

    // The session takes the new grid once its places are laid out, so a deal fills them.
    Dağıtılan dağıtılan = Dağıtılan::Yok;
    adım([&] { dağıtılan = Oturum.BölmeyiSeç(Index); });
    DağıtılanıKarşıla(dağıtılan);
}

void AnaForm::TahtayıGöster() { OyunAlanı->Göster(Oturum.Tahta()); }

void AnaForm::OrjinalFotoğraf_Change() {
    Oturum.FotoğrafVar(!OrjinalFotoğraf.Resim.isNull());
    ÖrnekKutusunuÇiz();
}

void AnaForm::FotoğrafınÖrneğiniGöster_Click() { ÖrnekKutusunuÇiz(); }

// The whole photo over the whole sample box, each axis on its own: the sample always fills the
// box. Without a photo the box shows its background.
void AnaForm::ÖrnekKutusunuÇiz() {
    HataKapanı adım(HataTarzı::YoksayVeDevamEt);
    adım([&] {
        ÖrnekKutusu->SetStretchedPicture(
            FotoğrafınÖrneğiniGöster->isChecked() ? OrjinalFotoğraf.Resim : QImage());
    });
}
