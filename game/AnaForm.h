// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: the board, the sample, the options, the clock and the commands. The game
// itself is its session; the window turns the player's input into calls on it and draws what it
// reports.
#pragma once

#include "game/DegerEtiketi.h"
#include "game/SonFotografYukleyici.h"
#include "game/TahtaCizimi.h"
#include "game/cekirdek/Dagitim.h"
#include "game/cekirdek/OyunOturumu.h"
#include "startup/AnaPencere.h"
#include "toolkit/KapanmaNedeni.h"
#include "toolkit/ResimKutusu.h"

#include <QWidget>
#include <array>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <utility>

class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class DışFotoğrafYükleyici;
class IpucuDenetcisi;
class SesOynatıcı;
enum class Ses;

class HataKapanı;

// What the window's game is made of beyond itself. The program takes the defaults; the tests
// give a fixed deal, a clock of their own, a held-back photo decode and a sound output that
// records.
struct AnaFormBağımlılıkları {
    std::unique_ptr<RastgeleKaynak> rastgele; // none: seeded at the first deal
    std::unique_ptr<SaatKaynağı> saat = SaniyeSaati();
    // How the last photo is decoded, and how long the load waits for it before the window
    // shows without it.
    std::function<Fotoğraf(const QString &yol, QSize enAz)> sonFotoğrafıÇöz =
        [](const QString &yol, QSize enAz) { return LoadPicture(yol, enAz); };
    std::chrono::milliseconds sonFotoğrafSabrı{300};
    std::function<bool()> sesAygıtıVarMı; // none: Qt's list of audio outputs
    std::function<void(Ses)> sesÇalındı;  // told of every sound that starts
};

class AnaForm : public QWidget, public AnaPencere {
    Q_OBJECT

public:
    AnaForm() : AnaForm(AnaFormBağımlılıkları{}) {}
    explicit AnaForm(AnaFormBağımlılıkları bağımlılıklar, QWidget *parent = nullptr);
    ~AnaForm() override;

    void Form_Load() override; // AnaFormYukle.cpp
    QWidget &Pencere() override { return *this; }
    // The photo to play with, from the chooser's OK, the command line, a later start or a drop
    // (AnaFormFotograf.cpp).
    void FotoğrafıAç(const QString &yol, const std::optional<Fotoğraf> &yüklü = {}) override;

protected:
    void closeEvent(QCloseEvent *olay) override;
    void dragEnterEvent(QDragEnterEvent *olay) override; // AnaFormFotograf.cpp
    void dropEvent(QDropEvent *olay) override;           // AnaFormFotograf.cpp

private:
    // --- Controls (layout in AnaForm.cpp) ---
    std::array<QGroupBox *, 4> Çerçeve{};
    std::array<QWidget *, 2> Altlık{};
    TahtaÇizimi *OyunAlanı = nullptr; // the board's places and pieces; takes the arrow keys
    std::array<QRadioButton *, 3> ParçalaraBölSeçeneği{};
    ResimKutusu *ÖrnekKutusu = nullptr;
    QCheckBox *FotoğrafınÖrneğiniGöster = nullptr;
    QCheckBox *OyunuKaydetOnayı = nullptr;
    QCheckBox *SesleriKapatOnayı = nullptr;
    std::array<QLabel *, 4> Etiket{};
    DeğerEtiketi *SüreEtiketi = nullptr;  // Etiket[1], the elapsed time
    DeğerEtiketi *HamleEtiketi = nullptr; // Etiket[3], the move count
    QPushButton *YeniOyunDüğmesi = nullptr;
    QPushButton *YeniFotoğrafDüğmesi = nullptr;
    QPushButton *HakkındaDüğmesi = nullptr;
    QPushButton *ÇıkışDüğmesi = nullptr;
    QAction *RekorlarEylemi = nullptr; // Ctrl+R anywhere in the window, and the board's menu

    // --- The game ---
    KullanıcıAyarları ayarlar_;
    OyunOturumu Oturum;
    std::unique_ptr<SesOynatıcı> ses_;

