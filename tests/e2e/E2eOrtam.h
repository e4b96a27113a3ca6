// Shared ground for end-to-end tests: the real game on a private Xvfb display, with a fresh
// home, settings folder and temporary folder (so it neither sees nor disturbs a copy of the game
// that runs on this machine), and the X tools to look at it and drive it.
//
// In a QtTest class (register it with mozeta_e2e_test(), see E2e.cmake):
//
//     E2eOrtamı ortam;                                  // a member: one display per test program
//     void initTestCase() { if (!ortam.Başlat()) QSKIP(qPrintable(ortam.Sorun())); }
//     void cleanup() { ortam.OyunlarıBitir(); }
//     ...
//     QProcess *oyun = ortam.OyunuBaşlat();             // build/Mozeta-Tr on that display
//     const QString pencere = ortam.PencereyiBekle(E2eOrtamı::AnaPencereBaşlığı);
//     QVERIFY2(!pencere.isEmpty(), "no main window");
//     ortam.EkranGörüntüsü(u"ana.png"_s);                // a screenshot of the whole display
//     ortam.Tıkla(pencere, 40, 60);                     // in window coordinates
//     ortam.TuşBas(pencere, u"Escape"_s);               // xdotool key names
//
// Without a window manager there are no frames and no activation: windows sit where the game
// puts them, key presses go to the window under the pointer (TuşBas moves it there first).
// Settings written by the game land under AyarlarKlasörü() ("Nuv Zovevav/Mozeta-Tr.ini").
#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>
#include <vector>

class E2eOrtamı {
public:
    // The title of the game's main window in this release.
    static const QString AnaPencereBaşlığı;

    E2eOrtamı();
    ~E2eOrtamı(); // ends the games it started and the display
    E2eOrtamı(const E2eOrtamı &) = delete;
    E2eOrtamı &operator=(const E2eOrtamı &) = delete;

    // Starts Xvfb on a free display. False, with Sorun() telling why, when a tool is missing.
    bool Başlat();
    const QString &Sorun() const { return sorun_; }

    QString Ekran() const { return ekran_; } // ":N"
    QString EvKlasörü() const;               // HOME of the game
    QString AyarlarKlasörü() const;          // XDG_CONFIG_HOME of the game
    QString GeçiciKlasör() const;            // TMPDIR of the game (its single-instance socket)
    QProcessEnvironment Ortam() const;       // the environment the game and the X tools get

    // The built game; the harness owns the process and ends it at OyunlarıBitir() or at the end.
    static QString OyunYolu();
    QProcess *OyunuBaşlat(const QStringList &argümanlar = {});
    // Ends every game still running (SIGTERM, then SIGKILL): nothing is saved.
    void OyunlarıBitir();

    // Ids of the mapped top-level windows whose title is exactly `başlık`.
    QStringList Pencereler(const QString &başlık) const;
    // Waits until such a window is mapped; its id, or empty after `ms`.
    QString PencereyiBekle(const QString &başlık, int ms = 15000) const;
    // Outer rectangle on the screen, empty when the window is gone.
    QRect PencereGeometrisi(const QString &pencere) const;
    QString PencereBaşlığı(const QString &pencere) const;

    bool EkranGörüntüsü(const QString &dosya) const;
    bool Tıkla(const QString &pencere, int x, int y) const;
    bool TuşBas(const QString &pencere, const QString &tuşlar) const;

    // Runs an X tool on the display: true when it exits with 0; its standard output in `çıktı`.
    bool Çalıştır(const QString &program, const QStringList &argümanlar, QString *çıktı = nullptr,
                  int ms = 10000) const;

private:
    bool XvfbBaşlat(int numara);

    QTemporaryDir kök_;
    QProcess xvfb_;
    QString ekran_;
    QString sorun_;
    std::vector<std::unique_ptr<QProcess>> oyunlar_;
};
