// SPDX-License-Identifier: GPL-3.0-or-later
// The picture box.
#include "toolkit/ResimKutusu.h"

#include "toolkit/ResimBicimi.h"

#include <QPainter>

ResimKutusu::ResimKutusu(QWidget *parent)
    : QWidget(parent), arkaRenk_(palette().color(QPalette::Window)) {}

void ResimKutusu::SetPicture(QImage resim, QSize doğalBoyut) {
    // The board keeps a photo and all its pieces for the whole game: a quarter of their memory
    // is the unused fourth byte. The picture handed in is let go before Change is emitted, so
    // that what is drawn from the new one is made while only one copy is held.
    resim_ = KutudakiBiçim(std::move(resim));
    doğalBoyut_ = resim_.isNull() ? QSize() : doğalBoyut;
    if (otomatikBoyut_ && !resim_.isNull())
        resize(doğalBoyut_.isValid() ? doğalBoyut_ : resim_.size());
    update();
    emit Change();
}

void ResimKutusu::SetStretchedPicture(const QImage &resim) {
    if (resim.isNull()) {
        SetPicture(QImage());
        return;
    }
    const qreal oran = devicePixelRatioF();
    QImage gerilmiş = YumuşakÖlçekle(resim, contentsRect().size() * oran);
    gerilmiş.setDevicePixelRatio(oran);
    SetPicture(std::move(gerilmiş));
}

void ResimKutusu::SetBackColor(const QColor &renk) {
    arkaRenk_ = renk;
    update();
}

int ResimKutusu::ScaleWidth() const {
    if (otomatikBoyut_ && !resim_.isNull())
        return doğalBoyut_.isValid() ? doğalBoyut_.width() : resim_.width();
    return contentsRect().width();
}

int ResimKutusu::ScaleHeight() const {
    if (otomatikBoyut_ && !resim_.isNull())
        return doğalBoyut_.isValid() ? doğalBoyut_.height() : resim_.height();
    return contentsRect().height();
}

void ResimKutusu::SetBorder(bool açık) {
    kenarlık_ = açık;
    setContentsMargins(açık ? QMargins(2, 2, 2, 2) : QMargins());
    update();
}

void ResimKutusu::paintEvent(QPaintEvent *) {
    QPainter boyacı(this);
    boyacı.fillRect(rect(), arkaRenk_);
    if (!resim_.isNull())
        boyacı.drawImage(contentsRect().topLeft(), resim_);
    if (kenarlık_) {
        // A sunken two-pixel border around the picture.
        const QRect r = rect(); // right() and bottom() are the last pixels already
        boyacı.setPen(palette().color(QPalette::Dark));
        boyacı.drawLine(r.topLeft(), r.topRight());
        boyacı.drawLine(r.topLeft(), r.bottomLeft());
        boyacı.setPen(palette().color(QPalette::Light));
        boyacı.drawLine(r.bottomLeft(), r.bottomRight());
        boyacı.drawLine(r.topRight(), r.bottomRight());
        boyacı.setPen(palette().color(QPalette::Shadow));
        boyacı.drawLine(r.topLeft() + QPoint(1, 1), r.topRight() + QPoint(-1, 1));
        boyacı.drawLine(r.topLeft() + QPoint(1, 1), r.bottomLeft() + QPoint(1, -1));
        // The inner light edge, so that BackColor never shows as a line along a picture.
        boyacı.setPen(palette().color(QPalette::Midlight));
        boyacı.drawLine(r.bottomLeft() + QPoint(1, -1), r.bottomRight() + QPoint(-1, -1));
        boyacı.drawLine(r.topRight() + QPoint(-1, 1), r.bottomRight() + QPoint(-1, -1));
    }
}
