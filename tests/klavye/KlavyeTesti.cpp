// SPDX-License-Identifier: GPL-3.0-or-later
// Playing without a mouse (arrows, tab order, the chooser's first photo) and what a screen reader
// reads of the session; what Orca speaks is the end-to-end test's.
#include "chooser/FotografSecFormu.h"
#include "game/cekirdek/Cozucu.h"
#include "game/cekirdek/YerAdi.h"
#include "resources/DizgiTablosu.h"
#include "tests/ortak/PencereOrtami.h"

#include <QAccessible>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>

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

    // A restored board that sliding cannot solve gets a box on H, no search and no help. On a
    // deal, H marks a piece whose move leaves one move fewer, speaks it and marks the game as
    // helped; the move takes the mark away. The deal's fewest moves reach the session.
    void hintKey() {
        PencereOrtamı ortam;
        ortam.ÖrnekYaz();
        for (int yer = 0; yer < 9; ++yer)
            SaveSetting(UygulamaAdı, u"Oyun"_s, u"Foto-%1"_s.arg(yer),
                        yer == 8 ? u"8B"_s : QString::number(yer < 2 ? 1 - yer : yer));
        auto p = ortam.Yükle();
        QVERIFY(QTest::qWaitForWindowActive(p.get()));
        QTest::keyClick(p->OyunAlanı, Qt::Key_H);
        QTRY_COMPARE_WITH_TIMEOUT(ortam.kutular.Kutular.size(), 1u, 240000);
        QVERIFY(ortam.kutular.Kutular[0].metin == LoadResString(3701) && !p->Oturum.Yardımlı());

        p->YeniOyunDüğmesi_Click();
        const Dizilim ilk = DizilimOf(p->Oturum.Tahta());
        const int enAz = int(EnKısaÇözüm(ilk)->hamleler.size());
        QTest::keyClick(p->OyunAlanı, Qt::Key_H);
        QTRY_VERIFY_WITH_TIMEOUT(p->Oturum.Yardımlı(), 240000);
        QWidget *işaret = nullptr;
        for (auto *w : p->OyunAlanı->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            işaret = qobject_cast<ResimKutusu *>(w) || w->isHidden() ? işaret : w;
        int yer = 0;
        while (işaret && p->DağınıkParçalar(yer)->geometry() != işaret->geometry())
            ++yer;
        Dizilim sonra = ilk;
        QVERIFY(HamleyiUygula(sonra, yer));
        QCOMPARE(int(EnKısaÇözüm(sonra)->hamleler.size()), enAz - 1);
        QCOMPARE(p->findChild<QWidget *>(u"OkuyucuDuyurusu"_s)->accessibleName(),
                 LoadResString(3702).arg(YerAdı(p->Oturum.Tahta(), yer),
                                         YerKonumu(p->Oturum.Tahta(), yer)));
        p->DağınıkParçalar_Click(yer);
        QVERIFY(işaret->isHidden());
        QTRY_COMPARE_WITH_TIMEOUT(p->Oturum.DağıtımınEnAzHamlesi().value_or(-1), enAz, 240000);
    }

    // The board comes after the grid options, takes the keyboard at a deal, and its arrows play
    // as clicks: a move counts and sounds, a key with nothing on its side only sounds "DUR".
    // With no game an arrow deals. The screen reader's places are named for the pieces the
    // session puts there, and the move count and the clock carry its numbers.
    void arrowKeysPlay() {
        PencereOrtamı ortam;
        ortam.ÖrnekYaz();
        auto p = ortam.Yükle();
        QVERIFY(QTest::qWaitForWindowActive(p.get()));
        QCOMPARE(p->ParçalaraBölSeçeneği[2]->nextInFocusChain(), p->OyunAlanı);

        p->OyunAlanı->setFocus();
        QTest::keyClick(p->OyunAlanı, Qt::Key_Up);
        QVERIFY(p->SüreHesapla.Interval() == 1000 && p->Oturum.HamleSayısı() == 0);
        p->HakkındaDüğmesi->setFocus();
        p->YeniOyunDüğmesi_Click();
        QCOMPARE(QApplication::focusWidget(), p->OyunAlanı);

        QTest::keyClick(p->OyunAlanı, Qt::Key_Up); // nothing below the bottom-right corner
        QTest::keyClick(p->OyunAlanı, Qt::Key_Left);
        QCOMPARE(p->Oturum.HamleSayısı(), 0);
        const QString beşte = p->Oturum.Tahta().YerOf(5).Tag;
        QTest::keyClick(p->OyunAlanı, Qt::Key_Down);
        QVERIFY(p->Oturum.Tahta().BoşParça() == 5 && p->Oturum.Tahta().YerOf(8).Tag == beşte);
        QTest::keyClick(p->OyunAlanı, Qt::Key_Right);
        QCOMPARE(p->Oturum.Tahta().BoşParça(), 4);
        QCOMPARE(p->HamleEtiketi->text(), u"2"_s);
        QCOMPARE(ortam.sesler, QStringList({u"DUR"_s, u"DUR"_s, u"TAMAM"_s, u"TAMAM"_s}));
        QTest::keyClick(p->OyunAlanı, Qt::Key_Down, Qt::ShiftModifier); // not an arrow of play
        QCOMPARE(p->Oturum.HamleSayısı(), 2);
        for (int saniye = 0; saniye < 61; ++saniye)
            p->SüreHesapla_Timer();
        const auto erişim = &QAccessible::queryAccessibleInterface;
        QCOMPARE(erişim(p->DağınıkParçalar(4))->text(QAccessible::Name), u"Boş yer"_s);
        QCOMPARE(erişim(p->DağınıkParçalar(8))->text(QAccessible::Name),
                 YerAdı(p->Oturum.Tahta(), 8));
        QCOMPARE(erişim(p->HamleEtiketi)->valueInterface()->currentValue().toInt(), 2);
        QCOMPARE(erişim(p->SüreEtiketi)->valueInterface()->currentValue().toInt(), 61);
    }

    // Reaching the photos by Tab or by their access key chooses the first and previews it; a
    // choice already made stays.
    void chooserFirstPhotoByKeyboard() {
        PencereOrtamı ortam;
        ortam.ÖrnekYaz();
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
