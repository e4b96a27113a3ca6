// SPDX-License-Identifier: GPL-3.0-or-later
// The link label: its eight properties, its stored layout, its layout rule and its click.
#include "about/WebEtiketi.h"

#include "about/OzellikCantasi.h"
#include "toolkit/OkunurRenk.h"
#include "toolkit/Twip.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QDesktopServices>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QStyleOptionFocusRect>
#include <QStylePainter>
#include <QUrl>

namespace {

const QColor VarsayılanAktifRenk(0, 0, 255);
const QColor VarsayılanPasifRenk(128, 64, 64);
const QString VarsayılanBaşlık = QStringLiteral("...");

WebEtiketi::AdresAçıcı &Açıcı() {
    static WebEtiketi::AdresAçıcı açıcı = &WebEtiketi::MasaüstündeAç;
    return açıcı;
}

// A screen reader hears a link with its text, and where it leads as its description.
class BağlantıErişimi : public QAccessibleWidget {
public:
    explicit BağlantıErişimi(WebEtiketi *bağlantı)
        : QAccessibleWidget(bağlantı, QAccessible::Link) {}

    QString text(QAccessible::Text tür) const override {
        const auto *bağlantı = static_cast<const WebEtiketi *>(widget());
        if (tür == QAccessible::Name)
            return bağlantı->Caption();
        if (tür == QAccessible::Description)
            return bağlantı->Url();
        return QAccessibleWidget::text(tür);
    }
};

QAccessibleInterface *BağlantıAçıklaması(const QString &sınıf, QObject *nesne) {
    if (sınıf == QLatin1String("WebEtiketi"))
        return new BağlantıErişimi(static_cast<WebEtiketi *>(nesne));
    return nullptr;
}

} // namespace

bool AçılabilirAdres(const QString &adres) {
    const QUrl url(adres.trimmed(), QUrl::StrictMode);
    return url.isValid() && !url.scheme().isEmpty() && !url.isRelative();
}

void WebEtiketi::AçıcıKur(AdresAçıcı açıcı) {
    Açıcı() = açıcı ? std::move(açıcı) : AdresAçıcı(&WebEtiketi::MasaüstündeAç);
}

// The desktop's own failure to open an address is not the program's concern: nothing is shown.
void WebEtiketi::MasaüstündeAç(const QString &adres) {
    if (AçılabilirAdres(adres))
        QDesktopServices::openUrl(QUrl(adres.trimmed(), QUrl::StrictMode));
}

WebEtiketi::WebEtiketi(QWidget *sahip)
    : QWidget(sahip), Etiket(new QLabel(VarsayılanBaşlık, this)), aktifRenk_(VarsayılanAktifRenk),
      pasifRenk_(VarsayılanPasifRenk), url_(ÜreticiAdresi) {
    static const bool açıklamaKuruldu = [] {
        QAccessible::installFactory(BağlantıAçıklaması);
        return true;
    }();
    Q_UNUSED(açıklamaKuruldu);
    // Moves over the margin belong to the link, not to the surface it stands on.
    setAttribute(Qt::WA_NoMousePropagation);
    // Reached by Tab and opened with Enter or Space, never focused by a click.
    setFocusPolicy(Qt::TabFocus);
    resize(Piksel(495), Piksel(555));

    Etiket->setAutoFillBackground(true);
    Etiket->setBackgroundRole(QPalette::Button);
    // On a button-face background Qt would draw the text in the button-text role, not ForeColor.
    Etiket->setForegroundRole(QPalette::WindowText);
    EtiketRengi(VarsayılanYazıRengi());
    Etiket->setCursor(Qt::PointingHandCursor);
    Etiket->setMouseTracking(true);
    Etiket->installEventFilter(this);
    Etiket->adjustSize();
}

QString WebEtiketi::Caption() const { return Etiket->text(); }

void WebEtiketi::SetCaption(const QString &New_Caption) {
    Etiket->setText(New_Caption);
    Etiket->adjustSize();
    UserControl_Resize();
}

bool WebEtiketi::FontUnderline() const { return Etiket->font().underline(); }

void WebEtiketi::SetFontUnderline(bool New_FontUnderline) {
    QFont yazıTipi = Etiket->font();
    yazıTipi.setUnderline(New_FontUnderline);
    Etiket->setFont(yazıTipi);
    Etiket->adjustSize();
}

QColor WebEtiketi::ForeColor() const { return yazıRengi_; }

void WebEtiketi::SetForeColor(const QColor &New_ForeColor) { EtiketRengi(New_ForeColor); }

const QFont &WebEtiketi::Font() const { return Etiket->font(); }

void WebEtiketi::SetFont(const QFont &New_Font) {
    Etiket->setFont(New_Font);
    Etiket->adjustSize();
}

