// Test helpers for the main window: a window cut from a generated photo, a fixed deal, a quiet
// sound output that records what would be heard, and answers to every message box.
#pragma once

#include "game/AnaForm.h"
#include "game/Dagitim.h"
#include "game/SesOynatici.h"
#include "startup/OrtakDegiskenlerModulu.h"
#include "toolkit/AyarDeposu.h"

#include <QAbstractButton>
#include <QApplication>
#include <QImage>
#include <QMessageBox>
#include <QPointer>
#include <QRadioButton>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <memory>
#include <vector>

// A photo whose every pixel differs from its neighbours' colours, so no two pieces are alike.
inline QImage ÖrnekFotoğraf(int en = 300, int boy = 240) {
    QImage resim(en, boy, QImage::Format_RGB32);
    for (int y = 0; y < boy; ++y)
        for (int x = 0; x < en; ++x)
            resim.setPixel(x, y, qRgb(x % 256, y % 256, (x * 7 + y * 13) % 256));
    return resim;
}

// Answers every message box that opens while it lives: with the next of `Yanıtlar`, or with the
// only button there is. `AçıkkenÇalıştır` runs once inside the next box's event loop before the
// box is answered (a tick arriving while the box is open, for instance).
class KutuYanıtlayıcı {
public:
    struct Kutu {
        QString metin;
        QMessageBox::Icon simge;
        QStringList düğmeler;
        QString başlık;
    };

    QStringList Yanıtlar;
    std::function<void()> AçıkkenÇalıştır;
    std::vector<Kutu> Kutular;

    KutuYanıtlayıcı() {
        QObject::connect(&zamanlayıcı_, &QTimer::timeout, [this] { Bak(); });
        zamanlayıcı_.start(5);
    }

private:
    void Bak() {
        QPointer<QMessageBox> kutu = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!kutu || !kutu->isVisible())
            return;
        if (!kutu->property("kaydedildi").toBool()) {
            kutu->setProperty("kaydedildi", true);
            QStringList düğmeler;
            for (auto *düğme : kutu->buttons())
                düğmeler << düğme->text().remove(QLatin1Char('&'));
            Kutular.push_back({kutu->text(), kutu->icon(), düğmeler, kutu->windowTitle()});
            if (AçıkkenÇalıştır) {
                kutu->setProperty("bekliyor", true);
                // Run from the box's own loop, not from this poll, so a box the action itself
                // opens is still answered.
                QTimer::singleShot(0, [this, kutu] {
                    auto işlem = std::move(AçıkkenÇalıştır);
                    AçıkkenÇalıştır = nullptr;
                    işlem();
                    if (kutu)
                        kutu->setProperty("bekliyor", false);
                });
                return;
            }
        }
        if (kutu->property("bekliyor").toBool())
            return;
        const QString yanıt = Yanıtlar.isEmpty() ? QString() : Yanıtlar.takeFirst();
        for (auto *düğme : kutu->buttons()) {
            if (yanıt.isEmpty() || düğme->text().remove(QLatin1Char('&')) == yanıt) {
                düğme->click();
                return;
            }
        }
    }

    QTimer zamanlayıcı_;
};

// A fresh settings folder, the program's application name, and a main window cut 3 x 3, 4 x 4
// or 5 x 5 from the generated photo, with a fixed deal and a recording sound output.
struct DenemePenceresi {
    QTemporaryDir klasör;
    std::unique_ptr<AnaForm> form;
    QStringList sesler;

    explicit DenemePenceresi(int bölme = 0, bool fotoğraflı = true) {
        AyarKlasörünüKur(klasör.path());
        UygulamaAdı = QStringLiteral("Nuv Zovevav\\") + ÜrünAdı;
        FotoğrafYolu = klasör.filePath(QStringLiteral("foto.png"));
        form = std::make_unique<AnaForm>();
        form->RastgeleKaynağıKur(std::make_unique<MersenneKaynağı>(20240601u));
        form->Ses().AygıtVarMı = [] { return true; };
        form->Ses().Çalındı = [this](const QString &ad) { sesler << ad; };
        if (fotoğraflı) {
            form->OrjinalFotoğrafKutusu->SetPicture(ÖrnekFotoğraf());
            Böl(bölme);
        }
    }

    void Böl(int bölme) {
        form->ParçalaraBölSeçeneği[bölme]->setChecked(true);
        form->ParçalaraBölSeçeneği_Click(bölme);
    }

    AnaForm &operator*() { return *form; }
    AnaForm *operator->() { return form.get(); }

    // Starts a game, then lays the board out as `parçalar` says: per place the piece it shows,
    // -1 for the empty place.
    void TahtayıKur(const std::vector<int> &parçalar) {
        {
            KutuYanıtlayıcı yanıtlayıcı;
            form->YeniOyunDüğmesi_Click();
        }
        for (int yer = 0; yer < static_cast<int>(parçalar.size()); ++yer) {
            if (parçalar[yer] < 0)
                form->Tahta.BoşYeriKur(yer);
            else
                form->Tahta.YeriKur(yer, parçalar[yer], QString::number(parçalar[yer]));
        }
        form->TahtayıGöster();
        sesler.clear();
    }
};
