// Test ground for the main window: private settings and program folders, the program's names,
// the real error report answered by the test, every message box recorded and answered, a fixed
// deal and the sounds recorded instead of heard.
#pragma once

#include "game/AnaForm.h"
#include "game/Dagitim.h"
#include "game/SesOynatici.h"
#include "startup/BaslangicModulu.h"
#include "startup/OrtakDegiskenlerModulu.h"
#include "startup/OrtakYordamlarModulu.h"
#include "toolkit/AyarDeposu.h"
#include "toolkit/HataPolitikasi.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <memory>
#include <vector>

using namespace Qt::Literals::StringLiterals;

// A smooth photo whose colour tells where a pixel lies: red grows to the right, green downwards.
// Its cells are easy to recognise after scaling and JPEG compression.
inline QRgb ÖrnekRengi(double x, double y, QSize boyut) {
    return qRgb(int(255 * x / boyut.width()), int(255 * y / boyut.height()), 96);
}

inline QImage ÖrnekFotoğraf(QSize boyut) {
    QImage resim(boyut, QImage::Format_RGB32);
    for (int y = 0; y < boyut.height(); ++y)
        for (int x = 0; x < boyut.width(); ++x)
            resim.setPixel(x, y, ÖrnekRengi(x + 0.5, y + 0.5, boyut));
    return resim;
}

inline bool RenkYakın(QRgb a, QRgb b, int pay = 14) {
    return std::abs(qRed(a) - qRed(b)) <= pay && std::abs(qGreen(a) - qGreen(b)) <= pay &&
           std::abs(qBlue(a) - qBlue(b)) <= pay;
}

inline QRgb OrtaRenk(const QImage &resim) {
    return resim.pixel(resim.width() / 2, resim.height() / 2);
}

// Answers every message box while it lives: with the next of `Yanıtlar`, else "Evet" (the error
// report's "go on"), else the box's default or first button; records each box it answers.
class KutuYanıtlayıcı {
public:
    struct Kutu {
        QString metin;
        QMessageBox::Icon simge;
        QStringList düğmeler;
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
        Kutular.push_back({kutu->text(), kutu->icon(), düğmeler});
        if (seçilen)
            seçilen->click();
        else
            kutu->done(QMessageBox::Yes);
    }

    QTimer zamanlayıcı_;
};

// The seven preferences every close writes, in the order it writes them.
inline const QStringList Tercihler{u"Sol Bosluk"_s,   u"Ust Bosluk"_s,   u"Son Bolme"_s,
                                   u"Son Fotograf"_s, u"Ornek Goster"_s, u"Oyunu Kaydet"_s,
                                   u"Sesleri Kapat"_s};

inline QStringList Anahtarlar(const QString &bölüm) {
    QStringList anahtarlar;
    for (const auto &[anahtar, değer] : GetAllSettings(UygulamaAdı, bölüm))
        anahtarlar << anahtar;
    return anahtarlar;
}

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
        BölmeSeçimi = 0;
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

    // Writes the sample photo beside the "executable"; returns its path.
    QString ÖrnekYaz(QSize boyut = QSize(600, 450), const QString &ad = u"Sample-1.jpg"_s) {
        const QString yol = program.filePath(ad);
        if (!ÖrnekFotoğraf(boyut).save(yol, nullptr, 95))
            qFatal("cannot write the sample photo");
        return yol;
    }

    void Ayar(const QString &anahtar, const QString &değer) {
        SaveSetting(UygulamaAdı, u"Ayarlar"_s, anahtar, değer);
    }

    QString AyarDosyası() const { return ayarlar.path() + u"/Nuv Zovevav/Mozeta-Tr.ini"_s; }
    void AyarDosyasıYaz(const QByteArray &içerik) {
        QDir().mkpath(ayarlar.path() + u"/Nuv Zovevav"_s);
        QFile dosya(AyarDosyası());
        if (!dosya.open(QIODevice::WriteOnly) || dosya.write(içerik) != içerik.size())
            qFatal("cannot write the settings file");
        dosya.close();
        AyarlarıUnut();
    }

    // The main window with a fixed deal; its sounds land in `sesler` (the one place the tests
    // reach into the sound output).
    std::unique_ptr<AnaForm> Pencere(unsigned tohum = 20240601) {
        auto form = std::make_unique<AnaForm>();
        form->RastgeleKaynağıKur(std::make_unique<MersenneKaynağı>(tohum));
        form->Ses().AygıtVarMı = [] { return true; };
        form->Ses().Çalındı = [this](const QString &ad) { sesler << ad; };
        return form;
    }

    // The main window loaded as at start-up.
    std::unique_ptr<AnaForm> Yükle(unsigned tohum = 20240601) {
        auto form = Pencere(tohum);
        form->Form_Load();
        return form;
    }
};
