// Ground for the robustness tests of the window: a private settings folder and program folder,
// the real error report answered "Evet" by the test, every message box answered, and the
// process's peak memory.
#pragma once

#include "game/AnaForm.h"
#include "game/Dagitim.h"
#include "game/SesOynatici.h"
#include "startup/OrtakDegiskenlerModulu.h"
#include "startup/OrtakYordamlarModulu.h"
#include "toolkit/AyarDeposu.h"
#include "toolkit/HataPolitikasi.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <memory>
#include <sys/resource.h>

// The process's peak resident memory so far, in kilobytes.
inline long TepeBellekKB() {
    rusage kullanım{};
    getrusage(RUSAGE_SELF, &kullanım);
    return kullanım.ru_maxrss;
}

// Answers every message box while it lives: "Evet" where there is one (the error report's
// "go on"), else the box's only or default button. Counts the boxes by their texts.
class KutuCevaplayıcı {
public:
    QStringList Metinler;

    KutuCevaplayıcı() {
        QObject::connect(&zamanlayıcı_, &QTimer::timeout, [this] { Bak(); });
        zamanlayıcı_.start(5);
    }

private:
    void Bak() {
        QPointer<QMessageBox> kutu = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!kutu || !kutu->isVisible() || kutu->property("cevaplandı").toBool())
            return;
        kutu->setProperty("cevaplandı", true);
        Metinler << kutu->text();
        QAbstractButton *seçilen = kutu->defaultButton();
        for (QAbstractButton *düğme : kutu->buttons())
            if (düğme->text().remove(u'&') == QStringLiteral("Evet"))
                seçilen = düğme;
        if (!seçilen && !kutu->buttons().isEmpty())
            seçilen = kutu->buttons().constFirst();
        if (seçilen)
            seçilen->click();
        else
            kutu->done(QMessageBox::Yes);
    }

    QTimer zamanlayıcı_;
};

// A settings folder and a program folder of their own, the program's names, and the real error
// report in place (answered by the test, which also records each error number). "Hayır" would
// end the process: here it is recorded instead.
struct RobustOrtamı {
    QTemporaryDir ayarlar;
    QTemporaryDir program;
    QList<int> hatalar;
    bool süreçBitti = false;
    KutuCevaplayıcı cevaplayıcı;
    std::function<void()> öncekiBitir = SüreciBitir;

    RobustOrtamı() {
        AyarKlasörünüKur(ayarlar.path());
        ProgramKlasörü = program.path() + u'/';
        UygulamaAdı = QStringLiteral("Nuv Zovevav\\") + ÜrünAdı;
        FotoğrafYolu.clear();
        BölmeSeçimi = 0;
        HataKapanı::BildiriciKur([this](const ÇalışmaHatası &hata) {
            hatalar << hata.Numara();
            HataRaporu(hata);
        });
        SüreciBitir = [this] { süreçBitti = true; };
    }
    ~RobustOrtamı() {
        HataKapanı::BildiriciKur({});
        SüreciBitir = öncekiBitir;
        AyarKlasörünüKur({});
    }

    // The settings file of the program.
    QString AyarDosyası() const {
        return ayarlar.path() + QStringLiteral("/Nuv Zovevav/Mozeta-Tr.ini");
    }

    void AyarDosyasıYaz(const QByteArray &içerik) {
        QDir().mkpath(ayarlar.path() + QStringLiteral("/Nuv Zovevav"));
        QFile dosya(AyarDosyası());
        if (!dosya.open(QIODevice::WriteOnly) || dosya.write(içerik) != içerik.size())
            qFatal("cannot write the settings file");
        dosya.close();
        AyarlarıUnut();
    }

    // A generated photo where the program looks for its sample.
    void ÖrnekYaz(QSize boyut = QSize(400, 300)) {
        QImage resim(boyut, QImage::Format_RGB32);
        for (int y = 0; y < boyut.height(); ++y)
            for (int x = 0; x < boyut.width(); ++x)
                resim.setPixel(x, y, qRgb(x % 256, y % 256, (x * 7 + y * 13) % 256));
        if (!QImageWriter(program.filePath(QStringLiteral("Sample-1.jpg"))).write(resim))
            qFatal("cannot write the sample photo");
    }

    // The main window as start-up makes it, with a fixed deal and sounds that are only counted.
    std::unique_ptr<AnaForm> Pencere(unsigned tohum = 1) {
        auto form = std::make_unique<AnaForm>();
        form->RastgeleKaynağıKur(std::make_unique<MersenneKaynağı>(tohum));
        form->Ses().AygıtVarMı = [] { return true; };
        form->Ses().Çalındı = [](const QString &) {};
        return form;
    }
};
