// SPDX-License-Identifier: GPL-3.0-or-later
// The photo chooser: drives, folders, photos and a preview; OK hands the photo back.
#pragma once

#include "chooser/Suruculer.h"
#include "toolkit/ResimYukleyici.h"

#include <QDialog>
#include <QIcon>
#include <QImage>
#include <array>
#include <memory>
#include <optional>
#include <vector>

class QComboBox;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class ResimKutusu;
class ÖnizlemeYükleyici;

class FotografSecFormu : public QDialog {
    Q_OBJECT

public:
    // Created afresh at each opening, modal over the main window; loads itself at once.
    explicit FotografSecFormu(QWidget &sahip);
    ~FotografSecFormu() override;

    // --- Controls (layout in FotografSecFormu.cpp) ---
    std::array<QLabel *, 4> Etiket{};
    QComboBox *SürücüListesi = nullptr;
    QListWidget *KlasörListesi = nullptr;
    QListWidget *DosyaListesi = nullptr;
    ResimKutusu *ÖnizlemeKutusu = nullptr;
    ResimKutusu *OrjinalFotoğrafKutusu = nullptr; // hidden: the last photo that loaded
    QPushButton *TamamDüğmesi = nullptr;
    QPushButton *İptalDüğmesi = nullptr;

    // What the lists show: the drive's root, the folder list's folder, the file list's folder.
    QString SürücüListesiKökü() const;
    const QString &KlasörListesiYolu() const { return klasörYolu_; }
    const QString &DosyaListesiYolu() const { return dosyaKlasörü_; }
    // The selected file's name; empty when none is selected.
    QString DosyaListesiSeçili() const;

    // --- Handlers ---
    void Form_Load();
    void SürücüListesi_Change();
    void KlasörListesi_Change();
    void DosyaListesi_Click();
    void OrjinalFotoğrafKutusu_Change();
    void TamamDüğmesi_Click();
    void İptalDüğmesi_Click();
    void Form_QueryUnload();

    // Every way of closing (OK, Cancel, Esc, the close box) ends here.
    void done(int sonuç) override;

signals:
    // OK: the photo chosen, its full path and its picture as loaded (possibly decoded smaller
    // than its natural size). The dialog closes after this.
    void FotografSecildi(const QString &path, const QImage &picture, QSize naturalSize);

public:
    // True while the selected file is still being decoded (its picture comes when ready).
    bool FotoğrafBekleniyor() const;
    // True while the preview shows the camera's small picture of the selected photo, the photo
    // itself still on its way.
    bool KüçükResimGösteriliyor() const { return küçükResim_; }

protected:
    bool eventFilter(QObject *nesne, QEvent *olay) override;

private:
    void DüzeniKur();
    void SürücüleriDoldur();
    void SürücüyüSeç(int dizin);
    int ProgramSürücüsü() const;
    // Points the folder list at `yol` and raises its change; ÇalışmaHatası 76 when `yol` is
    // not a folder.
    void KlasörListesiYolunuKur(const QString &yol);
    void KlasörSatırınıTaşı(int satır, int yeri);
    void KlasörüAç(QListWidgetItem *öğe);
    // A list that took the focus has its current row told to a screen reader.
    void SeçiliÖğeyiSöylet(QListWidget *liste);
    void ŞimdikiKlasöreGeç();
    // Points the file list at `klasör`; ÇalışmaHatası 76 when it cannot be read.
    void DosyaListesiYolunuKur(const QString &klasör);
    // The selected file's picture has been decoded (or could not be).
    void FotoğrafYüklendi(const QString &yol, const std::optional<Fotoğraf> &fotoğraf);
    // Shows the small picture stored in the EXIF block of the photo selected at `yol`, read off
    // this thread; a null one means it has none.
    void KüçükResmiGöster(const QString &yol, const QImage &küçük);
    // The preview of the photo loaded again, in place of a small picture.
    void ÖnizlemeyiGeriAl();
    // Nothing waits for a decode any more, and no small picture stays.
    void SeçimiBırak();

    std::vector<Sürücü> sürücüler_;
    QIcon açıkKlasör_, kapalıKlasör_;
    QString klasörYolu_;
    QString dosyaKlasörü_;
    QString yüklüDosya_;       // the file whose picture OrjinalFotoğrafKutusu holds
    int sonSeçilenSatır_ = -1; // the direction of travel decides which photo to decode ahead
    QImage netÖnizleme_;       // the preview of the photo loaded, kept while a small picture shows
    bool küçükResim_ = false;
    QString küçükResimYolu_; // the file whose small picture shows, if one does
    std::unique_ptr<ÖnizlemeYükleyici> yükleyici_;
};
using FotoğrafSeçFormu = FotografSecFormu;
