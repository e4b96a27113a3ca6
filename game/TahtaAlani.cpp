// SPDX-License-Identifier: GPL-3.0-or-later
// The board's panel: arrow keys and the focus frame.
#include "game/TahtaAlani.h"

#include "game/OyunErisimi.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>

namespace {

// The frame stands in the margin around the places, clear of the pieces.
constexpr int ÇerçevePayı = 4;
constexpr int ÇerçeveKalınlığı = 2;

// A frame over the place, in the highlight colour on a contrasting edge so that it shows on
// any photo. It takes no click: the place under it is played as ever.
class İpucuİşareti : public QWidget {
public:
    explicit İpucuİşareti(QWidget *tahta) : QWidget(tahta) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent *) override {
        QPainter boyacı(this);
        const QRectF dış = QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5);
        boyacı.setPen(QPen(palette().color(QPalette::HighlightedText), 3));
        boyacı.drawRect(dış);
        boyacı.setPen(QPen(palette().color(QPalette::Highlight), 3));
        boyacı.drawRect(dış.adjusted(3, 3, -3, -3));
    }
};

} // namespace

TahtaAlani::TahtaAlani(QWidget *çerçeve) : QWidget(çerçeve) {
    setGeometry(çerçeve->rect());
    // Reached by Tab and given by a new game, never by a click: a mouse player's board looks as
    // it always has.
    setFocusPolicy(Qt::TabFocus);
    // The frame shows to a keyboard player only: a deal started with the mouse also gives the
    // board the focus, and a mouse player's board must look as it always has.
    qApp->installEventFilter(this);
}

bool TahtaAlani::eventFilter(QObject *nesne, QEvent *olay) {
    const bool tuş = olay->type() == QEvent::KeyPress;
    if ((tuş || olay->type() == QEvent::MouseButtonPress) && klavyeyle_ != tuş) {
        klavyeyle_ = tuş;
        update();
    }
    return QWidget::eventFilter(nesne, olay);
}

void TahtaAlani::paintEvent(QPaintEvent *) {
    if (!hasFocus() || !klavyeyle_)
        return;
    QRect yerler;
    for (const QWidget *yer : findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        if (!yer->isHidden())
            yerler |= yer->geometry();
    if (yerler.isEmpty())
        return;
    QPainter boyacı(this);
    boyacı.setRenderHint(QPainter::Antialiasing);
    QPen kalem(palette().color(QPalette::Highlight), ÇerçeveKalınlığı);
    boyacı.setPen(kalem);
    const qreal pay = ÇerçevePayı - ÇerçeveKalınlığı / 2.0;
    boyacı.drawRoundedRect(QRectF(yerler).adjusted(-pay, -pay, pay, pay), 2, 2);
}

void TahtaAlani::keyPressEvent(QKeyEvent *olay) {
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

void TahtaAlani::focusInEvent(QFocusEvent *olay) {
    QWidget::focusInEvent(olay);
    TahtaOdaklandı(this);
}

void TahtaAlani::İpucuİşaretle(const QRect &yer) {
    if (!ipucuİşareti_)
        ipucuİşareti_ = new İpucuİşareti(this);
    ipucuİşareti_->setGeometry(yer);
    ipucuİşareti_->raise();
    ipucuİşareti_->show();
}

void TahtaAlani::İpucuyuKaldır() {
    if (ipucuİşareti_)
        ipucuİşareti_->hide();
}
