// SPDX-License-Identifier: GPL-3.0-or-later
// The about box: its layout, its load, the hover look of its links and closing.
#include "about/HakkindaFormu.h"

#include "about/OzellikCantasi.h"
#include "resources/DizgiKimligi.h"
#include "resources/DizgiTablosu.h"
#include "resources/Kaynaklar.h"
#include "resources/StandartDugmeler.h"
#include "toolkit/HataPolitikasi.h"
#include "toolkit/OkunurRenk.h"
#include "toolkit/Twip.h"
#include "toolkit/YaziTipi.h"

#include <QFile>
#include <QGroupBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace {

QJsonObject JsonKaynağı(const QString &yol) {
    QFile dosya(yol);
    if (!dosya.open(QIODevice::ReadOnly))
        return {};
    return QJsonDocument::fromJson(dosya.readAll()).object();
}

// An auto-sized label: its size follows its text.
QLabel *Etiketi(QWidget *sahip, int sol, int üst, const QString &başlık) {
    auto *etiket = new QLabel(başlık, sahip);
    etiket->move(Piksel(sol), Piksel(üst));
    etiket->adjustSize();
    return etiket;
}

void MetniYaz(QLabel *etiket, const QString &metin) {
    etiket->setText(metin);
    etiket->adjustSize();
}

void RenkVer(QWidget *denetim, QPalette::ColorRole rol, const QColor &renk) {
    QPalette palet = denetim->palette();
    palet.setColor(rol, renk);
    denetim->setPalette(palet);
}

} // namespace

QString SürümSatırı(int major, int minor, int revision) {
    return LoadResString(2450) + QString::number(major) + u'.' + QString::number(minor) +
           QString::number(revision);
}

QString YasalHaklarNotu() {
    const QJsonValue not_ = JsonKaynağı(QStringLiteral(":/about/SurumKaydi.json"))
                                .value(QStringLiteral("LegalCopyright"));
    if (!not_.isString())
        throw ÇalışmaHatası(ÇalışmaHatası::KaynakBulunamadı);
    return not_.toString();
}

HakkindaFormu::HakkindaFormu(QWidget *sahip) : QDialog(sahip) {
    const QJsonObject düzen = JsonKaynağı(QStringLiteral(":/about/HakkindaFormu.json"));
    DüzeniKur(düzen);
    BağlantılarıKur(düzen);
    Form_Load();
}

HakkindaFormu::~HakkindaFormu() = default;

void HakkindaFormu::DüzeniKur(const QJsonObject &düzen) {
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                   Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(Piksel(5430), Piksel(3870));
    setFont(PencereYazıTipi());
    setWindowTitle(QStringLiteral("2400"));
    setMouseTracking(true);

    const QJsonArray başlıklar = düzen.value(QStringLiteral("Etiket")).toArray();

    Çerçeve = new QGroupBox(this);
    Çerçeve->setGeometry(TwipDikdörtgeni(300, 240, 4815, 2805));

    Altlık = new QWidget(Çerçeve);
    Altlık->setGeometry(TwipDikdörtgeni(120, 180, 4575, 2505));
    Altlık->setAutoFillBackground(true);
    RenkVer(Altlık, QPalette::Window, QColor(192, 192, 255));
    Altlık->setMouseTracking(true);
    Altlık->installEventFilter(this);

    SimgeKutusu = new QLabel(Altlık);
    SimgeKutusu->setGeometry(TwipDikdörtgeni(360, 360, 480, 480));
    SimgeKutusu->setPixmap(ProgramSimgesi().pixmap(32, 32));

    // The labels stand on the panel, which takes the window's background at load.
    const QColor zemin = palette().color(QPalette::Window);
    const int üstler[] = {180, 450, 750, 1200};
    for (int i = 0; i < 4; ++i)
        Etiket[i] = Etiketi(Altlık, 1200, üstler[i], başlıklar.at(i).toString());
    RenkVer(Etiket[0], QPalette::WindowText, OkunurRenk(QColor(0, 0, 192), zemin));
    Etiket[2]->setWordWrap(true);
    Etiket[2]->setGeometry(TwipDikdörtgeni(1200, 750, 2925, 405));
    Etiket[2]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    RenkVer(Etiket[3], QPalette::WindowText, OkunurRenk(QColor(0, 0, 128), zemin));

    TamamDüğmesi = new QPushButton(QStringLiteral("2000"), this);
    TamamDüğmesi->setGeometry(TwipDikdörtgeni(3870, 3240, 1245, 345));
    TamamDüğmesi->setDefault(true);
    connect(TamamDüğmesi, &QPushButton::clicked, this, [this] { TamamDüğmesi_Click(); });
}

