// End-to-end helpers of the game's own tests, on top of tests/e2e: the game with its output
// kept, screenshots as images, the light-yellow empty place found in them, and the close box.
#pragma once

#include "tests/e2e/E2eOrtam.h"

#include <QImage>
#include <QProcess>
#include <QRect>
#include <QString>
#include <optional>

// The real game on the harness's display, its output kept for the test to read.
class OyunSüreci {
public:
    explicit OyunSüreci(const E2eOrtamı &ortam);
    ~OyunSüreci(); // kills a game still running: nothing is saved

    // Waits for the main window; its id, or empty.
    QString PencereyiBekle();
    // Waits for the game to end by itself; false when it is still running.
    bool BitmesiniBekle(int milisaniye = 10000);
    int ÇıkışKodu() const { return süreç_.exitCode(); }
    QString Çıktı() { return QString::fromUtf8(süreç_.readAll()); }

private:
    const E2eOrtamı &ortam_;
    QProcess süreç_;
};

// The whole screen.
QImage Görüntü(const E2eOrtamı &ortam);

// Clicks at a point of the screen.
void EkrandaTıkla(const E2eOrtamı &ortam, QPoint nokta);

// Visible windows whose title contains "Mozeta": the main window and any box over it.
int MozetaPencereSayısı(const E2eOrtamı &ortam);

// The largest block of the empty-place colour (RGB 255, 255, 192) in the picture.
std::optional<QRect> BoşYeriBul(const QImage &görüntü);

// Asks the window to close as its close box would (WM_DELETE_WINDOW). False when this build
// cannot talk to the X server itself.
bool KapatmaİsteğiGönder(const E2eOrtamı &ortam, const QString &pencere);
