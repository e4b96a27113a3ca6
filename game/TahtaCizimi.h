// SPDX-License-Identifier: GPL-3.0-or-later
// The board as one painted widget: its places, the pieces on them, a piece sliding into the
// empty place, and the focus frame of keyboard play.
#pragma once

#include "game/cekirdek/Tahta.h"

#include <QImage>
#include <QWidget>
#include <functional>
#include <vector>

class QVariantAnimation;

class TahtaCizimi : public QWidget {
    Q_OBJECT

public:
    // Spans the whole board frame, so that the places keep their positions in the frame.
    explicit TahtaCizimi(QWidget *çerçeve);
    ~TahtaCizimi() override;

    // The places, in the board's own coordinates, and the piece pictures by piece number. A new
    // layout shows every place empty until Göster. A piece is cut from the photo each time it is
    // drawn, which is cheap at the board's size, so the photo is the only copy of its pixels.
    void YerleriKur(std::vector<QRect> yerler);
    using ParçaResmi = std::function<QImage(int parça)>;
    void ParçalarıKoy(ParçaResmi parçalar);
    // What a place shows where no piece lies; before a photo is cut, the pieces' colour.
    void SetBoşRengi(const QColor &renk);
    // The pointer over the places (over the rest of the frame it is the window's).
    void SetYerİmleci(Qt::CursorShape imleç);

    int YerSayısı() const { return static_cast<int>(yerler_.size()); }
    QRect YerDikdörtgeni(int yer) const { return yerler_.at(static_cast<std::size_t>(yer)); }
    int YerAt(QPoint nokta) const; // -1 outside every place
    // The piece a place shows, or OyunTahtası::ParçaYok.
    int GösterilenParça(int yer) const { return gösterilen_.at(static_cast<std::size_t>(yer)); }
    // The picture a place shows; null on an empty place.
    QImage YerResmi(int yer) const;

    // Shows the board as it stands, at once: any slide ends.
    void Göster(const OyunTahtası &tahta);
    // The board after a move from `from` into the empty place `to`: the piece glides there.
    // A slide still running ends first, so that each move is seen whole.
    void Kaydır(const OyunTahtası &tahta, int from, int to);
    bool KayıyorMu() const;
    // Ends a running slide at once (SlideEnded); nothing happens without one.
    void KaymayıBitir();
    // The mark on the place whose piece a hint names; it stays until İpucuyuKaldır.
    void İpucuİşaretle(int yer);
    void İpucuyuKaldır();

    // What a screen reader says for one of its places, its name and where it stands, and for
    // the board itself; the window that knows the game sets them.
    std::function<QString(int yer)> YerAdı;
    std::function<QString(int yer)> YerKonumu;
    std::function<QString()> TahtaAçıklaması;
    // The place a screen reader's focus is on while the board has the keyboard: the one the last
    // move filled (OyunErisimi.cpp), or -1 for the board itself.
    int OkuyucununYeri = -1;

signals:
    // An arrow key pressed while the board has the keyboard.
    void ArrowKey(Ok ok);
    void HintKey(); // plain H
    // A left click pressed and released on the same place.
    void PlaceClicked(int yer);
    // The last slide is over, run to its end or cut short.
    void SlideEnded();

protected:
    void paintEvent(QPaintEvent *olay) override;
    void keyPressEvent(QKeyEvent *olay) override;
    void mousePressEvent(QMouseEvent *olay) override;
    void mouseReleaseEvent(QMouseEvent *olay) override;
    void mouseMoveEvent(QMouseEvent *olay) override;
    void focusInEvent(QFocusEvent *olay) override;

private:
    void KlavyeyleMi(bool klavyeyle);
    void YeriÇiz(QPainter &boyacı, QRect yer, int parça) const;
    QImage ParçanınResmi(int parça) const; // null for no piece, or before the pieces are given
    QRect KayanınDikdörtgeni() const;

    std::vector<QRect> yerler_;
    ParçaResmi parçalar_;
    std::vector<int> gösterilen_;
    QColor boşRengi_;
    Qt::CursorShape yerİmleci_ = Qt::PointingHandCursor;
    int basılanYer_ = -1;
    bool klavyeyle_ = false; // the player's last input on the board was a key, not the mouse
    // The slide: its piece lies on `kayanHedef_` already and is drawn on its way there.
    QVariantAnimation *kayma_ = nullptr;
    int kayanKaynak_ = -1;
    int kayanHedef_ = -1;
    int ipucuYeri_ = -1; // the place a hint marks
};
using TahtaÇizimi = TahtaCizimi;
