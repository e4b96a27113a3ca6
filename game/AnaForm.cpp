// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's controls as they stand before the load: types, places, captions, colours,
// tab order and the wiring of every handler.
#include "game/AnaForm.h"

#include "game/DegerEtiketi.h"
#include "game/DisFotografYukleyici.h"
#include "game/IpucuDenetcisi.h"
#include "game/OyunErisimi.h"
#include "game/SesOynatici.h"
#include "resources/ErisimMetinleri.h"
#include "startup/OrtakDegiskenlerModulu.h"
#include "toolkit/OkunurRenk.h"
#include "toolkit/Twip.h"
#include "toolkit/YaziTipi.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <algorithm>
#include <iterator>

namespace {

const QColor ÇerçeveBaşlığıRengi(128, 0, 0);
const QColor AltlıkTasarımRengi(192, 192, 255);
const QColor DeğerRengi(192, 64, 0);

// Places `kontrol` in its parent at a position and size given in twips.
template <class Kontrol> Kontrol *Yerleştir(Kontrol *kontrol, int sol, int üst, int en, int boy) {
    kontrol->setGeometry(TwipDikdörtgeni(sol, üst, en, boy));
    return kontrol;
}

// A frame whose caption text is maroon. Its children draw their text in the window's own
// colour again (see Altlık), since a palette passes to children.
QGroupBox *ÇerçeveYap(QWidget *ebeveyn, const char *kimlik) {
    auto *çerçeve = new QGroupBox(QString::fromLatin1(kimlik), ebeveyn);
    QPalette renkler = çerçeve->palette();
    renkler.setColor(QPalette::WindowText,
                     OkunurRenk(ÇerçeveBaşlığıRengi, renkler.color(QPalette::Window)));
    çerçeve->setPalette(renkler);
    return çerçeve;
}

QWidget *AltlıkYap(QWidget *ebeveyn) {
    auto *altlık = new QWidget(ebeveyn);
    QPalette renkler = altlık->palette();
    renkler.setColor(QPalette::Window, AltlıkTasarımRengi);
    renkler.setColor(QPalette::WindowText, QApplication::palette().color(QPalette::WindowText));
    altlık->setPalette(renkler);
    altlık->setAutoFillBackground(true);
    return altlık;
}

// The four labels of the game information. A caption ends at 1320 twips and a value starts at
// 1380: each label spans the panel from its anchor outwards and is aligned to the anchor, so a
// text of any length keeps to its side of the gap without re-placing the label.
QLabel *EtiketYap(QLabel *etiket, int üst, bool değer) {
    QWidget *altlık = etiket->parentWidget();
    int sol = 0, sağ = Piksel(1320);
    if (değer) {
        sol = Piksel(1380);
        sağ = altlık->width();
        QFont kalın = etiket->font();
        kalın.setBold(true);
        etiket->setFont(kalın);
        QPalette renkler = etiket->palette();
        // Read against the window: the panel's design colour gives way to it at load.
        renkler.setColor(QPalette::WindowText,
                         OkunurRenk(DeğerRengi, QApplication::palette().color(QPalette::Window)));
        etiket->setPalette(renkler);
    }
    etiket->setAlignment((değer ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignTop);
    // As tall as its text, as an auto-sized label is. Measured in the panel's regular face: a
    // family's bold face keeps its line height, and measuring the bold one would read its file
    // in at start-up, when no value is shown yet.
    const int yükseklik = std::max(Piksel(195), altlık->fontMetrics().height());
    etiket->setGeometry(sol, Piksel(üst), sağ - sol, yükseklik);
    return etiket;
}

} // namespace

AnaForm::AnaForm(AnaFormBağımlılıkları bağımlılıklar, QWidget *parent)
    : QWidget(parent), Oturum(ayarlar_, std::move(bağımlılıklar.saat)),
      ses_(std::make_unique<SesOynatıcı>()),
      SonFotoğrafıÇöz(std::move(bağımlılıklar.sonFotoğrafıÇöz)),
      SonFotoğrafSabrı(bağımlılıklar.sonFotoğrafSabrı) {
    if (bağımlılıklar.rastgele)
        Oturum.RastgeleKaynağıKur(std::move(bağımlılıklar.rastgele));
    if (bağımlılıklar.sesAygıtıVarMı)
        ses_->AygıtVarMı = std::move(bağımlılıklar.sesAygıtıVarMı);
    ses_->Çalındı = std::move(bağımlılıklar.sesÇalındı);
    DüzeniKur();
    OturumuBağla();
}

std::unique_ptr<AnaPencere> AnaPencereyiYarat() { return std::make_unique<AnaForm>(); }

AnaForm::~AnaForm() = default;

void AnaForm::DüzeniKur() {
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(Piksel(9510), Piksel(6195));
    setFont(PencereYazıTipi());

    // The board frame: the board, painted on one widget as large as the frame, which takes the
    // keyboard for the board as a whole. Its places are laid out by the split.
    Çerçeve[0] = Yerleştir(ÇerçeveYap(this, "100"), 270, 270, 5745, 4485);
    OyunAlanı = new TahtaÇizimi(Çerçeve[0]);

    // The grid size.
    Çerçeve[1] = Yerleştir(ÇerçeveYap(this, "200"), 270, 4920, 5745, 915);
    Altlık[0] = Yerleştir(AltlıkYap(Çerçeve[1]), 120, 270, 5505, 495);
    const char *seçenekKimlikleri[] = {"210", "220", "230"};
    for (int i = 0; i < 3; ++i) {
        auto *seçenek = new QRadioButton(QString::fromLatin1(seçenekKimlikleri[i]), Altlık[0]);
        // 1740 twips rather than 1635: the free fonts need a few more pixels for these
        // captions; the options still do not touch.
        Yerleştir(seçenek, 150 + i * 1755, 120, 1740, 285);
        seçenek->setCursor(Qt::PointingHandCursor);
        ParçalaraBölSeçeneği[i] = seçenek;
    }

    // The sample and the three options.
    Çerçeve[2] = Yerleştir(ÇerçeveYap(this, "300"), 6330, 270, 2895, 2325);
    ÖrnekKutusu = Yerleştir(new ResimKutusu(Çerçeve[2]), 180, 300, 2535, 1875);
    ÖrnekKutusu->SetBorder(true);
    const auto onayYap = [this](const char *kimlik, int üst, bool işaretli) {
        auto *onay =
            Yerleştir(new QCheckBox(QString::fromLatin1(kimlik), this), 6480, üst, 2745, 225);
        onay->setChecked(işaretli);
        onay->setCursor(Qt::PointingHandCursor);
        return onay;
    };
    FotoğrafınÖrneğiniGöster = onayYap("400", 2730, true);
    OyunuKaydetOnayı = onayYap("410", 3030, false);
    SesleriKapatOnayı = onayYap("420", 3330, false);

    // The clock and the move counter.
    Çerçeve[3] = Yerleştir(ÇerçeveYap(this, "500"), 6330, 3720, 2895, 1035);
    Altlık[1] = Yerleştir(AltlıkYap(Çerçeve[3]), 120, 210, 2655, 705);
    Etiket[0] = EtiketYap(new QLabel(Altlık[1]), 90, false);
    Etiket[0]->setText(QStringLiteral("510"));
    Etiket[1] = EtiketYap(SüreEtiketi = new DeğerEtiketi(Altlık[1]), 90, true);
    Etiket[2] = EtiketYap(new QLabel(Altlık[1]), 390, false);
    Etiket[2]->setText(QStringLiteral("520"));
    Etiket[3] = EtiketYap(HamleEtiketi = new DeğerEtiketi(Altlık[1]), 390, true);

    // The commands.
    const auto düğmeYap = [this](const char *kimlik, int sol, int üst, int en) {
        return Yerleştir(new QPushButton(QString::fromLatin1(kimlik), this), sol, üst, en, 345);
    };
    YeniOyunDüğmesi = düğmeYap("600", 6330, 4980, 1365);
    YeniFotoğrafDüğmesi = düğmeYap("700", 7770, 4980, 1425);
    HakkındaDüğmesi = düğmeYap("800", 6330, 5400, 1365);
    ÇıkışDüğmesi = düğmeYap("900", 7770, 5400, 1425);

    QWidget *const sekmeSırası[] = {ParçalaraBölSeçeneği[0],
                                    ParçalaraBölSeçeneği[1],
                                    ParçalaraBölSeçeneği[2],
                                    OyunAlanı,
                                    SüreEtiketi,
                                    HamleEtiketi,
                                    FotoğrafınÖrneğiniGöster,
                                    OyunuKaydetOnayı,
                                    SesleriKapatOnayı,
                                    YeniOyunDüğmesi,
                                    YeniFotoğrafDüğmesi,
                                    HakkındaDüğmesi,
                                    ÇıkışDüğmesi};
    for (std::size_t i = 1; i < std::size(sekmeSırası); ++i)
        setTabOrder(sekmeSırası[i - 1], sekmeSırası[i]);

    // Names for a screen reader where a control has no caption; the others speak their caption.
    OyunErişiminiKur();
    OyunAlanı->setAccessibleName(ErişimMetni::OyunTahtası);
    ÖrnekKutusu->setAccessibleName(ErişimMetni::FotoğrafÖrneği);
    SüreEtiketi->setAccessibleName(ErişimMetni::GeçenSüre);
    HamleEtiketi->setAccessibleName(ErişimMetni::HamleSayısı);

    // Handlers. The options and check boxes answer the player's clicks only: setting them from
    // the load runs no handler, the load calls what it needs itself. Choosing the grid that is
    // already chosen changes nothing (a running game is not dealt again).
    for (int i = 0; i < 3; ++i) {
        connect(ParçalaraBölSeçeneği[i], &QRadioButton::clicked, this, [this, i] {
            if (i != Oturum.Bölme())
                ParçalaraBölSeçeneği_Click(i);
        });
    }
    connect(FotoğrafınÖrneğiniGöster, &QCheckBox::clicked, this,
            [this] { FotoğrafınÖrneğiniGöster_Click(); });
    connect(OyunuKaydetOnayı, &QCheckBox::clicked, this, [this] { OyunuKaydetOnayı_Click(); });
    connect(YeniOyunDüğmesi, &QPushButton::clicked, this, [this] { YeniOyunDüğmesi_Click(); });
    connect(YeniFotoğrafDüğmesi, &QPushButton::clicked, this,
            [this] { YeniFotoğrafDüğmesi_Click(); });
    connect(HakkındaDüğmesi, &QPushButton::clicked, this, [this] { HakkındaDüğmesi_Click(); });
    connect(ÇıkışDüğmesi, &QPushButton::clicked, this, [this] { ÇıkışDüğmesi_Click(); });
    connect(OyunAlanı, &TahtaÇizimi::ArrowKey, this, [this](Ok ok) { OyunAlanı_KeyDown(ok); });
    connect(OyunAlanı, &TahtaÇizimi::PlaceClicked, this,
            [this](int yer) { DağınıkParçalar_Click(yer); });

    // A photo file dropped on the window is opened (AnaFormFotograf.cpp).
    setAcceptDrops(true);

    // Esc presses the exit button wherever the focus is in the window.
    auto *esc = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    esc->setContext(Qt::WindowShortcut);
    connect(esc, &QShortcut::activated, ÇıkışDüğmesi, &QPushButton::click);

    RekorlarıBağla();
}

void AnaForm::closeEvent(QCloseEvent *olay) {
    bool iptal = false;
    Form_QueryUnload(iptal, KapanmaNedeniniBul(*olay));
    if (iptal)
        olay->ignore();
    else
        olay->accept();
}
