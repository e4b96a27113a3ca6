// SPDX-License-Identifier: GPL-3.0-or-later
// Playing without a mouse (arrows, tab order, the chooser's first photo) and what a screen reader
// reads of the session; what Orca speaks is the end-to-end test's.
#include "chooser/FotografSecFormu.h"
#include "game/IpucuDenetcisi.h"
#include "game/cekirdek/Cozucu.h"
#include "resources/DizgiTablosu.h"
#include "tests/ortak/PencereOrtami.h"

#include <QListWidget>

class KeyboardTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey)); }

    // The arrow moves the piece on its side of the empty place (Up the one below it); at an edge,
    // a row's end or start, none (-1). The corner's are played below.
    void arrowRule() {
        for (const auto &[kenar, boş, ok, yer] : {std::tuple{3, 4, Ok::Yukarı, 7},
                                                  {3, 5, Ok::Sol, -1},
                                                  {3, 3, Ok::Sağ, -1},
                                                  {4, 2, Ok::Aşağı, -1},
                                                  {5, 0, Ok::Sol, 1}})
            QCOMPARE(OklaTaşınanYer(boş, kenar, ok), yer);
    }

    // A restored board that sliding cannot solve gets a box on H, no search. On a deal, H marks
    // and speaks a piece that can move; the move unmarks it. Which is best: the hint finder's test.
    void hintKey() {
        PencereOrtamı ortam;
        ortam.ÖrnekYaz();
        for (int yer = 0; yer < 9; ++yer)
            SaveSetting(UygulamaAdı, u"Oyun"_s, u"Foto-%1"_s.arg(yer),
                        yer == 8 ? u"8B"_s : QString::number(yer < 2 ? 1 - yer : yer));
        auto p = ortam.Yükle();
        const Oyuncu oyuncu(*p);
        QVERIFY(QTest::qWaitForWindowActive(p.get()));
        QTest::keyClick(oyuncu.Tahta(), Qt::Key_H);
        QTRY_COMPARE_WITH_TIMEOUT(ortam.kutular.Kutular.size(), 1u, 240000);
        QCOMPARE(ortam.kutular.Kutular[0].metin, LoadResString(3701));

        oyuncu.YeniOyun();
        const QImage boşResmi = oyuncu.YerResmi(oyuncu.BoşYer());
        std::vector<QImage> önce;
        for (int yer = 0; yer < 9; ++yer)
            önce.push_back(oyuncu.YerResmi(yer));
        QTest::keyClick(oyuncu.Tahta(), Qt::Key_H);
        const auto duyuru = [&] {
            auto *d = p->findChild<QWidget *>(u"OkuyucuDuyurusu"_s);
            return d ? d->accessibleName() : QString();
        };
        QTRY_VERIFY_WITH_TIMEOUT(duyuru().startsWith(u"İpucu"_s), 240000);
        int yer = 0;
        while (yer < 9 && oyuncu.YerResmi(yer) == önce[std::size_t(yer)])
            ++yer; // the marked place
        QVERIFY(yer < 9 && duyuru().contains(oyuncu.YerAdı(yer)));
        oyuncu.YereTıkla(yer);
        QVERIFY(oyuncu.Hamle() == u"1"_s && oyuncu.YerResmi(yer) == boşResmi);
    }

    // Each 3 x 3 deal's fewest moves reach the session, found off the window's thread; a hint
    // marks the game as helped.
    void dealsFewestMoves() {
        BellekAyarları ayarlar;
        OyunOturumu oturum(ayarlar);
        İpucuDenetçisi denetçi(oturum);
        oturum.FotoğrafVar(true);
        oturum.YeniOyun();
        const int enAz = int(EnKısaÇözüm(DizilimOf(oturum.Tahta()))->hamleler.size());
        QTRY_COMPARE_WITH_TIMEOUT(oturum.DağıtımınEnAzHamlesi().value_or(-1), enAz, 240000);
        denetçi.İste(); // a hint shown marks the game as helped: it sets no record
        QTRY_VERIFY_WITH_TIMEOUT(oturum.Yardımlı(), 240000);
    }

    // The board comes after the grid options, takes the keyboard at a deal, and its arrows play
    // as clicks: a move counts, a key with nothing on its side does not; with no game an arrow
    // deals. The screen reader's places, move count and clock carry the session's numbers.
    void arrowKeysPlay() {
        PencereOrtamı ortam;
        ortam.ÖrnekYaz();
        auto p = ortam.Yükle();
        const Oyuncu oyuncu(*p);
        QVERIFY(QTest::qWaitForWindowActive(p.get()));
        QCOMPARE(oyuncu.Denetim(u"5 x 5"_s)->nextInFocusChain(), oyuncu.Tahta());

        oyuncu.Tahta()->setFocus();
        oyuncu.TuşaBas(Qt::Key_Up);
        QVERIFY(ortam.saat->çalışıyor && oyuncu.Hamle() == u"0"_s);
        oyuncu.Denetim(u"Hakkında"_s)->setFocus();
        oyuncu.YeniOyun();
        QCOMPARE(QApplication::focusWidget(), oyuncu.Tahta());

        oyuncu.TuşaBas(Qt::Key_Up); // nothing below the bottom-right corner
        oyuncu.TuşaBas(Qt::Key_Left);
        const QString beşte = oyuncu.YerAdı(5);
        oyuncu.TuşaBas(Qt::Key_Down);
        QVERIFY(oyuncu.BoşYer() == 5 && oyuncu.YerAdı(8) == beşte);
        oyuncu.TuşaBas(Qt::Key_Right); // while the piece before it still slides
        QCOMPARE(oyuncu.BoşYer(), 4);
        oyuncu.TuşaBas(Qt::Key_Down, Qt::ShiftModifier); // not an arrow of play
        QCOMPARE(oyuncu.Hamle(), u"2"_s);
        ortam.saat->Geçir(61);
        const auto erişim = [&](const QString &ad) {
            return QAccessible::queryAccessibleInterface(oyuncu.Denetim(ad));
        };
        QCOMPARE(erişim(ErişimMetni::HamleSayısı)->valueInterface()->currentValue().toInt(), 2);
        QCOMPARE(erişim(ErişimMetni::GeçenSüre)->valueInterface()->currentValue().toInt(), 61);
    }

    // Reaching the photos by Tab or by their access key chooses the first and previews it; a
    // choice already made stays.
    void chooserFirstPhotoByKeyboard() {
        PencereOrtamı ortam;
        auto p = ortam.Yükle();
        QTemporaryDir klasör;
        for (const char *ad : {"a.jpg", "b.jpg"})
            QVERIFY(ÖrnekFotoğraf(QSize(64, 48)).save(klasör.filePath(QString::fromLatin1(ad))));
        ortam.Ayar(u"Son Klasor"_s, klasör.path());
        for (const bool erişimTuşu : {false, true}) {
            FotoğrafSeçFormu form(*p);
            form.show();
            QApplication::setActiveWindow(&form);
            QVERIFY(QTest::qWaitForWindowActive(&form));
            if (erişimTuşu) {
                QTest::keyClick(&form, Qt::Key_F, Qt::AltModifier);
            } else {
                form.KlasörListesi->setFocus();
                QTest::keyClick(form.KlasörListesi, Qt::Key_Tab);
            }
            QCOMPARE(QApplication::focusWidget(), form.DosyaListesi);
            QCOMPARE(form.DosyaListesiSeçili(), u"a.jpg"_s);
            QTRY_VERIFY(form.ÖnizlemeKutusu->HasPicture());
            form.DosyaListesi->setCurrentRow(1);
            QTest::keyClick(form.DosyaListesi, Qt::Key_Tab, Qt::ShiftModifier);
            QTest::keyClick(form.KlasörListesi, Qt::Key_Tab);
            QCOMPARE(form.DosyaListesiSeçili(), u"b.jpg"_s);
        }
    }
};

QTEST_MAIN(KeyboardTest)
#include "KlavyeTesti.moc"
