// The per-user settings store: text values addressed by application, section and key.
//
// An application or section name containing '\' names nested levels ("Nuv Zovevav\Mozeta-Tr",
// "Oyun\Bilgiler"). On Linux an application "A\B" lives in one UTF-8 INI-style file
// $XDG_CONFIG_HOME/A/B.ini; keys keep the order in which they were first written. Every change
// reaches the disk atomically (temporary file, then rename).
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
void DeleteSetting(const QString &uygulama, const QString &bölüm);

// Every key of the section with its value, in first-written order; empty ("Empty") when the
// section is absent or holds no keys.
AyarListesi GetAllSettings(const QString &uygulama, const QString &bölüm);

// Groups the changes made during its lifetime into one atomic write at its end (the save at
// close is one change). Groups may nest; the outermost one writes.
class AyarToplusu {
public:
    AyarToplusu();
    ~AyarToplusu();
    AyarToplusu(const AyarToplusu &) = delete;
    AyarToplusu &operator=(const AyarToplusu &) = delete;
};

// The folder that holds the store's files: $XDG_CONFIG_HOME, else ~/.config. Tests point it
// at a temporary folder.
QString AyarKlasörü();
void AyarKlasörünüKur(const QString &klasör);