    // --- Handlers ---
    void ParçalaraBölSeçeneği_Click(int Index);                    // AnaFormYukle.cpp
    void YeniOyunDüğmesi_Click();                                  // AnaFormOyun.cpp
    void DağınıkParçalar_Click(int Index);                         // AnaFormOyun.cpp
    void OyunAlanı_KeyDown(Ok ok);                                 // AnaFormOyun.cpp
    void OrjinalFotoğraf_Change();                                 // AnaFormYukle.cpp
    void FotoğrafınÖrneğiniGöster_Click();                         // AnaFormYukle.cpp
    void OyunuKaydetOnayı_Click();                                 // AnaFormOyun.cpp
    void ÇıkışDüğmesi_Click();                                     // AnaFormOyun.cpp
    void YeniFotoğrafDüğmesi_Click();                              // AnaFormOyun.cpp
    void HakkındaDüğmesi_Click();                                  // AnaFormOyun.cpp
    void Form_QueryUnload(bool &Cancel, KapanmaNedeni UnloadMode); // AnaFormOyun.cpp

    // --- What the session reports, drawn (AnaFormOyun.cpp) ---
    void OturumuBağla();
    void OyunDağıtıldı();
    void HamleYapıldı(int from, int to);
    void OyunTamamlandı(const OyunSaati &süre, int hamle);
    // Once the last slide is over; a command that comes first shows it at once.
    void TebrikEt();
    bool BekleyenTebrikiGöster();           // true when one was waiting
    std::optional<QString> bekleyenTebrik_; // the congratulation's text, taken at completion
    void GünDoldu();

    // --- Hints and the board's menu (AnaFormIpucu.cpp) ---
    std::unique_ptr<IpucuDenetcisi> ipucu_;
    void İpucuyuBağla();
    void TahtaMenüsü(QPoint yer); // at `yer` on the screen
    void İpucu_Click();
    void İpucuBulundu(int yer);
    void TahtaÇözülemez();
    // After a command that may have dealt: the keyboard to the new game, or the photo asked for.
    void DağıtılanıKarşıla(Dağıtılan dağıtılan);

    // --- Records (AnaFormRekor.cpp) ---
    void RekorlarıBağla();
    void RekorlarıGöster();

    // --- Photos from outside (AnaFormFotograf.cpp) ---
    std::unique_ptr<DışFotoğrafYükleyici> dışFotoğraflar_;
    void DışFotoğrafıAl(const QString &yol, const std::optional<Fotoğraf> &fotoğraf, int hata);
    void FotoğrafıKullan(const QString &yol, Fotoğraf fotoğraf);
    bool OyunuBırakmayaRazıMı(const QString &yol); // "Evet" to the question of box 3000

    // --- The last photo, while it decodes (AnaFormYukle.cpp) ---
    std::unique_ptr<SonFotoğrafYükleyici> sonFotoğraf_;
    std::function<Fotoğraf(const QString &yol, QSize enAz)> SonFotoğrafıÇöz;
    std::chrono::milliseconds SonFotoğrafSabrı;
    bool SonFotoğrafBekleniyor() const { return sonFotoğraf_ && sonFotoğraf_->Bekliyor(); }
    void SonFotoğrafıKoy(HataKapanı &adım, SonFotoğrafYükleyici::Sonuç sonuç);
    void SonFotoğrafGeldi(SonFotoğrafYükleyici::Sonuç sonuç);
    void SonFotoğrafıBekle(bool bekliyor);
    bool SonFotoğraftanVazgeç(); // true when a saved game was waiting for it

    // --- Layout, load and split (AnaForm.cpp, AnaFormYukle.cpp) ---
    void DüzeniKur();
    void PencereyiYerleştir();
    void ÖrnekKutusunuÇiz();
    // The whole photo, kept only as large as the board can show it, and the natural size of
    // the photo it stands for, which rules the cut.
    Fotoğraf OrjinalFotoğraf;
    // Puts a photo of `doğalBoyut` natural pixels (a decode of any size) in OrjinalFotoğraf. The
    // next split cuts it.
    void FotoğrafıKoy(QImage resim, QSize doğalBoyut);
    // The largest the board shows a photo, in device pixels: a decode of this size loses
    // nothing, and a larger one costs memory at every start.
    QSize TahtaÇözünürlüğü() const;
    // Shows the session's board as it stands.
    void TahtayıGöster();

    // --- Sounds, counters and closing (AnaFormOyun.cpp) ---
    void SesÇal(Ses ses);   // unless the player turned sounds off
    int KapanırkenKaydet(); // preferences, and the running game when asked for; 0 or the error
    // After a failed save at close: whether the close goes on (AnaFormOyun.cpp).
    bool KaydetmedenÇıkılsınMı(int hata, bool oyunKaydedilecek);
    void SayaçlarıGöster(); // the clock and the moves as the session has them
    void SüreyiGöster();
};
