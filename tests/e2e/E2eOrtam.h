// Ground for end-to-end tests: the real game on a private Xvfb display with a fresh home,
// settings folder and temporary folder (so it neither sees nor disturbs a copy running on this
// machine), and the X tools to look at it and drive it. Without a window manager there are no
// frames and no activation: key presses go to the window under the pointer.
#pragma once

#include <QImage>
#include <QProcess>
#include <QRect>
#include <QTemporaryDir>
#include <memory>
#include <optional>
#include <vector>

class E2eOrtamı {
public:
    static const QString AnaPencereBaşlığı; // the exact title of this release's main window

    E2eOrtamı();
    ~E2eOrtamı(); // ends the games it started and the display
    E2eOrtamı(const E2eOrtamı &) = delete;
    E2eOrtamı &operator=(const E2eOrtamı &) = delete;

    // Starts Xvfb on a free display; false, with Sorun() telling why, when a tool is missing.
    bool Başlat();
    const QString &Sorun() const { return sorun_; }

    QString AyarlarKlasörü() const; // XDG_CONFIG_HOME of the game

    // The built game on the display, its output kept; ended at OyunlarıBitir() or at the end.
    QProcess *OyunuBaşlat();
    // Ends every game still running (SIGTERM, then SIGKILL): nothing is saved.
    void OyunlarıBitir();

    // Ids of the mapped windows whose title is exactly `başlık`.
    QStringList Pencereler(const QString &başlık) const;
    // Waits until such a window is mapped; its id, or empty after `ms`.
    QString PencereyiBekle(const QString &başlık, int ms = 15000) const;
    QRect PencereGeometrisi(const QString &pencere) const;
    // Mapped windows whose title contains "Mozeta": the main window and any box over it.
    int MozetaPencereSayısı() const { return int(Mozetalar().size()); }

    QImage Görüntü() const; // the whole screen
    bool Tıkla(QPoint ekranda) const;
    // Moves the pointer over the window, then presses the keys (xdotool names).
    bool TuşBas(const QString &pencere, const QString &tuşlar) const;
    // Asks the window to close as its close box would (WM_DELETE_WINDOW); false when this
    // build cannot talk to the X server itself.
    bool KapatmaİsteğiGönder(const QString &pencere) const;

    // Runs an X tool on the display: true when it exits with 0; its standard output in `çıktı`.
    bool Çalıştır(const QString &program, const QStringList &argümanlar,
                  QString *çıktı = nullptr) const;

    // Where a screenshot shows the empty-place colour (RGB 255, 255, 192) in runs, if anywhere.
    static std::optional<QRect> BoşYeriBul(const QImage &görüntü);

private:
    bool XvfbBaşlat(int numara);
    QStringList Mozetalar() const;
    QProcessEnvironment Ortam() const;

    QTemporaryDir kök_;
    QProcess xvfb_;
    QString ekran_;
    QString sorun_;
    std::vector<std::unique_ptr<QProcess>> oyunlar_;
};
