// SPDX-License-Identifier: GPL-3.0-or-later
// The small picture a camera stores in a JPEG's EXIF block: shown while the photo itself decodes.
#pragma once

#include <QByteArrayView>
#include <QImage>
#include <QSize>
#include <QString>

// How much of a file's start holds any camera's EXIF block: one marker segment of at most 64 KiB,
// after the start-of-image marker and perhaps a JFIF segment.
inline constexpr qsizetype ExifBaşUzunluğu = 66 * 1024;

// The small picture in the EXIF block of the JPEG whose first bytes are `baş`, turned upright as
// the photo is shown and cut centrally to the aspect of `kayıtlıBoyut` (the photo's stored size,
// before rotation; invalid when unknown), so that the black bars of a letterboxed one never show.
// A null image when there is none, or when it is broken or cannot belong to this photo.
QImage ExifKüçükResmi(QByteArrayView baş, QSize kayıtlıBoyut);

// The same for the file at `yol`, reading only its first ExifBaşUzunluğu bytes and its header.
QImage ExifKüçükResmi(const QString &yol);
