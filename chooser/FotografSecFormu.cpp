// SPDX-License-Identifier: GPL-3.0-or-later
// The photo chooser: its layout, the three lists, the preview and handing the photo back.
#include "chooser/FotografSecFormu.h"

#include "chooser/KlasorIcerigi.h"
#include "chooser/KlasorSimgeleri.h"
#include "chooser/OnizlemeYukleyici.h"
#include "resources/DizgiTablosu.h"
#include "startup/OrtakDegiskenlerModulu.h"
#include "startup/OrtakYordamlarModulu.h"
#include "toolkit/AyarDeposu.h"
#include "toolkit/HataPolitikasi.h"
#include "toolkit/MesajKutusu.h"
#include "toolkit/ResimKutusu.h"
#include "toolkit/Twip.h"

#include <QAccessible>
#include <QComboBox>
#include <QDir>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTimer>
#include <utility>

namespace {

// The folder shown last, kept with the player's preferences; the chooser alone reads and writes
// it, so the game's own settings table need not be known here.
const QString Ayarlar = QStringLiteral("Ayarlar");
const QString SonKlasör = QStringLiteral("Son Klasor");

constexpr int YolRolü = Qt::UserRole;
constexpr int DerinlikRolü = Qt::UserRole + 1;
constexpr int GirintiPikseli = 8;
// How long a small picture may stay after another photo has been selected whose own small
// picture has not come (a slow disk): far longer than one takes to read.
constexpr int EskiKüçükResimSüresi = 200;

// Draws each folder of the folder list indented by its depth below the drive's root, as the
// folder list of a file dialog does: the open folders down to the current one, then its
// sub-folders.
class GirintiliKlasörÇizici : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *boyacı, const QStyleOptionViewItem &seçenek,
               const QModelIndex &dizin) const override {
        QStyleOptionViewItem girintili(seçenek);
        girintili.rect.setLeft(girintili.rect.left() + Girinti(dizin));
        QStyledItemDelegate::paint(boyacı, girintili, dizin);
    }

    QSize sizeHint(const QStyleOptionViewItem &seçenek, const QModelIndex &dizin) const override {
        return QStyledItemDelegate::sizeHint(seçenek, dizin) + QSize(Girinti(dizin), 0);
    }

private:
    static int Girinti(const QModelIndex &dizin) {
        return dizin.data(DerinlikRolü).toInt() * GirintiPikseli;
    }
};

} // namespace

FotografSecFormu::FotografSecFormu(QWidget &sahip)
    : QDialog(&sahip),
      yükleyici_(std::make_unique<ÖnizlemeYükleyici>(
          this,
          [this](const QString &yol, const ÖnizlemeYükleyici::Sonuç &sonuç) {
              FotoğrafYüklendi(yol, sonuç);
          },
          [this](const QString &yol, const QImage &küçük) { KüçükResmiGöster(yol, küçük); })) {
    DüzeniKur();
    Form_Load();
}

FotografSecFormu::~FotografSecFormu() = default;