void WebEtiketi::SetPasifRenk(const QColor &YeniRenk) { pasifRenk_ = YeniRenk; }

QColor WebEtiketi::AktifRenk() {
    EtiketRengi(aktifRenk_);
    return aktifRenk_;
}

void WebEtiketi::SetAktifRenk(const QColor &YeniRenk) {
    aktifRenk_ = YeniRenk;
    EtiketRengi(YeniRenk);
}

void WebEtiketi::SetUrl(const QString &YeniDeğer) { url_ = YeniDeğer; }

void WebEtiketi::SetRenkDeğiştir(bool YeniDeğer) { renkDeğiştir_ = YeniDeğer; }

void WebEtiketi::ReadProperties(const ÖzellikÇantası &çanta) {
    Etiket->setText(çanta.ReadProperty(QStringLiteral("Caption"), VarsayılanBaşlık));
    QFont altıÇizili = Etiket->font();
    altıÇizili.setUnderline(çanta.ReadProperty(QStringLiteral("FontUnderline"), false));
    Etiket->setFont(altıÇizili);
    EtiketRengi(çanta.ReadProperty(QStringLiteral("ForeColor"), VarsayılanYazıRengi()));
    Etiket->setFont(çanta.ReadProperty(QStringLiteral("Font"), OrtamYazıTipi()));
    Etiket->adjustSize();
    aktifRenk_ = çanta.ReadProperty(QStringLiteral("AktifRenk"), VarsayılanAktifRenk);
    pasifRenk_ = çanta.ReadProperty(QStringLiteral("PasifRenk"), VarsayılanPasifRenk);
    renkDeğiştir_ = çanta.ReadProperty(QStringLiteral(u"RenkDeğiştir"), false);
    url_ = çanta.ReadProperty(QStringLiteral("Url"), ÜreticiAdresi);
}

void WebEtiketi::UserControl_Resize() {
    Etiket->move(Piksel(30), Piksel(30));
    // Sizing from inside the rule runs it again; the second pass finds nothing to change.
    resize(Etiket->width() + Piksel(60), Etiket->height() + Piksel(60));
}

void WebEtiketi::resizeEvent(QResizeEvent *) { UserControl_Resize(); }

void WebEtiketi::keyPressEvent(QKeyEvent *olay) {
    const int tuş = olay->key();
    if (olay->modifiers() == Qt::NoModifier &&
        (tuş == Qt::Key_Return || tuş == Qt::Key_Enter || tuş == Qt::Key_Space))
        Etiket_Click();
    else
        QWidget::keyPressEvent(olay);
}

// The focus shows as a frame in the margin around the text.
void WebEtiketi::paintEvent(QPaintEvent *) {
    if (!hasFocus())
        return;
    QStylePainter boyacı(this);
    QStyleOptionFocusRect seçenek;
    seçenek.initFrom(this);
    seçenek.rect = Etiket->geometry().adjusted(-2, -2, 2, 2);
    boyacı.drawPrimitive(QStyle::PE_FrameFocusRect, seçenek);
}

bool WebEtiketi::eventFilter(QObject *nesne, QEvent *olay) {
    if (nesne != Etiket)
        return QWidget::eventFilter(nesne, olay);
    switch (olay->type()) {
    case QEvent::MouseMove: {
        const auto *fare = static_cast<QMouseEvent *>(olay);
        emit MouseMove(fare->buttons(), fare->modifiers(), fare->position());
        return true;
    }
    case QEvent::MouseButtonPress:
        basılı_ = static_cast<QMouseEvent *>(olay)->button() == Qt::LeftButton;
        return true;
    case QEvent::MouseButtonRelease: {
        const auto *fare = static_cast<QMouseEvent *>(olay);
        const bool tıklandı = basılı_ && fare->button() == Qt::LeftButton &&
                              Etiket->rect().contains(fare->position().toPoint());
        basılı_ = false;
        if (tıklandı)
            Etiket_Click();
        return true;
    }
    default:
        return QWidget::eventFilter(nesne, olay);
    }
}

void WebEtiketi::Etiket_Click() { Açıcı()(Url()); }

// The text is drawn on the label's button-face background; ForeColor keeps the colour as set.
void WebEtiketi::EtiketRengi(const QColor &renk) {
    yazıRengi_ = renk;
    QPalette palet = Etiket->palette();
    palet.setColor(QPalette::WindowText, OkunurRenk(renk, palet.color(QPalette::Button)));
    Etiket->setPalette(palet);
}

// The label's default text colour is the system's button-text colour.
QColor WebEtiketi::VarsayılanYazıRengi() const { return palette().color(QPalette::ButtonText); }

// The host's font: what a link shows when its layout stores none.
QFont WebEtiketi::OrtamYazıTipi() const {
    return parentWidget() ? parentWidget()->font() : QApplication::font();
}
