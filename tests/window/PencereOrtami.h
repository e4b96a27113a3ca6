// Test ground for the main window: a fresh settings folder, a program folder holding a generated
// sample photo, the program's application name, and the error reports collected instead of shown.
#pragma once

#include "game/AnaForm.h"
#include "startup/OrtakDegiskenlerModulu.h"
#include "toolkit/AyarDeposu.h"
#include "toolkit/HataPolitikasi.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <cstdlib>
#include <memory>

// A smooth photo whose colour tells where a pixel lies: red grows to the right, green downwards.
// Its cells are easy to recognise after scaling and JPEG compression.
inline QRgb ÖrnekRengi(double x, double y, QSize boyut) {
    return qRgb(int(255 * x / boyut.width()), int(255 * y / boyut.height()), 96);
}

inline QImage ÖrnekFotoğraf(QSize boyut) {
    QImage resim(boyut, QImage::Format_RGB32);
    for (int y = 0; y < boyut.height(); ++y) {
        auto *satır = reinterpret_cast<QRgb *>(resim.scanLine(y));
        for (int x = 0; x < boyut.width(); ++x)
            satır[x] = ÖrnekRengi(x + 0.5, y + 0.5, boyut);
    }
    return resim;
}

inline bool RenkYakın(QRgb a, QRgb b, int pay = 14) {
    return std::abs(qRed(a) - qRed(b)) <= pay && std::abs(qGreen(a) - qGreen(b)) <= pay &&
           std::abs(qBlue(a) - qBlue(b)) <= pay;
}

inline QString RenkMetni(QRgb renk) {
    return QStringLiteral("(%1, %2, %3)").arg(qRed(renk)).arg(qGreen(renk)).arg(qBlue(renk));
}

// The colour at the middle of an image, in its own pixels.
inline QRgb OrtaRenk(const QImage &resim) {
    return resim.pixel(resim.width() / 2, resim.height() / 2);
}

struct PencereOrtamı {
    QTemporaryDir ayarlar;
    QTemporaryDir program;
    QStringList hatalar; // numbers of the errors reported, in order

    PencereOrtamı() {
        AyarKlasörünüKur(ayarlar.path());
        AyarlarıUnut();
        ProgramKlasörü = program.path() + QLatin1Char('/');
        UygulamaAdı = QStringLiteral("Nuv Zovevav\\Mozeta-Tr");
        FotoğrafYolu.clear();
        BölmeSeçimi = 0;
        HataKapanı::BildiriciKur(
            [this](const ÇalışmaHatası &hata) { hatalar << QString::number(hata.Numara()); });
    }
    ~PencereOrtamı() { HataKapanı::BildiriciKur({}); }

    // Writes the sample photo beside the "executable"; returns its path.
    QString ÖrnekYaz(QSize boyut = QSize(600, 450),
                     const QString &ad = QStringLiteral("Sample-1.jpg")) {
        const QString yol = program.filePath(ad);
        QImageWriter yazıcı(yol);
        yazıcı.setQuality(95);
        if (!yazıcı.write(ÖrnekFotoğraf(boyut)))
            qFatal("cannot write the sample photo");
        return yol;
    }

    void Ayar(const QString &anahtar, const QString &değer) {
        SaveSetting(UygulamaAdı, QStringLiteral("Ayarlar"), anahtar, değer);
    }

    // A main window loaded as at start-up. Any modal box is closed rather than left hanging.
    std::unique_ptr<AnaForm> Yükle() {
        auto form = std::make_unique<AnaForm>();
        QTimer kapatıcı;
        QObject::connect(&kapatıcı, &QTimer::timeout, [] {
            if (auto *kutu = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()))
                kutu->done(QMessageBox::Yes);
        });
        kapatıcı.start(20);
        form->Form_Load();
        return form;
    }
};
