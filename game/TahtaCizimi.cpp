// SPDX-License-Identifier: GPL-3.0-or-later
// The painted board: places, pieces, the slide and the focus frame.
#include "game/TahtaCizimi.h"

#include "game/OyunErisimi.h"

#include <QKeyEvent>
#include <QPainter>
#include <QVariantAnimation>
#include <utility>

namespace {

// The frame stands in the margin around the places, clear of the pieces.
constexpr int ÇerçevePayı = 4;
constexpr int ÇerçeveKalınlığı = 2;
// Long enough for the eye to follow the piece, short enough never to hold up the next move.
constexpr int KaymaSüresi = 100; // ms
// A place's sunken border; the piece lies inside it.
constexpr int KenarPayı = 2;

} // namespace

TahtaCizimi::TahtaCizimi(QWidget *çerçeve)
    : QWidget(çerçeve), boşRengi_(palette().color(QPalette::Base)),
      kayma_(new QVariantAnimation(this)) {
    setGeometry(çerçeve->rect());
    // Reached by Tab and given by a new game, never by a click: a mouse player's board looks as
    // it always has.
    setFocusPolicy(Qt::TabFocus);
    // The hand shows over the places only.
    setMouseTracking(true);
    kayma_->setDuration(KaymaSüresi);
    kayma_->setStartValue(0.0);
    kayma_->setEndValue(1.0);
    connect(kayma_, &QVariantAnimation::valueChanged, this,
            [this] { update(KayanınDikdörtgeni()); });
    connect(kayma_, &QVariantAnimation::finished, this, [this] {
        update(KayanınDikdörtgeni());
        kayanKaynak_ = kayanHedef_ = -1;
        emit SlideEnded();
    });
}

TahtaCizimi::~TahtaCizimi() = default;

void TahtaCizimi::YerleriKur(std::vector<QRect> yerler) {
    // A slide on the old places ends as any other: whoever waits for it hears of it.
    KaymayıBitir();
    yerler_ = std::move(yerler);
    gösterilen_.assign(yerler_.size(), OyunTahtası::ParçaYok);
    basılanYer_ = -1;
    OkuyucununYeri = -1;
    update();
}

void TahtaCizimi::ParçalarıKoy(ParçaResmi parçalar) {
    parçalar_ = std::move(parçalar);
    update();
}

void TahtaCizimi::SetBoşRengi(const QColor &renk) {
    boşRengi_ = renk;
    update();
}

void TahtaCizimi::SetYerİmleci(Qt::CursorShape imleç) {
    yerİmleci_ = imleç;
    if (testAttribute(Qt::WA_SetCursor))
        setCursor(imleç);
}

int TahtaCizimi::YerAt(QPoint nokta) const {
    for (std::size_t yer = 0; yer < yerler_.size(); ++yer)
        if (yerler_[yer].contains(nokta))
            return static_cast<int>(yer);
    return -1;
}

void TahtaCizimi::Göster(const OyunTahtası &tahta) {
    KaymayıBitir();
    // A board of another size than the places laid out shows only what both have.
    for (std::size_t yer = 0; yer < gösterilen_.size(); ++yer)
        gösterilen_[yer] =
            int(yer) < tahta.YerSayısı() ? tahta.YerOf(int(yer)).Parça : OyunTahtası::ParçaYok;
    update();
}

void TahtaCizimi::Kaydır(const OyunTahtası &tahta, int from, int to) {
    KaymayıBitir();
    Göster(tahta);
    if (from < 0 || to < 0 || from >= YerSayısı() || to >= YerSayısı())
        return;
    kayanKaynak_ = from;
    kayanHedef_ = to;
    kayma_->start();
    update(KayanınDikdörtgeni());
}

QImage TahtaCizimi::YerResmi(int yer) const { return ParçanınResmi(GösterilenParça(yer)); }

QImage TahtaCizimi::ParçanınResmi(int parça) const {
    return parça >= 0 && parçalar_ ? parçalar_(parça) : QImage();
}

bool TahtaCizimi::KayıyorMu() const { return kayanHedef_ >= 0; }

void TahtaCizimi::KaymayıBitir() {
    if (!KayıyorMu())
        return;
    // stop() does not finish: the end is told here, as a slide that ran out tells it.
    kayma_->stop();
    update(KayanınDikdörtgeni());
    kayanKaynak_ = kayanHedef_ = -1;
    emit SlideEnded();
}

QRect TahtaCizimi::KayanınDikdörtgeni() const {
    if (!KayıyorMu())
        return {};
    return YerDikdörtgeni(kayanKaynak_) | YerDikdörtgeni(kayanHedef_);
}

// A place as the board has always drawn it: the empty colour, the piece inside a sunken
// two-pixel border.
void TahtaCizimi::YeriÇiz(QPainter &boyacı, QRect r, int parça) const {
    boyacı.fillRect(r, boşRengi_);
    if (const QImage resim = ParçanınResmi(parça); !resim.isNull())
        boyacı.drawImage(r.topLeft() + QPoint(KenarPayı, KenarPayı), resim);
    const QPalette &renkler = palette();
    boyacı.setPen(renkler.color(QPalette::Dark));
    boyacı.drawLine(r.topLeft(), r.topRight());
    boyacı.drawLine(r.topLeft(), r.bottomLeft());
    boyacı.setPen(renkler.color(QPalette::Light));
    boyacı.drawLine(r.bottomLeft(), r.bottomRight());
    boyacı.drawLine(r.topRight(), r.bottomRight());
    boyacı.setPen(renkler.color(QPalette::Shadow));
    boyacı.drawLine(r.topLeft() + QPoint(1, 1), r.topRight() + QPoint(-1, 1));
    boyacı.drawLine(r.topLeft() + QPoint(1, 1), r.bottomLeft() + QPoint(1, -1));
    // The inner light edge, so that the empty colour never shows as a line along a piece.
    boyacı.setPen(renkler.color(QPalette::Midlight));
    boyacı.drawLine(r.bottomLeft() + QPoint(1, -1), r.bottomRight() + QPoint(-1, -1));
    boyacı.drawLine(r.topRight() + QPoint(-1, 1), r.bottomRight() + QPoint(-1, -1));
}

