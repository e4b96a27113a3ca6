// SPDX-License-Identifier: GPL-3.0-or-later
// The picture box: a widget that keeps one persistent image and draws it at its top left.
#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>

class ResimKutusu : public QWidget {
    Q_OBJECT

public:
    explicit ResimKutusu(QWidget *parent = nullptr);

    // The assigned picture; a null image is the empty picture, through which BackColor shows.
    // Assigning a picture emits Change. `doğalBoyut` is the size the picture stands for when
    // it was decoded at a reduced size (a large photo): ScaleWidth and ScaleHeight report it.
    // An opaque picture is kept in three bytes a pixel (Format_RGB888) rather than four: every
    // scaling and drawing widens it back, so what is shown stays the same.
    const QImage &Picture() const { return resim_; }
    void SetPicture(QImage resim, QSize doğalBoyut = {});
    bool HasPicture() const { return !resim_.isNull(); }
    // Assigns `resim` smooth-scaled over the whole inner area at the screen's pixel density,
    // each axis on its own: squeezed or stretched, never framed. A null image empties the box.
    void SetStretchedPicture(const QImage &resim);

    QColor BackColor() const { return arkaRenk_; }
    void SetBackColor(const QColor &renk);

    // Inner size in pixels; for a photo, its natural size.
    int ScaleWidth() const;
    int ScaleHeight() const;

    // An auto-sized box takes the size of its picture.
    void SetAutoSize(bool açık) { otomatikBoyut_ = açık; }

    // Draws a border, as the sample and preview boxes do.
    void SetBorder(bool açık);

    void Refresh() { update(); }

signals:
    void Change();

protected:
    void paintEvent(QPaintEvent *olay) override;

private:
    QImage resim_;
    QSize doğalBoyut_;
    QColor arkaRenk_;
    bool otomatikBoyut_ = false;
    bool kenarlık_ = false;
};
