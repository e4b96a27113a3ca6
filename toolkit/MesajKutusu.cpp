// Message boxes with the classic styles and answers.
#include "toolkit/MesajKutusu.h"

#include "resources/StandartDugmeler.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMessageBox>
#include <utility>

namespace {

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

    // A Yes/No box has no Cancel: as with the classic box, Esc and the window's close button
    // do nothing, so that the error report's "Hayır" (which ends the program) is never chosen
    // by accident.
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

void SonrakiMesajKutusunuHazırla(std::function<void(QMessageBox &)> hazırlayıcı) {
    SonrakiHazırlayıcı() = std::move(hazırlayıcı);
}

int MsgBox(const QString &metin, int stil, const QString &başlık) {
    const bool evetHayır = (stil & 7) == vbYesNo;
    HazırlananMesajKutusu kutu(QApplication::activeWindow(), evetHayır);
    kutu.setWindowTitle(başlık.isEmpty() ? UygulamaBaşlığı() : başlık);
    kutu.setText(metin);
    if (stil & vbCritical)
        kutu.setIcon(QMessageBox::Critical);
    else if (stil & vbQuestion)
        kutu.setIcon(QMessageBox::Question);
    else if (stil & vbInformation)
        kutu.setIcon(QMessageBox::Information);

    if (evetHayır) {
        kutu.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        kutu.setDefaultButton(QMessageBox::Yes);
        kutu.button(QMessageBox::Yes)->setText(EvetDüğmesiMetni());
        kutu.button(QMessageBox::No)->setText(HayırDüğmesiMetni());
    } else {
        kutu.setStandardButtons(QMessageBox::Ok);
        kutu.button(QMessageBox::Ok)->setText(TamamDüğmesiMetni());
    }

    kutu.hazırlayıcı = std::exchange(SonrakiHazırlayıcı(), nullptr);

    switch (kutu.exec()) {
    case QMessageBox::Yes:
        return vbYes;
    case QMessageBox::No:
        return vbNo;
    default:
        return vbOK;
    }
}
