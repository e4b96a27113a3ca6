// SPDX-License-Identifier: GPL-3.0-or-later
// What the folder and file lists show of a folder: its ancestors, sub-folders and photos.
#pragma once

#include <QString>
#include <QStringList>

// Sorts names as a person reads them: letters without regard to case, in Turkish alphabetical
// order, and numbers by value ("IMG_9" before "IMG_10").
void İnsanSırasıylaSırala(QStringList &adlar);

// True for the photo files the chooser offers: .bmp, .jpg, .jpeg, .png, .webp, .heic, .heif and
// .avif, in any case (cameras write .JPG, phones .HEIC). What a file holds is told by its content
// when it is loaded.
bool FotoğrafDosyasıMı(const QString &ad);

// True when the folder exists and its entries can be read.
bool KlasörOkunurMu(const QString &klasör);

// The visible sub-folders of `klasör`, in human order. ÇalışmaHatası 76 when the folder
// cannot be read.
QStringList AltKlasörler(const QString &klasör);

// The visible photo files of `klasör`, in human order. ÇalışmaHatası 76 when the folder
// cannot be read.
QStringList FotoğrafDosyaları(const QString &klasör);

// The folders from `kök` down to `klasör` itself, both included ("/", "/home", "/home/ali").
QStringList Atalar(const QString &kök, const QString &klasör);

// `klasör` and `ad` joined by exactly one separator, also at the root ("/a.jpg").
QString YolaEkle(const QString &klasör, const QString &ad);
