// SPDX-License-Identifier: GPL-3.0-or-later
// Playing and closing on the real window (offscreen): what the player sees and hears of a move,
// a refusal and completion, and what each way of closing writes.
#include "game/cekirdek/OyunSaati.h"
#include "resources/DizgiTablosu.h"
#include "tests/ortak/PencereOrtami.h"
#include "toolkit/MesajKutusu.h"

#include <QMenu>

class PlayTest : public QObject {
    Q_OBJECT

private slots:
    // Without a photo "Yeni Oyun" asks for one and focuses the button.
    // Closing while minimised asks without centring the box and stores no position.
    void withoutAPhotoAndMinimised() {
        PencereOrtamı ortam;
        auto p = ortam.Yükle();
        QVERIFY(QTest::qWaitForWindowActive(p.get()));
        const Oyuncu oyuncu(*p);
        oyuncu.YeniOyun();
        QCOMPARE(ortam.kutular.Kutular.size(), std::size_t(1));
        const auto &kutu = ortam.kutular.Kutular[0];
        QVERIFY(kutu.metin == LoadResString(1000) && kutu.simge == QMessageBox::Information);
        QCOMPARE(p->focusWidget(), oyuncu.Denetim(u"Yeni Fotoğraf"_s));
        QVERIFY(!ortam.saat->çalışıyor && ortam.sesler.isEmpty());
        p->move(200, 150);
        p->setWindowState(Qt::WindowMinimized);
        // A box that is not centred leaves this hook armed; MesajıOrtala would replace it.
        bool ortalanmadı = false;
        SonrakiMesajKutusunuHazırla([&](QMessageBox &) { ortalanmadı = true; });
        oyuncu.KapatmaKutusu();
        SonrakiMesajKutusunuHazırla(nullptr);
        QVERIFY(ortalanmadı);
        QCOMPARE(GetSetting(UygulamaAdı, u"Ayarlar"_s, u"Sol Bosluk"_s), QString());
    }

    // A refused click only sounds, a press let go off a piece is no click, a move shows and sounds;
    // the finishing move fills the corner, stops the clock, congratulates, then shows zeros and
    // deletes the game stored one move from done (piece 7 on the corner) at 0:02:05 and 56 moves.
    void movesAndCompletionAsShown() {
        PencereOrtamı ortam;
        ortam.ÖrnekYaz();
        for (int yer = 0; yer < 9; ++yer)
            SaveSetting(UygulamaAdı, u"Oyun"_s, u"Foto-%1"_s.arg(yer),
                        yer == 7 ? u"7B"_s : QString::number(std::min(yer, 7)));
        for (const auto &[anahtar, değer] :
             {std::pair{"Dakika", "2"}, {"Saniye", "5"}, {"Hamle", "56"}, {"Saat", "0"}})
            SaveSetting(UygulamaAdı, u"Oyun\\Bilgiler"_s, anahtar + u" Bilgisi"_s, değer);
        auto p = ortam.Yükle();
        const Oyuncu oyuncu(*p);
        // Where-am-I on the board names the empty place of the restored game.
        QCOMPARE(
            QAccessible::queryAccessibleInterface(oyuncu.Tahta())->text(QAccessible::Description),
            u"Boş yer 3. sıra, 2. sütunda"_s);
        oyuncu.YereTıkla(5);
        oyuncu.YereTıkla(6, -oyuncu.YerAlanı(6).center() + oyuncu.YerAlanı(6).topLeft() -
                                QPoint(4, 4)); // let go off the piece
        const QImage altı = oyuncu.YerResmi(6);
        oyuncu.YereTıkla(6);
        QVERIFY(oyuncu.YerResmi(7) == altı && oyuncu.BoşYer() == 6);
        oyuncu.YereTıkla(7);
        oyuncu.YereTıkla(8);
        oyuncu.YereTıkla(8); // while the last piece slides home: the game is over, none is dealt
        QTRY_COMPARE(ortam.kutular.Kutular.size(), std::size_t(1));
        // The congratulation first and unchanged, then the records this first win set.
        const QString tebrik = ortam.kutular.Kutular[0].metin;
        QVERIFY2(tebrik.startsWith(TebrikMetni(OyunSaati{5, 2, 0}, 59) + u"\r\n\r\nBu bölmede"_s),
                 qPrintable(tebrik));
        const QString rekor = u"3 x 3 rekorları\r\nEn kısa süre : 2 dakika, 5 saniye ("_s;
        QVERIFY(tebrik.contains(rekor) && tebrik.contains(u"\r\nEn az hamle : 59 ("_s));
        // Its name says its text too: a screen reader that is behind hears it from the name.
        QVERIFY(ortam.kutular.Kutular[0].ad.endsWith(u". "_s + tebrik));
        QCOMPARE(ortam.sesler,
                 (QStringList{u"DUR"_s, u"TAMAM"_s, u"TAMAM"_s, u"TAMAM"_s, u"TEBRIK"_s}));
        QVERIFY(!ortam.saat->çalışıyor && GetAllSettings(UygulamaAdı, u"Oyun"_s).empty());
        // The photo is whole: the last piece is shown in the corner.
        QVERIFY(RenkYakın(OrtaRenk(oyuncu.YerResmi(8)), ÖrnekRengi(2.5, 2.5, QSize(3, 3))));
        QCOMPARE(oyuncu.Süre() + oyuncu.Hamle(), u"00:00:000"_s);

        // A later start shows them by Ctrl+R and from the board's menu, read back from the file.
        p.reset();
        AyarlarıUnut();
        p = ortam.Yükle();
        QVERIFY(QTest::qWaitForWindowActive(p.get()));
        QTest::keyClick(p.get(), Qt::Key_R, Qt::ControlModifier);
        QTimer::singleShot(0, [] {
            auto *menü = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            QVERIFY(menü && menü->actions().size() == 2);
            menü->actions().back()->trigger();
        });
        Oyuncu(*p).SağTıkla(4);
        QTRY_COMPARE(ortam.kutular.Kutular.size(), std::size_t(3));
        for (std::size_t i : {1, 2})
            QVERIFY(ortam.kutular.Kutular[i].metin.startsWith(rekor) &&
                    ortam.kutular.Kutular[i].metin.endsWith(u"En az hamle : henüz yok"_s));
    }

