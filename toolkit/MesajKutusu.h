// Message boxes with the classic styles and answers, and the hook that places the next one.
#pragma once

#include <QString>
#include <functional>

class QMessageBox;

// Style bits, as the program's calls combine them (16 + 4 = 20: critical icon, Yes and No).
enum MsgBoxStili : int {
    vbOKOnly = 0,
    vbYesNo = 4,
    vbCritical = 16,
    vbQuestion = 32,
    vbInformation = 64,
};

enum MsgBoxYanıtı : int { vbOK = 1, vbYes = 6, vbNo = 7 };

// Shows a modal message box and returns the answer. Without a title of its own the box shows
// the application title. Buttons read in Turkish.
int MsgBox(const QString &metin, int stil, const QString &başlık = {});

// Arms a one-shot hook that receives the next message box once it is laid out, just before it
// appears (the centring of every message box uses it). A second call replaces the first.
void SonrakiMesajKutusunuHazırla(std::function<void(QMessageBox &)> hazırlayıcı);
