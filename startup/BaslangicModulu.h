// SPDX-License-Identifier: GPL-3.0-or-later
// The program's entry: single instance, shared values, the main window.
#pragma once

#include <QString>
#include <QStringList>
#include <QTranslator>
#include <mutex>

// The main window's title for a version: string 10, a space, major "." minor and the revision
// written directly after the minor number ("Nuv Vorudov - Mozeta 1.21").
QString PencereBaşlığınıOluştur(int major, int minor, int revision);
QString PencereBaşlığınıOluştur(); // for this release

// The photo named on the command line (a path or a file: URI) as a full path, or a URI of
// another machine as given; empty when none.
QString KomutSatırıFotoğrafı(const QStringList &argümanlar);

// The folder with the separator appended unless it already ends in one (the root "/").
QString AyırıcıylaBiten(const QString &klasör);

// The toolkit's own texts (its dialogs, context menus and key names) in Turkish, whatever the
// locale. The catalogue is read at the first text asked of it: start-up asks for none, and
// reading it would map 60 KiB into every start. Texts may be asked for on any thread.
class QtÇevirisi final : public QTranslator {
public:
    QString translate(const char *bağlam, const char *kaynak, const char *ayırt,
                      int n) const override;
    bool isEmpty() const override { return false; }

private:
    mutable std::once_flag okundu_;
    mutable QTranslator katalog_;
    mutable bool var_ = false;
};

// Runs the start-up sequence and the event loop; returns the process exit code.
int Main(int argc, char **argv);
