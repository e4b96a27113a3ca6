// Message boxes.
#include "toolkit/MesajKutusu.h"

#include "resources/StandartDugmeler.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QMessageBox>

namespace {

std::function<void(QMessageBox &)> &SonrakiHazırlayıcı() {
    static std::function<void(QMessageBox &)> hazırlayıcı;
    return hazırlayıcı;
}

// Hands the box to the armed hook at its first Show, once its size is known.
class GösterilinceHazırla : public QObject {
public:
    GösterilinceHazırla(QMessageBox &kutu, std::function<void(QMessageBox &)> hazırlayıcı)
        : QObject(&kutu), kutu_(kutu), hazırlayıcı_(std::move(hazırlayıcı)) {
        kutu.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *nesne, QEvent *olay) override {
        if (nesne == &kutu_ && olay->type() == QEvent::Show && hazırlayıcı_) {
            auto hazırlayıcı = std::move(hazırlayıcı_);
            hazırlayıcı_ = nullptr;
            hazırlayıcı(kutu_);
        }
        return false;
    }

private:
    QMessageBox &kutu_;
    std::function<void(QMessageBox &)> hazırlayıcı_;
};

} // namespace

void SonrakiMesajKutusunuHazırla(std::function<void(QMessageBox &)> hazırlayıcı) {
    SonrakiHazırlayıcı() = std::move(hazırlayıcı);
}

int MsgBox(const QString &metin, int stil, const QString &başlık) {
    QMessageBox kutu(QApplication::activeWindow());
    kutu.setWindowTitle(başlık.isEmpty() ? QApplication::applicationDisplayName() : başlık);
    kutu.setText(metin);
    if (stil & vbCritical)
        kutu.setIcon(QMessageBox::Critical);
    else if (stil & vbQuestion)
        kutu.setIcon(QMessageBox::Question);
    else if (stil & vbInformation)
        kutu.setIcon(QMessageBox::Information);

    if ((stil & 7) == vbYesNo) {
        kutu.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        kutu.setDefaultButton(QMessageBox::Yes);
        kutu.button(QMessageBox::Yes)->setText(EvetDüğmesiMetni());
        kutu.button(QMessageBox::No)->setText(HayırDüğmesiMetni());
    } else {
        kutu.setStandardButtons(QMessageBox::Ok);
        kutu.button(QMessageBox::Ok)->setText(TamamDüğmesiMetni());
    }

    if (auto hazırlayıcı = std::move(SonrakiHazırlayıcı())) {
        SonrakiHazırlayıcı() = nullptr;
        new GösterilinceHazırla(kutu, std::move(hazırlayıcı));
    }

    switch (kutu.exec()) {
    case QMessageBox::Yes:
        return vbYes;
    case QMessageBox::No:
        return vbNo;
    default:
        return vbOK;
    }
}
