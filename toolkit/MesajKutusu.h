// SPDX-License-Identifier: GPL-3.0-or-later
// Message boxes with the program's styles and answers, and the hook that places the next one.
#pragma once

#include <QString>
#include <functional>

class QMessageBox;

// Style bits, combined as the program's calls need them (16 + 4 = 20: the error icon with Yes
// and No).
enum MesajStili : int {
    YalnızTamamDüğmesi = 0,
    EvetHayırDüğmeleri = 4,
    HataSimgesi = 16,
    SoruSimgesi = 32,
    BilgiSimgesi = 64,
    İkinciDüğmeVarsayılan = 256, // "Hayır" instead of "Evet"
};

enum MesajYanıtı : int { TamamYanıtı = 1, EvetYanıtı = 6, HayırYanıtı = 7 };

// What a box shows of its own: its buttons' texts, and the title of a box given none. Handed
// over at start-up; until then Qt's own texts and the application name are used.
struct MesajKutusuMetinleri {
    QString evet, hayır, tamam, başlık;
};
void MesajKutusuMetinleriniKur(MesajKutusuMetinleri metinler);

// Shows a modal message box and returns the answer (a MesajYanıtı). Without a title of its own
// the box shows the title handed over in MesajKutusuMetinleri.
int MsgBox(const QString &metin, int stil, const QString &başlık = {});

// Arms a one-shot hook that receives the next message box once it is laid out, just before it
// appears (the centring of every message box uses it). A second call replaces the first.
void SonrakiMesajKutusunuHazırla(std::function<void(QMessageBox &)> hazırlayıcı);