void TahtaCizimi::paintEvent(QPaintEvent *) {
    if (yerler_.empty())
        return;
    QPainter boyacı(this);
    for (std::size_t yer = 0; yer < yerler_.size(); ++yer)
        YeriÇiz(boyacı, yerler_[yer],
                int(yer) == kayanHedef_ ? OyunTahtası::ParçaYok : gösterilen_[yer]);
    if (KayıyorMu()) {
        // The moving piece, whole with its border, on the straight line between the two places.
        const qreal ilerleme = kayma_->currentValue().toReal();
        const QPointF baş = YerDikdörtgeni(kayanKaynak_).topLeft();
        const QPointF son = YerDikdörtgeni(kayanHedef_).topLeft();
        const QPoint konum = (baş + (son - baş) * ilerleme).toPoint();
        YeriÇiz(boyacı, QRect(konum, YerDikdörtgeni(kayanHedef_).size()),
                gösterilen_[std::size_t(kayanHedef_)]);
    }
    if (ipucuYeri_ >= 0 && ipucuYeri_ < YerSayısı()) {
        // In the highlight colour on a contrasting edge, so that it shows on any photo.
        const QRectF dış = QRectF(YerDikdörtgeni(ipucuYeri_)).adjusted(1.5, 1.5, -1.5, -1.5);
        boyacı.setPen(QPen(palette().color(QPalette::HighlightedText), 3));
        boyacı.drawRect(dış);
        boyacı.setPen(QPen(palette().color(QPalette::Highlight), 3));
        boyacı.drawRect(dış.adjusted(3, 3, -3, -3));
    }
    if (!hasFocus() || !klavyeyle_)
        return;
    QRect hepsi;
    for (const QRect &yer : yerler_)
        hepsi |= yer;
    boyacı.setRenderHint(QPainter::Antialiasing);
    boyacı.setPen(QPen(palette().color(QPalette::Highlight), ÇerçeveKalınlığı));
    const qreal pay = ÇerçevePayı - ÇerçeveKalınlığı / 2.0;
    boyacı.drawRoundedRect(QRectF(hepsi).adjusted(-pay, -pay, pay, pay), 2, 2);
}

// The frame shows to a keyboard player only: a deal started with the mouse also gives the board
// the focus, and a mouse player's board must look as it always has.
void TahtaCizimi::KlavyeyleMi(bool klavyeyle) {
    if (klavyeyle_ == klavyeyle)
        return;
    klavyeyle_ = klavyeyle;
    update();
}

void TahtaCizimi::keyPressEvent(QKeyEvent *olay) {
    KlavyeyleMi(true);
    const Qt::KeyboardModifiers değiştirici = olay->modifiers() & ~Qt::KeypadModifier;
    if (değiştirici == Qt::NoModifier) {
        switch (olay->key()) {
        case Qt::Key_Up:
            emit ArrowKey(Ok::Yukarı);
            return;
        case Qt::Key_Down:
            emit ArrowKey(Ok::Aşağı);
            return;
        case Qt::Key_Left:
            emit ArrowKey(Ok::Sol);
            return;
        case Qt::Key_Right:
            emit ArrowKey(Ok::Sağ);
            return;
        case Qt::Key_H:
            emit HintKey();
            return;
        default:
            break;
        }
    }
    QWidget::keyPressEvent(olay);
}

void TahtaCizimi::mousePressEvent(QMouseEvent *olay) {
    KlavyeyleMi(false);
    basılanYer_ = olay->button() == Qt::LeftButton ? YerAt(olay->position().toPoint()) : -1;
    QWidget::mousePressEvent(olay);
}

// A click is a press and a release on the same place, as a button takes it.
void TahtaCizimi::mouseReleaseEvent(QMouseEvent *olay) {
    const int yer = olay->button() == Qt::LeftButton ? std::exchange(basılanYer_, -1) : -1;
    if (yer >= 0 && yer < YerSayısı() && YerDikdörtgeni(yer).contains(olay->position().toPoint()))
        emit PlaceClicked(yer);
    QWidget::mouseReleaseEvent(olay);
}

void TahtaCizimi::mouseMoveEvent(QMouseEvent *olay) {
    const bool üstünde = YerAt(olay->position().toPoint()) >= 0;
    if (üstünde != testAttribute(Qt::WA_SetCursor)) {
        if (üstünde)
            setCursor(yerİmleci_);
        else
            unsetCursor();
    }
    QWidget::mouseMoveEvent(olay);
}

void TahtaCizimi::focusInEvent(QFocusEvent *olay) {
    // Tab is the keyboard's way in; a deal's focus leaves the frame as the last input left it.
    if (olay->reason() == Qt::TabFocusReason || olay->reason() == Qt::BacktabFocusReason)
        KlavyeyleMi(true);
    QWidget::focusInEvent(olay);
    TahtaOdaklandı(this);
}

void TahtaCizimi::İpucuİşaretle(int yer) {
    ipucuYeri_ = yer;
    update();
}

void TahtaCizimi::İpucuyuKaldır() {
    if (std::exchange(ipucuYeri_, -1) >= 0)
        update();
}
