// SPDX-License-Identifier: GPL-3.0-or-later
// The single-instance lock's folder: the runtime folder, else a private one under the cache.
#include "startup/KilitKlasoru.h"

#include "startup/OrtakDegiskenlerModulu.h"

#include <QDir>
#include <QFile>
#include <sys/stat.h>
#include <unistd.h>

bool KendiKlasörüMü(const QString &klasör) {
    struct stat durum {};
    return QDir::isAbsolutePath(klasör) &&
           lstat(QFile::encodeName(klasör).constData(), &durum) == 0 && S_ISDIR(durum.st_mode) &&
           durum.st_uid == geteuid() && (durum.st_mode & 0777) == 0700;
}

// Qt would answer a runtime folder that is not private with one of its own in the shared
// temporary folder, or with nothing at all, and an empty folder name puts the lock in the
// current folder: the checks are made here. A relative XDG_CACHE_HOME is not one (the XDG
// rules say to ignore it).
QString KilitKlasörü() {
    const QString çalışma = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (KendiKlasörüMü(çalışma))
        return çalışma;
    QString önbellek = qEnvironmentVariable("XDG_CACHE_HOME");
    if (!QDir::isAbsolutePath(önbellek))
        önbellek = QDir::homePath() + QStringLiteral("/.cache");
    const QString klasör = QDir::cleanPath(önbellek + u'/' + ÜrünAdı);
    // A folder made here is the user's; one found already made is taken only if it is private.
    if (QDir().mkpath(önbellek))
        mkdir(QFile::encodeName(klasör).constData(), 0700);
    return KendiKlasörüMü(klasör) ? klasör : QString();
}
