// SPDX-License-Identifier: GPL-3.0-or-later
// The program's entry: single instance, shared values, the main window.
#pragma once

#include <QString>
#include <QStringList>

// The main window's title for a version: string 10, a space, major "." minor and the revision
// written directly after the minor number ("Nuv Vorudov - Mozeta 1.21").
QString PencereBaşlığınıOluştur(int major, int minor, int revision);
QString PencereBaşlığınıOluştur(); // for this release

// The photo named on the command line (a path or a file: URI) as a full path, or a URI of
// another machine as given; empty when none.
QString KomutSatırıFotoğrafı(const QStringList &argümanlar);

// The folder with the separator appended unless it already ends in one (the root "/").
QString AyırıcıylaBiten(const QString &klasör);

// Runs the start-up sequence and the event loop; returns the process exit code.
int Main(int argc, char **argv);
