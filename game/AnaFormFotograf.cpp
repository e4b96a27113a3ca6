// SPDX-License-Identifier: GPL-3.0-or-later
// Opening a photo: the chooser's OK, the command line, a later start and a photo dropped on the
// window all end here.
#include "game/AnaForm.h"

#include "chooser/KlasorIcerigi.h"
#include "resources/DizgiTablosu.h"
#include "startup/OrtakDegiskenlerModulu.h"
#include "startup/OrtakYordamlarModulu.h"
#include "toolkit/HataPolitikasi.h"
#include "toolkit/MesajKutusu.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QTimer>

namespace {

// The one photo file a drag carries; empty when it carries anything else (several files, a
// folder, a file of another kind, text).
QString SürüklenenFotoğraf(const QMimeData *veri) {
    if (!veri || !veri->hasUrls() || veri->urls().size() != 1)
        return {};
    const QUrl adres = veri->urls().constFirst();
    if (!adres.isLocalFile())
        return {};
    const QFileInfo dosya(adres.toLocalFile());
    return dosya.isFile() && FotoğrafDosyasıMı(dosya.fileName()) ? dosya.absoluteFilePath()
                                                                 : QString();
}

} // namespace

void AnaForm::FotoğrafıAç(const QString &yol, const std::optional<Fotoğraf> &yüklü) {
    // Only what the chooser lists and can load is taken: a .bmp, .jpg or .jpeg file that
    // decodes as a picture.
    std::optional<Fotoğraf> fotoğraf = yüklü;
    if (!fotoğraf && FotoğrafDosyasıMı(QFileInfo(yol).fileName())) {
        HataKapanı::Kurtar([&] { fotoğraf = LoadPicture(yol, TahtaÇözünürlüğü()); },
                           [](const ÇalışmaHatası &) {});
    }
    HataKapanı adım(HataTarzı::BildirVeDevamEt);
    if (!fotoğraf) {
        adım([] { MesajıOrtala(); });
        adım([] { MsgBox(LoadResString(2300), BilgiSimgesi); });
        return;
    }
    adım([&] { FotoğrafYolu = yol; });
    adım([&] { FotoğrafıKoy(std::move(fotoğraf->Resim), fotoğraf->DoğalBoyut); });
    adım([&] { OrjinalFotoğrafKutusu->Refresh(); });
    adım([&] { ParçalaraBölSeçeneği_Click(BölmeSeçimi); });
}

// The drag cursor tells the player at once whether a drop would be taken.
void AnaForm::dragEnterEvent(QDragEnterEvent *olay) {
    if (!SürüklenenFotoğraf(olay->mimeData()).isEmpty())
        olay->acceptProposedAction();
}

// Opened once the drop is over: a refusal's message box must not hold up the program that the
// photo was dragged from.
void AnaForm::dropEvent(QDropEvent *olay) {
    const QString yol = SürüklenenFotoğraf(olay->mimeData());
    if (yol.isEmpty())
        return;
    olay->acceptProposedAction();
    QTimer::singleShot(0, this, [this, yol] { FotoğrafıAç(yol); });
}
