// SPDX-License-Identifier: GPL-3.0-or-later
// Where the main window may stand: a stored position is kept only while the player can still
// reach the window's title bar.
#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

// True when a window whose outer frame starts at `solÜst` and is `genişlik` wide keeps a grip
// of its title bar (the top 20 pixels, at least 100 wide and half high) on one of `ekranlar`.
bool BaşlıkEkrandaMı(QPoint solÜst, int genişlik, const QList<QRect> &ekranlar);

// The top left that centres a window of size `pencere` on `ekran`.
QPoint OrtalıKonum(const QRect &ekran, QSize pencere);
