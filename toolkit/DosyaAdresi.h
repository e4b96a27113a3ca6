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

// The URI that names the photo `ad` (a path or a URI as FotoğrafAdı leaves it), escaped as the
// desktop's URI lists and org.freedesktop.Application.Open want it.
QString FotoğrafAdresi(const QString &ad);
