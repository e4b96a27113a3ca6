// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: the board, the sample, the options, the clock and the commands.
#pragma once

#include "game/OyunSaati.h"
#include "game/Tahta.h"
#include "game/TahtaAlani.h"
#include "startup/AnaPencere.h"
#include "toolkit/AyarDeposu.h"
#include "toolkit/KapanmaNedeni.h"
#include "toolkit/KontrolDizisi.h"
#include "toolkit/ResimKutusu.h"
#include "toolkit/Zamanlayici.h"

#include <QWidget>
#include <array>
#include <cstdint>
#include <memory>

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class DışFotoğrafYükleyici;
class RastgeleKaynak;
class SesOynatıcı;

class HataKapanı;

class AnaForm : public QWidget, public AnaPencere {
    Q_OBJECT

public:
    explicit AnaForm(QWidget *parent = nullptr);
    ~AnaForm() override;

    // --- Controls (layout in AnaForm.cpp) ---
    std::array<QGroupBox *, 4> Çerçeve{};
    std::array<QWidget *, 2> Altlık{};
    TahtaAlanı *OyunAlanı = nullptr;              // holds the places; takes the arrow keys
    KontrolDizisi<ResimKutusu> DağınıkParçalar;   // the board places
    KontrolDizisi<ResimKutusu> SıralıParçalar;    // hidden: the pieces in solved order
    ResimKutusu *OrjinalFotoğrafKutusu = nullptr; // hidden: the whole photo
    std::array<QRadioButton *, 3> ParçalaraBölSeçeneği{};
    ResimKutusu *ÖrnekKutusu = nullptr;
    QCheckBox *FotoğrafınÖrneğiniGöster = nullptr;
    QCheckBox *OyunuKaydetOnayı = nullptr;
    QCheckBox *SesleriKapatOnayı = nullptr;
    std::array<QLabel *, 4> Etiket{};
    QPushButton *YeniOyunDüğmesi = nullptr;
    QPushButton *YeniFotoğrafDüğmesi = nullptr;
    QPushButton *HakkındaDüğmesi = nullptr;
    QPushButton *ÇıkışDüğmesi = nullptr;
    Zamanlayıcı SüreHesapla; // Interval 1000 while a game runs, 0 otherwise

    // --- Game state ---
    AyarListesi KayıtlıOyun; // the saved game as read at load; empty = Empty
    bool OyunYükleniyor = false;
    OyunTahtası Tahta;
    OyunSaati Süre;
    std::int32_t HamleSayısı = 0;

    // Puts a photo of `doğalBoyut` natural pixels (a decode of any size) in the hidden photo box,
    // kept only as large as the board can show it. The next split cuts it.
    void FotoğrafıKoy(QImage resim, QSize doğalBoyut); // AnaFormYukle.cpp
    // The largest the board shows a photo, in device pixels: a decode of this size loses
    // nothing, and a larger one costs memory at every start.
    QSize TahtaÇözünürlüğü() const; // AnaFormYukle.cpp

    // The photo to play with, from the chooser's OK, the command line, a later start or a drop
    // (AnaFormFotograf.cpp).
    void FotoğrafıAç(const QString &yol, const std::optional<Fotoğraf> &yüklü = {}) override;
    QWidget &Pencere() override { return *this; }

    // --- Handlers ---
    void Form_Load() override;                                     // AnaFormYukle.cpp
    void ParçalaraBölSeçeneği_Click(int Index);                    // AnaFormYukle.cpp
    void YeniOyunDüğmesi_Click();                                  // AnaFormOyun.cpp
    void DağınıkParçalar_Click(int Index);                         // AnaFormOyun.cpp
    void OyunAlanı_KeyDown(Ok ok);                                 // AnaFormOyun.cpp
    void SüreHesapla_Timer();                                      // AnaFormOyun.cpp
    void OrjinalFotoğrafKutusu_Change();                           // AnaFormOyun.cpp
    void FotoğrafınÖrneğiniGöster_Click();                         // AnaFormOyun.cpp
    void OyunuKaydetOnayı_Click();                                 // AnaFormOyun.cpp
    void ÇıkışDüğmesi_Click();                                     // AnaFormOyun.cpp
    void YeniFotoğrafDüğmesi_Click();                              // AnaFormOyun.cpp
    void HakkındaDüğmesi_Click();                                  // AnaFormOyun.cpp
    void Form_QueryUnload(bool &Cancel, KapanmaNedeni UnloadMode); // AnaFormOyun.cpp

    // Tests replace the randomness of the deal and the sound output.
    void RastgeleKaynağıKur(std::unique_ptr<RastgeleKaynak> kaynak);
    SesOynatıcı &Ses() { return *ses_; }

    // Shows the board model on the place boxes (pictures, Tags, the empty colour).
    void TahtayıGöster(); // AnaFormYukle.cpp
    void YeriGöster(int yer);

protected:
    void closeEvent(QCloseEvent *olay) override;
    void dragEnterEvent(QDragEnterEvent *olay) override; // AnaFormFotograf.cpp
    void dropEvent(QDropEvent *olay) override;           // AnaFormFotograf.cpp

private:
    void DüzeniKur(); // AnaForm.cpp
    std::unique_ptr<RastgeleKaynak> rastgele_;
    std::unique_ptr<SesOynatıcı> ses_;

    // --- Photos from outside (AnaFormFotograf.cpp) ---
    bool OyunSürüyor() const;
    bool kayıtlıOyunTahtada_ = false; // a restored game, until completed or dealt anew
    std::shared_ptr<DışFotoğrafYükleyici> dışFotoğraflar_;
    void DışFotoğrafıAl(const QString &yol, const std::optional<Fotoğraf> &fotoğraf, int hata);
    void FotoğrafıKullan(const QString &yol, Fotoğraf fotoğraf);

    // --- Layout, load and split (AnaForm.cpp, AnaFormYukle.cpp) ---
    void YeriBağla(ResimKutusu *yer, int dizin); // a board place's click reaches its handler
    void DağınıkParçalarıBoşalt();
    void SıralıParçalarıBoşalt();
    void KayıtlıDüzeniKur(); // the saved board, checked whole before any place changes
    void KayıtlıSüreyiKur();
    void PencereyiYerleştir();
    void ÖrnekKutusunuÇiz();

    // --- Play, clock, options and closing (AnaFormOyun.cpp) ---
    bool yirmiDörtSaatMesajıAçık_ = false;
    void SesÇal(const QString &ad); // unless the player turned sounds off
    void KayıtlıOyunuSil();         // "Oyun\Bilgiler", then "Oyun"; errors ignored
    void KapanırkenKaydet();        // preferences, and the running game when asked for
    void SayaçlarıSıfırla(HataKapanı &adım);
    // The clock's or the move count's label (Etiket 1 or 3), announced to a screen reader.
    void DeğeriGöster(int etiket, const QString &metin, double sayı);
    void SüreyiGöster();
};