    // The close box asks: "Hayır" writes nothing and the game goes on; "Evet", and Esc or the
    // exit button without asking, save the seven preferences and the running game; with the
    // save option clear the saved game in the store is left as it was.
    void closing_data() {
        QTest::addColumn<int>("yol");
        QTest::newRow("close box, Hayır") << 0;
        QTest::newRow("close box, Evet") << 1;
        QTest::newRow("Esc") << 3;
        QTest::newRow("exit button, save option clear") << 4;
    }
    void closing() {
        QFETCH(int, yol);
        PencereOrtamı ortam;
        ortam.ÖrnekYaz();
        auto p = ortam.Yükle();
        QVERIFY(QTest::qWaitForWindowActive(p.get()));
        const Oyuncu oyuncu(*p);
        oyuncu.YeniOyun();
        oyuncu.Tıkla(yol == 4 ? u"Sesleri kapat"_s : u"Çıkışta oyunu kaydet"_s);
        if (yol == 4)
            SaveSetting(UygulamaAdı, u"Oyun"_s, u"Foto-0"_s, u"3"_s);
        oyuncu.YereTıkla(7);
        p->move(40, 30);
        oyuncu.Denetim(u"Sesleri kapat"_s)->setFocus();
        ortam.kutular.Yanıtlar = {yol ? u"Evet"_s : u"Hayır"_s};
        if (yol < 2)
            oyuncu.KapatmaKutusu();
        else if (yol == 3)
            oyuncu.TuşaBas(Qt::Key_Escape);
        else
            oyuncu.Çıkış();

        QCOMPARE(ortam.kutular.Kutular.size(), std::size_t(yol < 2));
        if (yol < 2) {
            const auto &kutu = ortam.kutular.Kutular[0];
            QVERIFY(kutu.metin == LoadResString(1500) && kutu.simge == QMessageBox::Question);
            QCOMPARE(kutu.düğmeler, (QStringList{u"Evet"_s, u"Hayır"_s}));
        }
        if (yol == 0) {
            QVERIFY(!QDirIterator(ortam.ayarlar.path(), QDir::Files, QDirIterator::Subdirectories)
                         .hasNext());
            QVERIFY(p->isVisible() && oyuncu.Hamle() == u"1"_s && ortam.saat->çalışıyor);
            return;
        }
        QVERIFY(!p->isVisible());
        QStringList anahtarlar;
        for (const auto &[anahtar, değer] : GetAllSettings(UygulamaAdı, u"Ayarlar"_s))
            anahtarlar << anahtar + u'=' + değer;
        QCOMPARE(
            anahtarlar,
            (QStringList{u"Sol Bosluk=%1"_s.arg(p->x() * 15), u"Ust Bosluk=%1"_s.arg(p->y() * 15),
                         u"Son Bolme=0"_s, u"Son Fotograf="_s + FotoğrafYolu, u"Ornek Goster=1"_s,
                         u"Oyunu Kaydet=%1"_s.arg(yol != 4), u"Sesleri Kapat=%1"_s.arg(yol == 4)}));
        const auto oyun = GetAllSettings(UygulamaAdı, u"Oyun"_s);
        QVERIFY(yol != 4 || oyun.size() == 1);
        QCOMPARE(oyun.at(yol == 4 ? 0 : 7).second, yol == 4 ? u"3"_s : u"7B"_s);
    }
};

QTEST_MAIN(PlayTest)
#include "oyun_test.moc"
