// SPDX-License-Identifier: GPL-3.0-or-later
// Message boxes with the program's styles and answers.
#include "toolkit/MesajKutusu.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <utility>

namespace {

MesajKutusuMetinleri &GeçerliMetinler() {
    static MesajKutusuMetinleri metinler;
    return metinler;
}

void MetniKoy(QAbstractButton *düğme, const QString &metin) {
    if (!metin.isEmpty())
        düğme->setText(metin);
}

std::function<void(QMessageBox &)> &SonrakiHazırlayıcı() {
    static std::function<void(QMessageBox &)> hazırlayıcı;
    return hazırlayıcı;
}

class HazırlananMesajKutusu : public QMessageBox {
public:
    HazırlananMesajKutusu(QWidget *sahip, bool yalnızEvetHayır)
        : QMessageBox(sahip), yalnızEvetHayır_(yalnızEvetHayır) {}

    // The armed hook, run once the box has its final size and before it reaches the screen.
    std::function<void(QMessageBox &)> hazırlayıcı;

protected:
    // QMessageBox settles its size in its own showEvent: the hook runs after it, and before
    // the window is mapped, so the box never appears first somewhere else.
    void showEvent(QShowEvent *olay) override {
        QMessageBox::showEvent(olay);
        if (auto h = std::exchange(hazırlayıcı, nullptr))
            h(*this);
    }

    // A Yes/No box has no Cancel: Esc and the window's close button do nothing, so that the error
    // report's "Hayır" (which ends the program) is never chosen by accident.
    void keyPressEvent(QKeyEvent *olay) override {
        if (yalnızEvetHayır_ && olay->key() == Qt::Key_Escape) {
            olay->accept();
            return;
        }
        QMessageBox::keyPressEvent(olay);
    }
    void closeEvent(QCloseEvent *olay) override {
        if (yalnızEvetHayır_) {
            olay->ignore();
            return;
        }
        QMessageBox::closeEvent(olay);
    }

private:
    bool yalnızEvetHayır_;
};

} // namespace

void MesajKutusuMetinleriniKur(MesajKutusuMetinleri metinler) {
    GeçerliMetinler() = std::move(metinler);
}

void SonrakiMesajKutusunuHazırla(std::function<void(QMessageBox &)> hazırlayıcı) {
    SonrakiHazırlayıcı() = std::move(hazırlayıcı);
}

int MsgBox(const QString &metin, int stil, const QString &başlık) {
    const bool evetHayır = (stil & 7) == EvetHayırDüğmeleri;
    HazırlananMesajKutusu kutu(QApplication::activeWindow(), evetHayır);
    const MesajKutusuMetinleri &metinler = GeçerliMetinler();
    if (!başlık.isEmpty())
        kutu.setWindowTitle(başlık);
    else if (!metinler.başlık.isEmpty())
        kutu.setWindowTitle(metinler.başlık);
    kutu.setText(metin);
    // A screen reader that falls behind (Orca with its queue flooded) may hear of the box only
    // through its button's focus, which names the box but not its text: the name carries the
    // text too. Orca leaves out a label that the box's name already says, so the text is heard
    // once, busy or not.
    const QString ad = kutu.windowTitle().isEmpty() ? QGuiApplication::applicationDisplayName()
                                                    : kutu.windowTitle();
    kutu.setAccessibleName(ad + QStringLiteral(". ") + metin);
    if (stil & HataSimgesi)
        kutu.setIcon(QMessageBox::Critical);
    else if (stil & SoruSimgesi)
        kutu.setIcon(QMessageBox::Question);
    else if (stil & BilgiSimgesi)
        kutu.setIcon(QMessageBox::Information);

    if (evetHayır) {
        kutu.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        kutu.setDefaultButton((stil & İkinciDüğmeVarsayılan) ? QMessageBox::No : QMessageBox::Yes);
        MetniKoy(kutu.button(QMessageBox::Yes), metinler.evet);
        MetniKoy(kutu.button(QMessageBox::No), metinler.hayır);
    } else {
        kutu.setStandardButtons(QMessageBox::Ok);
        MetniKoy(kutu.button(QMessageBox::Ok), metinler.tamam);
    }

    kutu.hazırlayıcı = std::exchange(SonrakiHazırlayıcı(), nullptr);

    switch (kutu.exec()) {
    case QMessageBox::Yes:
        return EvetYanıtı;
    case QMessageBox::No:
        return HayırYanıtı;
    default:
        return TamamYanıtı;
    }
}