void FotografSecFormu::DüzeniKur() {
    // A fixed dialog with a title and a close box only; as the owner's child it stays out of
    // the taskbar and opens centred on it. It takes the owner's font, as all windows share one.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setAttribute(Qt::WA_WindowPropagation);
    setFont(parentWidget()->font());
    setFixedSize(Piksel(7875), Piksel(3960));
    setWindowTitle(QStringLiteral("1550"));

    const std::array<QPoint, 4> etiketYerleri{QPoint(300, 300), QPoint(300, 1170),
                                              QPoint(2760, 300), QPoint(5190, 300)};
    for (int i = 0; i < 4; ++i) {
        Etiket[i] = new QLabel(QString::number(1600 + 100 * i), this);
        Etiket[i]->move(Piksel(etiketYerleri[i].x()), Piksel(etiketYerleri[i].y()));
        Etiket[i]->adjustSize();
    }

    SürücüListesi = new QComboBox(this);
    SürücüListesi->setGeometry(TwipDikdörtgeni(300, 600, 2205, 315));

    KlasörListesi = new QListWidget(this);
    KlasörListesi->setGeometry(TwipDikdörtgeni(300, 1470, 2205, 2115));
    KlasörListesi->setItemDelegate(new GirintiliKlasörÇizici(KlasörListesi));
    KlasörListesi->setUniformItemSizes(true);
    KlasörListesi->setIconSize(QSize(16, 16));
    açıkKlasör_ = AçıkKlasörSimgesi();
    kapalıKlasör_ = KapalıKlasörSimgesi();

    DosyaListesi = new QListWidget(this);
    DosyaListesi->setGeometry(TwipDikdörtgeni(2760, 600, 2175, 3015));
    DosyaListesi->setUniformItemSizes(true);
    DosyaListesi->installEventFilter(this);
    KlasörListesi->installEventFilter(this);

    ÖnizlemeKutusu = new ResimKutusu(this);
    ÖnizlemeKutusu->setGeometry(TwipDikdörtgeni(5190, 600, 2370, 1778));
    ÖnizlemeKutusu->SetBorder(true);
    ÖnizlemeKutusu->setAccessibleName(LoadResString(1900).trimmed());
    // A stop of its own between the photos and the buttons, so that a screen reader reaches it
    // and says what it shows.
    ÖnizlemeKutusu->setFocusPolicy(Qt::TabFocus);
    ÖnizlemeKutusu->setAccessibleDescription(LoadResString(3620));

    OrjinalFotoğrafKutusu = new ResimKutusu(this);
    OrjinalFotoğrafKutusu->setGeometry(TwipDikdörtgeni(5370, 780, 1245, 615));
    OrjinalFotoğrafKutusu->SetAutoSize(true);
    OrjinalFotoğrafKutusu->hide();

    TamamDüğmesi = new QPushButton(QStringLiteral("2000"), this);
    TamamDüğmesi->setGeometry(TwipDikdörtgeni(5190, 2700, 2370, 345));
    İptalDüğmesi = new QPushButton(QStringLiteral("2100"), this);
    İptalDüğmesi->setGeometry(TwipDikdörtgeni(5190, 3120, 2370, 345));
    // No default button: Enter must never take a photo the player has not looked at.
    for (QPushButton *düğme : {TamamDüğmesi, İptalDüğmesi}) {
        düğme->setAutoDefault(false);
        düğme->setDefault(false);
        düğme->installEventFilter(this);
    }

    // Each label's access key leads to the list after it.
    Etiket[0]->setBuddy(SürücüListesi);
    Etiket[1]->setBuddy(KlasörListesi);
    Etiket[2]->setBuddy(DosyaListesi);
    setTabOrder(SürücüListesi, KlasörListesi);
    setTabOrder(KlasörListesi, DosyaListesi);
    setTabOrder(DosyaListesi, ÖnizlemeKutusu);
    setTabOrder(ÖnizlemeKutusu, TamamDüğmesi);
    setTabOrder(TamamDüğmesi, İptalDüğmesi);

    connect(SürücüListesi, &QComboBox::currentIndexChanged, this,
            [this] { SürücüListesi_Change(); });
    connect(KlasörListesi, &QListWidget::itemActivated, this,
            [this](QListWidgetItem *öğe) { KlasörüAç(öğe); });
    // Selection, not the current row: a list that gains the focus makes its first row current
    // without selecting it, and a click on that row must still load it.
    connect(DosyaListesi, &QListWidget::itemSelectionChanged, this,
            [this] { DosyaListesi_Click(); });
    connect(OrjinalFotoğrafKutusu, &ResimKutusu::Change, this,
            [this] { OrjinalFotoğrafKutusu_Change(); });
    connect(TamamDüğmesi, &QPushButton::clicked, this, [this] { TamamDüğmesi_Click(); });
    connect(İptalDüğmesi, &QPushButton::clicked, this, [this] { İptalDüğmesi_Click(); });
}

