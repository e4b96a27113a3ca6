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

} // namespace ErişimMetni
