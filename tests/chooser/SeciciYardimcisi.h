// Test helpers for the photo chooser: a temporary folder tree with the program's folder, a
// photo folder and a settings folder; generated photos; a recorder that answers message boxes.
#pragma once

#include "chooser/FotografSecFormu.h"
#include "game/AnaForm.h"
#include "game/Dagitim.h"
#include "startup/OrtakDegiskenlerModulu.h"
#include "toolkit/AyarDeposu.h"
#include "toolkit/HataPolitikasi.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <memory>
#include <vector>

// Four plain quarters: red top left, green top right, blue bottom left, yellow bottom right.
inline QImage DörtRenkliFotoğraf(int en, int boy) {
    QImage resim(en, boy, QImage::Format_RGB32);
    for (int y = 0; y < boy; ++y)
        for (int x = 0; x < en; ++x) {
            const bool sağ = x >= en / 2, alt = y >= boy / 2;
            resim.setPixel(x, y,
                           !alt ? (sağ ? qRgb(0, 200, 0) : qRgb(220, 0, 0))
                                : (sağ ? qRgb(230, 230, 0) : qRgb(0, 0, 220)));
        }
    return resim;
}

// One colour all over.
inline QImage DüzFotoğraf(QColor renk, int en = 320, int boy = 240) {
    QImage resim(en, boy, QImage::Format_RGB32);
    resim.fill(renk);
    return resim;
}

// True when the two colours are alike within what JPEG and smoothing change.
inline bool RenkBenzer(QColor a, QColor b, int pay = 40) {
    return std::abs(a.red() - b.red()) <= pay && std::abs(a.green() - b.green()) <= pay &&
           std::abs(a.blue() - b.blue()) <= pay;
}

// Answers every message box that opens while it lives with its only (or first) button, and
// records the texts.
class KutuKaydedici {
public:
    QStringList Metinler;
    std::vector<QMessageBox::Icon> Simgeler;

    KutuKaydedici() {
        QObject::connect(&zamanlayıcı_, &QTimer::timeout, [this] { Bak(); });
        zamanlayıcı_.start(5);
    }

private:
    void Bak() {
        auto *kutu = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!kutu || !kutu->isVisible() || kutu->property("yanıtlandı").toBool())
            return;
        kutu->setProperty("yanıtlandı", true);
        Metinler << kutu->text();
        Simgeler.push_back(kutu->icon());
        kutu->buttons().value(0)->click();
    }

    QTimer zamanlayıcı_;
};

// The folder tree of one test:
//   prog/          the program's folder (ProgramKlasörü, ending in '/'), holding kırmızı.jpg
//   foto/          photos of several kinds, a sub-folder and a hidden one
//   ayar/          the settings store
// and a main window cut 3 x 3 from a grey photo, with a fixed deal.
struct SeçiciOrtamı {
    QTemporaryDir kök;
    QString program, foto;
    std::unique_ptr<AnaForm> anaForm;
    std::vector<int> raporlar; // errors that reached the error report

    SeçiciOrtamı() {
        QDir d(kök.path());
        d.mkpath(QStringLiteral("prog"));
        d.mkpath(QStringLiteral("foto/alt klasör"));
        d.mkpath(QStringLiteral("foto/.gizli"));
        d.mkpath(QStringLiteral("ayar"));
        program = d.filePath(QStringLiteral("prog"));
        foto = d.filePath(QStringLiteral("foto"));

        AyarKlasörünüKur(d.filePath(QStringLiteral("ayar")));
        UygulamaAdı = QStringLiteral("Nuv Zovevav\\Mozeta-Tr");
        ProgramKlasörü = program + QLatin1Char('/');
        FotoğrafYolu = program + QStringLiteral("/gri.png");
        BölmeSeçimi = 0;
        HataKapanı::BildiriciKur(
            [this](const ÇalışmaHatası &hata) { raporlar.push_back(hata.Numara()); });

        Kaydet(DüzFotoğraf(QColor(220, 0, 0)), program + QStringLiteral("/kırmızı.jpg"));
        Kaydet(DüzFotoğraf(QColor(0, 0, 220), 640, 480), foto + QStringLiteral("/a mavi.jpg"));
        Kaydet(DüzFotoğraf(QColor(0, 200, 0)), foto + QStringLiteral("/B YEŞİL.JPG"));
        Kaydet(DüzFotoğraf(QColor(230, 230, 0)), foto + QStringLiteral("/c sarı.bmp"));
        Kaydet(DüzFotoğraf(QColor(255, 255, 255)), foto + QStringLiteral("/d beyaz.jpeg"));
        Kaydet(DüzFotoğraf(QColor(0, 0, 0)), foto + QStringLiteral("/e siyah.png"));
        Kaydet(DüzFotoğraf(QColor(0, 0, 0)), foto + QStringLiteral("/.gizli.jpg"));
        Yaz(foto + QStringLiteral("/notlar.txt"), "metin");
        Kaydet(DüzFotoğraf(QColor(128, 0, 128)), foto + QStringLiteral("/alt klasör/mor.jpg"));

        anaForm = std::make_unique<AnaForm>();
        anaForm->RastgeleKaynağıKur(std::make_unique<MersenneKaynağı>(20240601u));
        anaForm->OrjinalFotoğrafKutusu->SetPicture(DüzFotoğraf(QColor(128, 128, 128)));
        anaForm->ParçalaraBölSeçeneği_Click(0);
    }

    ~SeçiciOrtamı() { HataKapanı::BildiriciKur(nullptr); }

    // In the format its extension names, whatever its case.
    static void Kaydet(const QImage &resim, const QString &yol) {
        if (!resim.save(yol, nullptr, 95))
            qFatal("cannot write %s", qPrintable(yol));
    }

    static void Yaz(const QString &yol, const QByteArray &içerik) {
        QFile dosya(yol);
        if (!dosya.open(QIODevice::WriteOnly) || dosya.write(içerik) != içerik.size())
            qFatal("cannot write %s", qPrintable(yol));
    }

    QString SonKlasör() const {
        return GetSetting(UygulamaAdı, QStringLiteral("Ayarlar"), QStringLiteral("Son Klasor"));
    }
};