// ---------------------------------------------------------------------------------------------
// The lists

QString FotografSecFormu::SürücüListesiKökü() const {
    return SürücüListesi->currentData().toString();
}

QString FotografSecFormu::DosyaListesiSeçili() const {
    const QListWidgetItem *öğe = DosyaListesi->currentItem();
    return öğe && öğe->isSelected() ? öğe->text() : QString();
}

void FotografSecFormu::SürücüleriDoldur() {
    sürücüler_ = SürücüleriBul({ProgramKlasörü});
    const QSignalBlocker sessiz(SürücüListesi);
    SürücüListesi->clear();
    for (const auto &sürücü : sürücüler_)
        SürücüListesi->addItem(sürücü.Metin(), sürücü.Kök);
    // Nothing chosen yet: choosing the program's drive must raise the change.
    SürücüListesi->setCurrentIndex(-1);
    SürücüListesi->view()->setMinimumWidth(SürücüListesi->view()->sizeHintForColumn(0) + 8);
}

// Selecting an entry raises the drive change, as the drive list does; selecting the entry
// already shown raises nothing.
void FotografSecFormu::SürücüyüSeç(int dizin) { SürücüListesi->setCurrentIndex(dizin); }

int FotografSecFormu::ProgramSürücüsü() const { return SürücüsünüBul(sürücüler_, ProgramKlasörü); }

void FotografSecFormu::KlasörListesiYolunuKur(const QString &yol) {
    const QString yeni = QDir::cleanPath(QDir(yol).absolutePath());
    if (yol.isEmpty() || !QFileInfo(yeni).isDir())
        throw ÇalışmaHatası(ÇalışmaHatası::YolBulunamadı);
    const bool değişti = yeni != klasörYolu_;
    klasörYolu_ = yeni;

    const int sürücü = SürücüsünüBul(sürücüler_, yeni);
    const QStringList atalar =
        Atalar(sürücü < 0 ? QStringLiteral("/") : sürücüler_[sürücü].Kök, yeni);
    // The rows are written over rather than made anew: a screen reader that stood on a row
    // taken away would think itself in a new window and read the dialog's title again. The row
    // it stands on is first moved next to the one the folder opened will take, so that it
    // stays, and the screen reader moves from it to a row of its own.
    const int yeniSatır = static_cast<int>(atalar.size()) - 1;
    if (const int eski = KlasörListesi->currentRow(); eski >= 0 && KlasörListesi->hasFocus())
        KlasörSatırınıTaşı(eski, yeniSatır > 0 ? yeniSatır - 1 : 1);
    int satır = 0;
    const auto ekle = [this, &satır](const QIcon &simge, const QString &metin,
                                     const QString &tamYol, int derinlik) {
        QListWidgetItem *öğe = KlasörListesi->item(satır++);
        if (!öğe)
            öğe = new QListWidgetItem(KlasörListesi);
        öğe->setIcon(simge);
        öğe->setText(metin);
        öğe->setData(YolRolü, tamYol);
        öğe->setData(DerinlikRolü, derinlik);
    };

    for (int i = 0; i < atalar.size(); ++i)
        ekle(açıkKlasör_, i == 0 ? atalar[i] : QFileInfo(atalar[i]).fileName(), atalar[i], i);
    // A folder that cannot be read shows no sub-folders; its change then finds it unreadable.
    if (KlasörOkunurMu(yeni))
        for (const auto &ad : AltKlasörler(yeni))
            ekle(kapalıKlasör_, ad, YolaEkle(yeni, ad), static_cast<int>(atalar.size()));
    while (KlasörListesi->count() > satır)
        delete KlasörListesi->takeItem(KlasörListesi->count() - 1);
    KlasörListesi->setCurrentRow(yeniSatır);

    // Pointing the list at the folder it shows already changes nothing, which also ends the
    // fall-back to the current directory when that directory cannot be read either.
    if (değişti)
        KlasörListesi_Change();
}

