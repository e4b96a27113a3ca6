// SPDX-License-Identifier: GPL-3.0-or-later
// The drive list's contents: the mounted volumes a player would browse for photos.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

// One mounted volume, as the system reports it.
struct BağlıBirim {
    QString Kök;             // mount point, such as "/" or "/media/ali/KINGSTON"
    QByteArray DosyaSistemi; // "ext4", "vfat", "proc", ...
    QString Etiket;          // volume label; empty when it has none
};

// An entry of the drive list.
struct Sürücü {
    QString Kök;
    QString Etiket;

    // As the list shows it: the root, then the label in brackets when there is one.
    QString Metin() const;
};

// File systems that hold no files of the player's (proc, sysfs, tmpfs, snaps' squashfs, ...).
bool SahteDosyaSistemiMi(const BağlıBirim &birim);

// The volumes worth listing among `birimler`: the root file system, the volume of the home
// folder `evKlasörü`, removable media under /media and /run/media, and whatever volumes hold
// `gerekliYollar` (the program's folder must always have its drive). Root first, then by path.
std::vector<Sürücü> SürücüleriSeç(const std::vector<BağlıBirim> &birimler, const QString &evKlasörü,
                                  const QStringList &gerekliYollar);

// The same for the volumes mounted now.
std::vector<Sürücü> SürücüleriBul(const QStringList &gerekliYollar);

// Index of the drive that holds `yol` (the longest root that contains it), -1 when none does.
int SürücüsünüBul(const std::vector<Sürücü> &sürücüler, const QString &yol);

// True when `yol` lies in the folder `kök` or below it.
bool KökünAltındaMı(const QString &kök, const QString &yol);
