// SPDX-License-Identifier: GPL-3.0-or-later
// The per-user settings store: text values addressed by application, section and key.
//
// An application or section name containing '\' names nested levels ("Nuv Zovevav\Mozeta-Tr",
// "Oyun\Bilgiler"); application and section together are one path, so application "A\B\Oyun"
// with section "Bilgiler" is application "A\B" with section "Oyun\Bilgiler". The first two
// levels name one UTF-8 INI-style file, AyarKlasörü()/A/B.ini, the rest its section; keys keep
// the order in which they were first written. Every change reaches the disk atomically
// (temporary file, synced, then rename). The store is used from the window thread only.
//
// A file over the bounds a settings file keeps to (1 MiB, and AyarBelgesi's sections and keys),
// or not UTF-8, reads as empty; the first change keeps it aside, renamed to KenaraKonacakDosya(),
// before the new file is written.
#pragma once

#include <QString>
#include <utility>
#include <vector>

// Rows of a section in the order their keys were first written: (key, value).
using AyarListesi = std::vector<std::pair<QString, QString>>;

// The stored text, or `varsayılan` when the key or its section is absent.
QString GetSetting(const QString &uygulama, const QString &bölüm, const QString &anahtar,
                   const QString &varsayılan = {});

// Writes the text, creating the levels as needed; an existing value is replaced in place.
void SaveSetting(const QString &uygulama, const QString &bölüm, const QString &anahtar,
                 const QString &değer);

// Removes the section and everything below it. A section that does not exist is
// ÇalışmaHatası 5, which every caller of the program ignores.
//
// Names that cannot be stored (an empty level, "." or ".." in the file's part of the path) are
// ÇalışmaHatası 5 for SaveSetting and DeleteSetting, absent for the readers. A file or folder
// that cannot be written is ÇalışmaHatası 61 when the disk is full (or the file is over the
// file-size limit), 70 when writing there is not permitted (a read-only folder or disk) and 75
// otherwise; the old file is then left as it was, and the store holds what the disk holds.
void DeleteSetting(const QString &uygulama, const QString &bölüm);

// Every key of the section with its value, in first-written order; empty ("Empty") when the
// section is absent or holds no keys.
AyarListesi GetAllSettings(const QString &uygulama, const QString &bölüm);

// Groups the changes made during its lifetime into one atomic write at its end (the save at
// close is one change). Groups may nest; the outermost one writes. A write that fails at the
// end of a group is dropped with the changes, silently; call Yaz() first to learn of it (the
// save at close does, to tell the player). A file that is there but cannot be read (a folder, a
// pipe) fails each change at once with ÇalışmaHatası 75, in a group as outside one.
class AyarToplusu {
public:
    AyarToplusu();
    ~AyarToplusu();
    AyarToplusu(const AyarToplusu &) = delete;
    AyarToplusu &operator=(const AyarToplusu &) = delete;

    // Writes the changes so far when this is the outermost group (an inner group writes
    // nothing); ÇalışmaHatası 61, 70 or 75 when they cannot be written (as for SaveSetting), and
    // the changes are then dropped.
    void Yaz();
};

// When the file that holds the section is there but no file of ours (over the bounds, not UTF-8),
// the name it will be kept under at the next change (its own with ".bozuk" added); else an empty
// text.
QString KenaraKonacakDosya(const QString &uygulama, const QString &bölüm);

// The folder that holds the store's files: $XDG_CONFIG_HOME, else ~/.config. Tests point it
// at a temporary folder.
QString AyarKlasörü();
void AyarKlasörünüKur(const QString &klasör); // an empty text goes back to the default

// Forgets what has been read, so that the next call reads the files again.
void AyarlarıUnut();