// Rows taken away or put in before a row move it without remaking it.
void FotografSecFormu::KlasörSatırınıTaşı(int satır, int yeri) {
    for (; satır > yeri; --satır)
        delete KlasörListesi->takeItem(yeri);
    for (; satır < yeri; ++satır)
        KlasörListesi->insertItem(satır, new QListWidgetItem);
}

void FotografSecFormu::KlasörüAç(QListWidgetItem *öğe) {
    const QString yol = öğe->data(YolRolü).toString();
    HataKapanı::Kurtar([&] { KlasörListesiYolunuKur(yol); },
                       [&](const ÇalışmaHatası &) { ŞimdikiKlasöreGeç(); });
}

// The folder lists' fall-back: the process's current directory, silently. When that cannot be
// listed either, the lists stay as they are.
void FotografSecFormu::ŞimdikiKlasöreGeç() {
    HataKapanı yedek(HataTarzı::YoksayVeDevamEt);
    yedek([&] { KlasörListesiYolunuKur(QDir::currentPath()); });
}

void FotografSecFormu::DosyaListesiYolunuKur(const QString &klasör) {
    const QSignalBlocker sessiz(DosyaListesi);
    DosyaListesi->clear();
    SeçimiBırak();
    sonSeçilenSatır_ = -1;
    dosyaKlasörü_ = klasör;
    DosyaListesi->addItems(FotoğrafDosyaları(klasör));
}

// ---------------------------------------------------------------------------------------------
// Handlers

void FotografSecFormu::Form_Load() {
    HataKapanı adım(HataTarzı::YoksayVeDevamEt);
    adım([&] {
        FormuYerelleştir(this);
        for (QLabel *etiket : Etiket)
            etiket->adjustSize();
        // The captions name the lists for a screen reader, which does not look at a label.
        for (int i = 0; i < 3; ++i)
            Etiket[i]->buddy()->setAccessibleName(Etiket[i]->text().remove(u'&').trimmed());
    });
    adım([&] { setWindowTitle(LoadResString(1550)); });
    adım([&] {
        SürücüleriDoldur();
        SürücüyüSeç(ProgramSürücüsü());
    });
    adım([&] {
        const QString sonKlasör = GetSetting(UygulamaAdı, Ayarlar, SonKlasör);
        KlasörListesiYolunuKur(YolVarMı(sonKlasör) ? sonKlasör : ProgramKlasörü);
    });
}

void FotografSecFormu::SürücüListesi_Change() {
    const int dizin = SürücüListesi->currentIndex();
    if (dizin < 0)
        return;
    // A screen reader reads the box's name and kind; the drive it shows is told as its
    // description.
    SürücüListesi->setAccessibleDescription(SürücüListesi->currentText());
    HataKapanı::Kurtar(
        [&] {
            const QString kök = SürücüListesi->itemData(dizin).toString();
            if (!KlasörOkunurMu(kök))
                throw ÇalışmaHatası(ÇalışmaHatası::YolBulunamadı);
            KlasörListesiYolunuKur(kök);
        },
        [&](const ÇalışmaHatası &) {
            MesajıOrtala();
            MsgBox(LoadResString(2200), BilgiSimgesi);
            // Back to the program's drive, which raises this change again; when the program's
            // own drive is the one that failed, asking again would never end.
            const int programınki = ProgramSürücüsü();
            if (programınki != dizin)
                SürücüyüSeç(programınki);
        });
}

void FotografSecFormu::KlasörListesi_Change() {
    HataKapanı::Kurtar([&] { DosyaListesiYolunuKur(klasörYolu_); },
                       [&](const ÇalışmaHatası &) { ŞimdikiKlasöreGeç(); });
}

