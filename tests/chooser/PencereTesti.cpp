// SPDX-License-Identifier: GPL-3.0-or-later
// The photo chooser on a temporary folder tree: lists, OK and closing.
#include "chooser/FotografSecFormu.h"
#include "resources/DizgiTablosu.h"
#include "tests/ortak/PencereOrtami.h"

#include <QListWidget>
#include <QPushButton>

// Selects a file and waits for its photo, which is decoded off the window's thread.
static void Seç(FotoğrafSeçFormu &form, const QString &ad) {
    const auto bulunan = form.DosyaListesi->findItems(ad, Qt::MatchExactly);
    QVERIFY2(bulunan.size() == 1, qPrintable(ad));
    form.DosyaListesi->setCurrentItem(bulunan.front());
    QTRY_VERIFY(!form.FotoğrafBekleniyor());
}

class PencereTesti : public QObject {
    Q_OBJECT

private slots:
    // After a folder change, and after a file that is not a picture (which changes nothing), OK
    // says 2300 and focuses the file list. Cancel then leaves board and photo path as they were; OK
    // cuts the photo, decoded reduced, at its natural size into the grid. The folder is kept.
    void okRefusedThenCancelOrOk() {
        PencereOrtamı ortam;
        QTemporaryDir klasör;
        const QString alt = klasör.filePath(u"alt klasör"_s),
                      gri = ortam.ayarlar.filePath(u"gri.jpg"_s); // the board's photo, never read
        const auto anaForm = ortam.Yükle();
        anaForm->FotoğrafıAç(gri, Fotoğraf{DüzFotoğraf(Qt::gray), QSize(320, 240)});
        QVERIFY(QDir().mkpath(alt));
        DosyaYaz(klasör.filePath(u"a mavi.jpg"_s), Kodla(DüzFotoğraf(Çeyrekler[2]), "JPG"));
        DosyaYaz(alt + "/büyük.jpg", Kodla(DörtRenkliFotoğraf(2400, 1800), "JPG"));
        DosyaYaz(alt + "/metin.jpg", "Bu bir fotoğraf değil.\n");
        const Oyuncu ana(*anaForm);
        ana.BölmeSeç(2);
        for (const bool tamam : {false, true}) {
            ana.YeniOyun();
            const QImage yer0 = ana.YerResmi(0);
            SaveSetting(UygulamaAdı, "Ayarlar", "Son Klasor", klasör.path());
            FotoğrafSeçFormu form(*anaForm);
            QObject::connect(&form, &FotografSecFormu::FotografSecildi, anaForm.get(),
                             [&](const QString &yol, const QImage &resim, QSize boyut) {
                                 anaForm->FotoğrafıAç(yol, Fotoğraf{resim, boyut});
                             });
            form.show();
            QApplication::setActiveWindow(&form);
            QVERIFY(QTest::qWaitForWindowActive(&form));
            Seç(form, "a mavi.jpg");
            for (int i = 0; i < form.KlasörListesi->count(); ++i) // as a double-click does
                if (form.KlasörListesi->item(i)->data(Qt::UserRole).toString() == alt)
                    emit form.KlasörListesi->itemActivated(form.KlasörListesi->item(i));
            if (tamam) {
                Seç(form, "büyük.jpg");
                const qint64 önizleme = form.ÖnizlemeKutusu->Picture().cacheKey();
                Seç(form, "metin.jpg");
                QCOMPARE(form.ÖnizlemeKutusu->Picture().cacheKey(), önizleme);
            }
            form.TamamDüğmesi->click();
            QCOMPARE(ortam.kutular.Kutular.size(), std::size_t(1));
            QCOMPARE(ortam.kutular.Kutular[0].metin, LoadResString(2300));
            QVERIFY(form.isVisible() && form.focusWidget() == form.DosyaListesi);
            ortam.kutular.Kutular.clear();
            QApplication::setActiveWindow(&form); // the box had the focus
            QVERIFY(QTest::qWaitForWindowActive(&form));
            Seç(form, "büyük.jpg");
            // Enter on the photos is no OK; on a button it presses that button.
            QTest::keyClick(form.DosyaListesi, Qt::Key_Return);
            QPushButton *düğme = tamam ? form.TamamDüğmesi : form.İptalDüğmesi;
            QVERIFY(form.isVisible() && (düğme->setFocus(), düğme->hasFocus()));
            QTest::keyClick(düğme, tamam ? Qt::Key_Return : Qt::Key_Enter);
            QVERIFY(!form.isVisible() && ortam.kutular.Kutular.empty() && ortam.hatalar.isEmpty());
            QCOMPARE(GetSetting(UygulamaAdı, "Ayarlar", "Son Klasor"), alt);
            QCOMPARE(FotoğrafYolu, tamam ? alt + "/büyük.jpg" : gri);
            QCOMPARE(ana.YerResmi(0) == yer0, !tamam);
        }
        // Piece 5 of the 5 x 5 grid, the top right corner's, is cut from the photo's green quarter.
        QVERIFY(RenkYakın(OrtaRenk(ana.YerResmi(ana.ParçanınYeri(4, 5))), Çeyrekler[1]));
    }
};

QTEST_MAIN(PencereTesti)
#include "PencereTesti.moc"
