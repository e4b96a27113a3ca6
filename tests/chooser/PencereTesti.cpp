// SPDX-License-Identifier: GPL-3.0-or-later
// The photo chooser on a temporary folder tree: lists, OK and closing.
#include "chooser/FotografSecFormu.h"
#include "resources/DizgiTablosu.h"
#include "tests/ortak/PencereOrtami.h"

#include <QListWidget>
#include <QPushButton>

// The main window's test ground, a photo folder with a photo and a sub-folder, a grey 3 x 3 board.
struct Ortam : PencereOrtamı {
    QTemporaryDir fotoKlasörü;
    const QString foto = fotoKlasörü.path();
    std::unique_ptr<AnaForm> anaForm = Yükle();
    const QString gri = ayarlar.filePath(u"gri.jpg"_s); // the board's photo, never read

    Ortam() {
        QDir(foto).mkdir(u"alt klasör"_s);
        DosyaYaz(foto + u"/a mavi.jpg"_s, Kodla(DüzFotoğraf(Çeyrekler[2]), "JPG"));
        anaForm->FotoğrafıAç(gri, Fotoğraf{DüzFotoğraf(Qt::gray), QSize(320, 240)});
    }
};

class PencereTesti : public QObject {
    Q_OBJECT

    std::unique_ptr<Ortam> o;

    // Opens the chooser over the main window, active, at the photo folder.
    std::unique_ptr<FotoğrafSeçFormu> Aç() {
        SaveSetting(UygulamaAdı, "Ayarlar", "Son Klasor", o->foto);
        auto form = std::make_unique<FotoğrafSeçFormu>(*o->anaForm);
        QObject::connect(form.get(), &FotografSecFormu::FotografSecildi, o->anaForm.get(),
                         [this](const QString &yol, const QImage &resim, QSize boyut) {
                             o->anaForm->FotoğrafıAç(yol, Fotoğraf{resim, boyut});
                         });
        form->show();
        QApplication::setActiveWindow(form.get());
        if (!QTest::qWaitForWindowActive(form.get()))
            qWarning("the chooser did not become active");
        return form;
    }

    // Selects a file and waits for its photo, which is decoded off the window's thread.
    static void Seç(FotoğrafSeçFormu &form, const QString &ad) {
        const auto bulunan = form.DosyaListesi->findItems(ad, Qt::MatchExactly);
        QVERIFY2(bulunan.size() == 1, qPrintable(ad));
        form.DosyaListesi->setCurrentItem(bulunan.front());
        QTRY_VERIFY(!form.FotoğrafBekleniyor());
    }

    // As a double-click on the folder does.
    static void KlasörüAç(FotoğrafSeçFormu &form, const QString &yol) {
        for (int i = 0; i < form.KlasörListesi->count(); ++i)
            if (form.KlasörListesi->item(i)->data(Qt::UserRole).toString() == yol)
                emit form.KlasörListesi->itemActivated(form.KlasörListesi->item(i));
    }

private slots:
    void init() { o = std::make_unique<Ortam>(); }
    void cleanup() { o.reset(); }

    // A file that is not a picture changes nothing and says nothing. OK then, as before any load
    // and after a folder change, says 2300 and puts the focus on the file list.
    void okIsRefusedUnlessTheShownPhotoIsSelected() {
        DosyaYaz(o->foto + "/metin.jpg", "Bu bir fotoğraf değil.\n");
        for (const QString ad : {"", "alt klasör", "metin.jpg"}) {
            o->kutular.Kutular.clear();
            auto form = Aç();
            if (!ad.isEmpty())
                Seç(*form, "a mavi.jpg");
            const qint64 önizleme = form->ÖnizlemeKutusu->Picture().cacheKey();
            if (ad == "alt klasör")
                KlasörüAç(*form, o->foto + '/' + ad);
            else if (!ad.isEmpty())
                Seç(*form, ad);
            QCOMPARE(form->ÖnizlemeKutusu->Picture().cacheKey(), önizleme);
            form->TamamDüğmesi->click();
            QCOMPARE(o->kutular.Kutular.size(), std::size_t(1));
            QCOMPARE(o->kutular.Kutular[0].metin, LoadResString(2300));
            QVERIFY(form->isVisible() && form->focusWidget() == form->DosyaListesi);
            QVERIFY(FotoğrafYolu == o->gri && o->hatalar.isEmpty());
        }
    }

    // After a preview in another folder, Cancel leaves board and photo path as they were; OK cuts
    // the photo, decoded reduced, at its natural size into the current grid. The folder is kept.
    void cancelOrOk() {
        const Oyuncu ana(*o->anaForm);
        const QString alt = o->foto + "/alt klasör";
        // Its camera's small picture is one of thousands of scans: the photo itself is shown.
        DosyaYaz(alt + "/büyük.jpg", ExifliJpeg(DörtRenkliFotoğraf(2400, 1800), {}, false, 1,
                                                TaramaBombası(DüzFotoğraf(Qt::red, 64, 48), 4000)));
        ana.BölmeSeç(2);
        for (const bool tamam : {false, true}) {
            ana.YeniOyun();
            const QImage yer0 = ana.YerResmi(0);
            auto form = Aç();
            KlasörüAç(*form, alt);
            Seç(*form, "büyük.jpg");
            QVERIFY(!form->KüçükResimGösteriliyor());
            // Enter on the photos is no OK; on a button it presses that button.
            QTest::keyClick(form->DosyaListesi, Qt::Key_Return);
            QPushButton *düğme = tamam ? form->TamamDüğmesi : form->İptalDüğmesi;
            QVERIFY(form->isVisible() && (düğme->setFocus(), düğme->hasFocus()));
            QTest::keyClick(düğme, tamam ? Qt::Key_Return : Qt::Key_Enter);
            QVERIFY(!form->isVisible() && o->kutular.Kutular.empty() && o->hatalar.isEmpty());
            QCOMPARE(GetSetting(UygulamaAdı, "Ayarlar", "Son Klasor"), alt);
            QCOMPARE(FotoğrafYolu, tamam ? alt + "/büyük.jpg" : o->gri);
            QCOMPARE(ana.YerResmi(0) == yer0, !tamam);
        }
        // Piece 5 of the 5 x 5 grid, the top right corner's, is cut from the photo's green quarter.
        QVERIFY(RenkYakın(OrtaRenk(ana.YerResmi(ana.ParçanınYeri(4, 5))), Çeyrekler[1]));
    }
};

QTEST_MAIN(PencereTesti)
#include "PencereTesti.moc"