// A keyboard player who reaches the photos by Tab or their access key finds the first one chosen
// and previewed: the row the list makes current on its own is no choice, and Down would pass it.
bool FotografSecFormu::eventFilter(QObject *nesne, QEvent *olay) {
    if (nesne == DosyaListesi && olay->type() == QEvent::FocusIn) {
        const Qt::FocusReason neden = static_cast<QFocusEvent *>(olay)->reason();
        const bool klavyeyle = neden == Qt::TabFocusReason || neden == Qt::BacktabFocusReason ||
                               neden == Qt::ShortcutFocusReason;
        if (klavyeyle && DosyaListesi->selectedItems().isEmpty() && DosyaListesi->count() > 0)
            DosyaListesi->setCurrentRow(0, QItemSelectionModel::ClearAndSelect);
    }
    if ((nesne == DosyaListesi || nesne == KlasörListesi) && olay->type() == QEvent::FocusIn)
        SeçiliÖğeyiSöylet(static_cast<QListWidget *>(nesne));
    // Enter presses the button that has the focus, as Space does; on any other control it
    // does nothing (no default button).
    if ((nesne == TamamDüğmesi || nesne == İptalDüğmesi) && olay->type() == QEvent::KeyPress) {
        const int tuş = static_cast<QKeyEvent *>(olay)->key();
        if (tuş == Qt::Key_Return || tuş == Qt::Key_Enter) {
            static_cast<QPushButton *>(nesne)->click();
            return true;
        }
    }
    return QDialog::eventFilter(nesne, olay);
}

// The list tells a screen reader of itself as it takes the focus, not of the row it stands on:
// the row is told after, as the list tells a row the arrow keys reach.
void FotografSecFormu::SeçiliÖğeyiSöylet(QListWidget *liste) {
    QTimer::singleShot(0, liste, [liste] {
        if (!liste->hasFocus() || liste->currentRow() < 0 || !QAccessible::isActive())
            return;
        QAccessibleEvent olay(liste, QAccessible::Focus);
        olay.setChild(liste->currentRow());
        QAccessible::updateAccessibility(&olay);
    });
}

void FotografSecFormu::DosyaListesi_Click() {
    HataKapanı adım(HataTarzı::YoksayVeDevamEt);
    adım([&] {
        const QString ad = DosyaListesiSeçili();
        const QString yol = YolaEkle(dosyaKlasörü_, ad);
        if (ad.isEmpty() || (yol == yüklüDosya_ && OrjinalFotoğrafKutusu->HasPicture())) {
            SeçimiBırak();
            return;
        }
        // The picture arrives once decoded (FotoğrafYüklendi), a camera's small picture
        // before it (KüçükResmiGöster); the photo after it in the direction of travel is decoded
        // meanwhile, ready for the next key press.
        const int satır = DosyaListesi->currentRow();
        const int yön = satır < sonSeçilenSatır_ ? -1 : 1;
        sonSeçilenSatır_ = satır;
        const QListWidgetItem *sıradaki = DosyaListesi->item(satır + yön);
        yükleyici_->İste(yol, sıradaki ? YolaEkle(dosyaKlasörü_, sıradaki->text()) : QString());
        // The previous photo's small picture gives way to this one's a millisecond later, so
        // the arrow keys show no flash of an older preview between them; should this one's
        // not come soon, the older one must not stand for this photo any longer.
        if (küçükResim_)
            QTimer::singleShot(EskiKüçükResimSüresi, this, [this, yol] {
                if (küçükResimYolu_ != yol && YolaEkle(dosyaKlasörü_, DosyaListesiSeçili()) == yol)
                    ÖnizlemeyiGeriAl();
            });
    });
}

void FotografSecFormu::KüçükResmiGöster(const QString &yol, const QImage &küçük) {
    if (küçük.isNull()) {
        // The previous photo's small picture must not stand for this one.
        ÖnizlemeyiGeriAl();
        return;
    }
    ÖnizlemeKutusu->SetStretchedPicture(küçük);
    küçükResim_ = true;
    küçükResimYolu_ = yol;
}

