// SPDX-License-Identifier: GPL-3.0-or-later
// The texts a screen reader speaks for controls that have no caption of their own. They are not
// in the string table, whose identifiers are fixed, and live here together so that they are
// translated in one place.
#pragma once

#include <QString>

namespace ErişimMetni {

inline const QString OyunTahtası = QStringLiteral(u"Oyun tahtası");
inline const QString FotoğrafÖrneği = QStringLiteral(u"Fotoğraf örneği");
inline const QString GeçenSüre = QStringLiteral(u"Geçen süre");
inline const QString HamleSayısı = QStringLiteral(u"Hamle sayısı");
inline const QString BoşYer = QStringLiteral(u"Boş yer");
// %1 the piece's number counted from 1, %2 and %3 the row and column of its own place.
inline const QString Parça = QStringLiteral(u"Parça %1: yeri %2. sıra, %3. sütun");
// Where a place stands and where the empty place is: %1 and %2 row and column from 1.
inline const QString Konum = QStringLiteral(u"%1. sıra, %2. sütunda");
inline const QString BoşYerinKonumu = QStringLiteral(u"; boş yer %1. sıra, %2. sütunda");
inline const QString HamleYok = QStringLiteral(u"Bu yönde parça yok");
// %1 the number of pieces on a side.
inline const QString YeniOyun = QStringLiteral(u"Yeni oyun: %1 x %1");
// A value label's text as a screen reader reads it: %1 its name, %2 the value it shows.
inline const QString Değer = QStringLiteral(u"%1: %2");

} // namespace ErişimMetni
