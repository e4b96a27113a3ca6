// SPDX-License-Identifier: GPL-3.0-or-later
// Test ground for the main window: private folders, boxes answered, a fixed deal, sounds recorded.
#pragma once

#include "game/AnaForm.h"
#include "game/SesOynatici.h"
#include "game/cekirdek/Dagitim.h"
#include "startup/BaslangicModulu.h"
#include "startup/OrtakDegiskenlerModulu.h"
#include "startup/OrtakYordamlarModulu.h"
#include "tests/ortak/Oyuncu.h"
#include "tests/ortak/Yardimcilar.h"
#include "toolkit/AyarDeposu.h"
#include "toolkit/HataPolitikasi.h"

#include <QDir>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <memory>

using namespace Qt::Literals::StringLiterals;

// Answers and records each box: the next of `Yanıtlar`, else "Evet", else its default or first.
class KutuYanıtlayıcı {
public:
    struct Kutu {
        QString metin;
        QMessageBox::Icon simge;
        QStringList düğmeler;
        QString ad; // what a screen reader calls the box
    };
    QStringList Yanıtlar;
    std::vector<Kutu> Kutular;

    KutuYanıtlayıcı() {
        QObject::connect(&zamanlayıcı_, &QTimer::timeout, [this] { Bak(); });
        zamanlayıcı_.start(5);
    }

private:
    void Bak() {
        auto *kutu = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!kutu || !kutu->isVisible())
            return;
        const QString yanıt = Yanıtlar.isEmpty() ? u"Evet"_s : Yanıtlar.takeFirst();
        QStringList düğmeler;
        QAbstractButton *seçilen = kutu->defaultButton();
        for (auto *düğme : kutu->buttons()) {
            düğmeler << düğme->text().remove(u'&');
            if (düğmeler.last() == yanıt || !seçilen)
                seçilen = düğme;
        }
        Kutular.push_back({kutu->text(), kutu->icon(), düğmeler, kutu->accessibleName()});
        seçilen->click();
    }

    QTimer zamanlayıcı_;
};

// The game's clock in the test's hand: it says whether it runs, and a second passes when told.
struct ElleSaat : SaatKaynağı {
    bool çalışıyor = false;
    void Çalıştır(bool çalışsın) override { çalışıyor = çalışsın; }
    void Geçir(int saniye) {
        for (; saniye > 0 && çalışıyor; --saniye)
            Saniye();
    }
};

struct PencereOrtamı {
    QTemporaryDir ayarlar;
    QTemporaryDir program; // the "executable's" folder, where the sample photo is looked for
    QList<int> hatalar;    // numbers of the errors reported, in order
    QStringList sesler;    // the sounds the player would have heard
    bool süreçBitti = false;
    KutuYanıtlayıcı kutular;
    std::function<void()> öncekiBitir = SüreciBitir;

    PencereOrtamı() {
        AyarKlasörünüKur(ayarlar.path());
        AyarlarıUnut();
        ProgramKlasörü = program.path() + u'/';
        PencereBaşlığı = PencereBaşlığınıOluştur();
        UygulamaAdı = u"Nuv Zovevav\\"_s + ÜrünAdı;
        FotoğrafYolu.clear();
        OrtakHizmetleriKur();
        HataKapanı::BildiriciKur([this](const ÇalışmaHatası &hata) {
            hatalar << hata.Numara();
            HataRaporu(hata);
        });
        // The report's "Hayır" would end the test run: it is recorded instead.
        SüreciBitir = [this] { süreçBitti = true; };
    }
    ~PencereOrtamı() {
        HataKapanı::BildiriciKur({});
        SüreciBitir = öncekiBitir;
    }

    void ÖrnekYaz(QSize boyut = QSize(600, 450)) {
        DosyaYaz(program.filePath(u"Sample-1.jpg"_s), Kodla(ÖrnekFotoğraf(boyut), "JPG"));
    }

    void Ayar(const QString &anahtar, const QString &değer) {
        SaveSetting(UygulamaAdı, u"Ayarlar"_s, anahtar, değer);
    }

    QString AyarDosyası() const { return ayarlar.path() + u"/Nuv Zovevav/Mozeta-Tr.ini"_s; }
    void AyarDosyasıYaz(const QByteArray &içerik) {
        QDir().mkpath(ayarlar.path() + u"/Nuv Zovevav"_s);
        DosyaYaz(AyarDosyası(), içerik);
        AyarlarıUnut();
    }

    ElleSaat *saat = nullptr; // the last window's clock

    // The main window, its deal fixed, its clock in the test's hand, its sounds in `sesler`.
    std::unique_ptr<AnaForm> Pencere(unsigned tohum, AnaFormBağımlılıkları bağımlılıklar) {
        bağımlılıklar.rastgele = std::make_unique<MersenneKaynağı>(tohum);
        auto elle = std::make_unique<ElleSaat>();
        saat = elle.get();
        bağımlılıklar.saat = std::move(elle);
        bağımlılıklar.sesAygıtıVarMı = [] { return true; };
        bağımlılıklar.sesÇalındı = [this](Ses ses) { sesler << SesAdı(ses); };
        return std::make_unique<AnaForm>(std::move(bağımlılıklar));
    }

    // The window loaded, its last photo waited for.
    std::unique_ptr<AnaForm> Yükle(unsigned tohum = 20240601) {
        AnaFormBağımlılıkları bağımlılıklar;
        bağımlılıklar.sonFotoğrafSabrı = std::chrono::minutes(10);
        auto form = Pencere(tohum, std::move(bağımlılıklar));
        form->Form_Load();
        return form;
    }
};