void FotografSecFormu::ÖnizlemeyiGeriAl() {
    küçükResimYolu_.clear();
    if (std::exchange(küçükResim_, false))
        ÖnizlemeKutusu->SetPicture(netÖnizleme_);
}

void FotografSecFormu::SeçimiBırak() {
    yükleyici_->Bırak();
    ÖnizlemeyiGeriAl();
}

void FotografSecFormu::FotoğrafYüklendi(const QString &yol,
                                        const ÖnizlemeYükleyici::Sonuç &fotoğraf) {
    // A file that cannot be loaded changes nothing: the previous picture and preview stay, and
    // its small picture, if one showed, goes.
    if (!fotoğraf) {
        ÖnizlemeyiGeriAl();
        return;
    }
    HataKapanı adım(HataTarzı::YoksayVeDevamEt);
    adım([&] {
        OrjinalFotoğrafKutusu->SetPicture(fotoğraf->Resim, fotoğraf->DoğalBoyut);
        yüklüDosya_ = yol;
    });
    adım([&] { OrjinalFotoğrafKutusu->Refresh(); });
    // What the preview shows, for a screen reader: the file and its size.
    adım([&] {
        ÖnizlemeKutusu->setAccessibleDescription(QStringLiteral("%1, %2 x %3")
                                                     .arg(QFileInfo(yol).fileName())
                                                     .arg(OrjinalFotoğrafKutusu->ScaleWidth())
                                                     .arg(OrjinalFotoğrafKutusu->ScaleHeight()) +
                                                 LoadResString(3610));
    });
}

bool FotografSecFormu::FotoğrafBekleniyor() const { return yükleyici_->Bekliyor(); }

void FotografSecFormu::OrjinalFotoğrafKutusu_Change() {
    HataKapanı adım(HataTarzı::YoksayVeDevamEt);
    adım([&] {
        küçükResim_ = false;
        ÖnizlemeKutusu->SetStretchedPicture(OrjinalFotoğrafKutusu->Picture());
        netÖnizleme_ = ÖnizlemeKutusu->Picture();
    });
    adım([&] { ÖnizlemeKutusu->Refresh(); });
}

void FotografSecFormu::TamamDüğmesi_Click() {
    HataKapanı adım(HataTarzı::BildirVeDevamEt);
    // The picture loaded must be the file selected: after a folder change or a failed load
    // they differ, and the path recorded would name another photo than the one shown.
    bool seçilenYüklü = false;
    // A photo selected a moment ago may still be on its way: OK takes it once it is there.
    adım([&] { yükleyici_->Tamamla(); });
    adım([&] {
        const QString ad = DosyaListesiSeçili();
        seçilenYüklü = OrjinalFotoğrafKutusu->HasPicture() && !ad.isEmpty() &&
                       YolaEkle(dosyaKlasörü_, ad) == yüklüDosya_;
    });
    if (!seçilenYüklü) {
        adım([&] {
            MesajıOrtala();
            MsgBox(LoadResString(2300), BilgiSimgesi);
        });
        adım([&] { DosyaListesi->setFocus(); });
        return;
    }
    // The picture already loaded is handed back; the file is not read again.
    adım([&] {
        emit FotografSecildi(
            YolaEkle(dosyaKlasörü_, DosyaListesiSeçili()), OrjinalFotoğrafKutusu->Picture(),
            QSize(OrjinalFotoğrafKutusu->ScaleWidth(), OrjinalFotoğrafKutusu->ScaleHeight()));
    });
    adım([&] { accept(); });
}

void FotografSecFormu::İptalDüğmesi_Click() { reject(); }

void FotografSecFormu::Form_QueryUnload() {
    HataKapanı adım(HataTarzı::YoksayVeDevamEt);
    adım([&] { SaveSetting(UygulamaAdı, Ayarlar, SonKlasör, klasörYolu_); });
}

void FotografSecFormu::done(int sonuç) {
    SeçimiBırak();
    Form_QueryUnload();
    QDialog::done(sonuç);
}
