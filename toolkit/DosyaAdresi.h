// SPDX-License-Identifier: GPL-3.0-or-later
// Photos named from outside the game: a path or a file: URI, as launchers and desktops pass them.
#pragma once

#include <QString>

class QUrl;

// The path a file: URI names on this machine: its host empty or "localhost" (RFC 8089). Empty
// for any other host and any other scheme: such a file is not here to be read.
QString YerelDosyaYolu(const QUrl &adres);

// What names a photo on the command line or in a request: a file: URI on this machine becomes
// its path, made absolute from the current folder; any other URI is kept as given, so that its
// refusal names it.
QString FotoğrafAdı(const QString &argüman);

// What names a photo in a request over the bus: as FotoğrafAdı, except that a relative path (or
// a file: URI holding one) is kept as given. The caller's folder is not known here, and the
// game's own is no place to look: such a request is refused (GöreliYolMu).
QString İstenenFotoğrafAdı(const QString &giriş);

// True when `ad` is a relative path, or a file: URI of this machine holding one.
bool GöreliYolMu(const QString &ad);

// The URI that names the photo `ad` (a path or a URI as FotoğrafAdı leaves it), escaped as the
// desktop's URI lists and org.freedesktop.Application.Open want it.
QString FotoğrafAdresi(const QString &ad);