// The links come from the stored layout: each keeps only what differs from a newly placed link.
void HakkindaFormu::BağlantılarıKur(const QJsonObject &düzen) {
    const auto kur = [&](const QString &ad, int üst, int genişlik) {
        auto *bağlantı = new WebEtiketi(Altlık);
        bağlantı->ReadProperties(ÖzellikÇantası::JsonNesnesinden(düzen.value(ad).toObject()));
        bağlantı->setGeometry(TwipDikdörtgeni(1170, üst, genişlik, 255));
        bağlantı->UserControl_Resize();
        return bağlantı;
    };
    NuvVorudovEtiketi = kur(QStringLiteral("NuvVorudovEtiketi"), 1410, 1950);
    MesajGönderEtiketi = kur(QStringLiteral(u"MesajGönderEtiketi"), 1800, 420);
    EPostaGönderEtiketi = kur(QStringLiteral(u"EPostaGönderEtiketi"), 2100, 420);

    connect(NuvVorudovEtiketi, &WebEtiketi::MouseMove, this,
            [this] { NuvVorudovEtiketi_MouseMove(); });
    connect(MesajGönderEtiketi, &WebEtiketi::MouseMove, this,
            [this] { MesajGönderEtiketi_MouseMove(); });
    connect(EPostaGönderEtiketi, &WebEtiketi::MouseMove, this,
            [this] { EPostaGönderEtiketi_MouseMove(); });
}

// Every step stands alone: a missing string or a caption that is not a number leaves that one
// text as designed.
void HakkindaFormu::Form_Load() {
    HataKapanı adım(HataTarzı::YoksayVeDevamEt);
    adım([&] { RenkVer(Altlık, QPalette::Window, palette().color(QPalette::Window)); });
    adım([&] { setWindowTitle(LoadResString(2400)); });
    adım([&] { MetniYaz(Etiket[0], UygulamaBaşlığı()); });
    adım([&] { MetniYaz(Etiket[1], SürümSatırı(MOZETA_MAJOR, MOZETA_MINOR, MOZETA_REVISION)); });
    adım([&] { Etiket[2]->setText(YasalHaklarNotu()); });
    adım([&] { MesajGönderEtiketi->SetCaption(KimliğinMetni(MesajGönderEtiketi->Caption())); });
    adım([&] { EPostaGönderEtiketi->SetCaption(KimliğinMetni(EPostaGönderEtiketi->Caption())); });
    adım([&] { TamamDüğmesi->setText(KimliğinMetni(TamamDüğmesi->text())); });
}

void HakkindaFormu::BağlantıyıVurgula(WebEtiketi &bağlantı) {
    if (bağlantı.RenkDeğiştir())
        bağlantı.SetForeColor(bağlantı.PasifRenk());
    else
        bağlantı.SetFontUnderline(true);
}

// Runs on every move over the free surfaces, highlighted links or not; it changes nothing twice.
void HakkindaFormu::BağlantılarıSıfırla() {
    for (WebEtiketi *bağlantı : {NuvVorudovEtiketi, MesajGönderEtiketi, EPostaGönderEtiketi}) {
        bağlantı->SetFontUnderline(false);
        bağlantı->SetForeColor(bağlantı->AktifRenk());
    }
}

void HakkindaFormu::TamamDüğmesi_Click() { accept(); }

// Only the window's own surface and the panel's free surface reset the links; the controls
// standing on them (frame, button, labels, picture) do not.
void HakkindaFormu::mouseMoveEvent(QMouseEvent *olay) {
    if (!childAt(olay->position().toPoint()))
        Form_MouseMove();
}

bool HakkindaFormu::eventFilter(QObject *nesne, QEvent *olay) {
    if (nesne == Altlık && olay->type() == QEvent::MouseMove) {
        if (!Altlık->childAt(static_cast<QMouseEvent *>(olay)->position().toPoint()))
            Altlık_MouseMove();
        return true;
    }
    return QDialog::eventFilter(nesne, olay);
}

// Esc presses OK, as the window's cancel button.
void HakkindaFormu::keyPressEvent(QKeyEvent *olay) {
    if (olay->key() == Qt::Key_Escape && olay->modifiers() == Qt::NoModifier) {
        TamamDüğmesi->click();
        return;
    }
    QDialog::keyPressEvent(olay);
}
