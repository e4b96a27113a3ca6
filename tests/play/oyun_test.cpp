// SPDX-License-Identifier: GPL-3.0-or-later
// Playing and closing on the real window (offscreen): deals, refused and made moves, completion,
// the sounds, the clock, and what each way of closing writes to the store.
#include "game/OyunSaati.h"
#include "resources/DizgiTablosu.h"
#include "tests/ortak/PencereOrtami.h"
#include "toolkit/MesajKutusu.h"

#include <QCheckBox>
#include <QDirIterator>
#include <QLabel>
#include <QRadioButton>

namespace {

const QString Oyun = u"Oyun"_s, Bilgiler = u"Oyun\\Bilgiler"_s;

// The seven preferences every close writes, in the order it writes them.
const QStringList Tercihler{u"Sol Bosluk"_s,   u"Ust Bosluk"_s,   u"Son Bolme"_s,
                            u"Son Fotograf"_s, u"Ornek Goster"_s, u"Oyunu Kaydet"_s,
                            u"Sesleri Kapat"_s};

QStringList Anahtarlar(const QString &bölüm) {
    QStringList anahtarlar;
    for (const auto &[anahtar, değer] : GetAllSettings(UygulamaAdı, bölüm))
        anahtarlar << anahtar;
    return anahtarlar;
}

// The window loaded with the generated sample and cut `bölme` (0: 3 x 3 ... 2: 5 x 5).
std::unique_ptr<AnaForm> Yükle(PencereOrtamı &ortam, int bölme = 0) {
    ortam.ÖrnekYaz();
    auto form = ortam.Yükle();
    form->ParçalaraBölSeçeneği[bölme]->setChecked(true);
    form->ParçalaraBölSeçeneği_Click(bölme);
    return form;
}

// Starts a game on the solved board with the empty place at `boş` (its piece on the last place),
// pieces 0 and 1 exchanged unless `bitebilir`, so that no move finishes it. Forgets the sounds
// and boxes so far.
void TahtayıKur(PencereOrtamı &ortam, AnaForm &form, int boş, bool bitebilir = false) {
    form.YeniOyunDüğmesi_Click();
    const int c = form.Tahta.YerSayısı();
    for (int yer = 0; yer < c; ++yer) {
        const int parça = yer == c - 1 ? boş : yer < 2 && !bitebilir ? 1 - yer : yer;
        if (yer == boş)
            form.Tahta.BoşYeriKur(yer);
        else
            form.Tahta.YeriKur(yer, parça, QString::number(parça));
    }
    form.TahtayıGöster();
    ortam.sesler.clear();
    ortam.kutular.Kutular.clear();
}

QString Tercih(const QString &anahtar) { return GetSetting(UygulamaAdı, u"Ayarlar"_s, anahtar); }

// The close box, as the window system asks for it; true when the window may close.
bool KapatmaKutusu(AnaForm &form) {
    bool iptal = false;
    form.Form_QueryUnload(iptal, KapanmaNedeni::KullanıcıKomutu);
    return !iptal;
}

// The saved game is the window's own board, place by place, and its clock.
void KayıtlıOyunDenetle(AnaForm &form) {
    AyarListesi beklenen;
    for (int yer = 0; yer < form.Tahta.YerSayısı(); ++yer)
        beklenen.emplace_back(u"Foto-%1"_s.arg(yer), yer == form.Tahta.BoşParça()
                                                         ? QString::number(yer) + u'B'
                                                         : form.DağınıkParçalar(yer)->Tag());
    QCOMPARE(GetAllSettings(UygulamaAdı, Oyun), beklenen);
    QCOMPARE(GetAllSettings(UygulamaAdı, Bilgiler),
             (AyarListesi{{u"Saniye Bilgisi"_s, QString::number(form.Süre.Saniye)},
                          {u"Dakika Bilgisi"_s, QString::number(form.Süre.Dakika)},
                          {u"Saat Bilgisi"_s, QString::number(form.Süre.Saat)},
                          {u"Hamle Bilgisi"_s, QString::number(form.HamleSayısı)}}));
}

} // namespace

class PlayTest : public QObject {
    Q_OBJECT

private slots:
    // Without a photo "Yeni Oyun" and a click on the board ask for one and focus the button.
    void noPhotoAsksForOneAndFocusesTheButton() {
        PencereOrtamı ortam;
        auto p = ortam.Yükle();
        QVERIFY(QTest::qWaitForWindowActive(p.get()));
        p->YeniOyunDüğmesi_Click();
        p->DağınıkParçalar_Click(0);
        QCOMPARE(ortam.kutular.Kutular.size(), std::size_t(2));
        for (const auto &kutu : ortam.kutular.Kutular)
            QVERIFY(kutu.metin == LoadResString(1000) && kutu.simge == QMessageBox::Information);
        QCOMPARE(p->focusWidget(), p->YeniFotoğrafDüğmesi);
        QVERIFY(p->SüreHesapla.Interval() == 0 && ortam.sesler.isEmpty());
    }

    // A refused click only sounds; a move takes the piece and its Tag, counts and sounds; the
    // place it leaves keeps its Tag and shows the empty place.
    void refusedAndMadeMoves() {
        PencereOrtamı ortam;
        auto p = Yükle(ortam, 1);
        TahtayıKur(ortam, *p, 3);
        const QString etiket = p->DağınıkParçalar(2)->Tag();
        const QImage resim = p->DağınıkParçalar(2)->Picture();
        p->DağınıkParçalar_Click(4); // the start of the next row
        QCOMPARE(ortam.sesler, QStringList{u"DUR"_s});
        // A press on a piece that can move, let go off it, is no click.
        QTest::mousePress(p->DağınıkParçalar(2), Qt::LeftButton);
        QTest::mouseRelease(p->DağınıkParçalar(2), Qt::LeftButton, {}, QPoint(-4, -4));
        QCOMPARE(p->HamleSayısı, 0);
        p->DağınıkParçalar_Click(2);
        QCOMPARE(ortam.sesler, (QStringList{u"DUR"_s, u"TAMAM"_s}));
        QVERIFY(p->HamleSayısı == 1 && p->Etiket[3]->text() == u"1"_s);
        QVERIFY(p->DağınıkParçalar(3)->Tag() == etiket &&
                p->DağınıkParçalar(3)->Picture() == resim);
        QVERIFY(p->DağınıkParçalar(2)->Tag() == etiket && !p->DağınıkParçalar(2)->HasPicture());
        QVERIFY(p->SüreHesapla.Interval() == 1000 && ortam.kutular.Kutular.empty());
    }

    // The finishing move fills the corner, stops the clock, congratulates, resets the counters,
    // and deletes the saved game when it was the one read at load; the next click deals a new
    // game. Sounds turned off change nothing but the sounds.
    void finishingMoveCompletesTheGame() {
        for (bool okunmuş : {false, true}) {
            PencereOrtamı ortam;
            auto p = Yükle(ortam);
            p->SesleriKapatOnayı->setChecked(okunmuş);
            SaveSetting(UygulamaAdı, Oyun, u"Foto-0"_s, u"0"_s);
            SaveSetting(UygulamaAdı, Bilgiler, u"Hamle Bilgisi"_s, u"3"_s);
            if (okunmuş)
                p->KayıtlıOyun = GetAllSettings(UygulamaAdı, Oyun);
            TahtayıKur(ortam, *p, 7, true);
            const OyunSaati süre{5, 2, 0};
            p->Süre = süre;
            p->HamleSayısı = 56;
            p->DağınıkParçalar_Click(8);
            QCOMPARE(ortam.kutular.Kutular.size(), std::size_t(1));
            QCOMPARE(ortam.kutular.Kutular[0].metin, TebrikMetni(süre, 57));
            QCOMPARE(ortam.sesler,
                     okunmuş ? QStringList() : (QStringList{u"TAMAM"_s, u"TEBRIK"_s}));
            QCOMPARE(p->SüreHesapla.Interval(), 0);
            for (int yer = 0; yer < 9; ++yer)
                QCOMPARE(p->DağınıkParçalar(yer)->Picture(), p->SıralıParçalar(yer)->Image());
            QCOMPARE(p->Etiket[1]->text() + p->Etiket[3]->text(), u"00:00:000"_s);
            QCOMPARE(GetAllSettings(UygulamaAdı, Bilgiler).empty(), okunmuş);
            p->DağınıkParçalar_Click(5);
            QVERIFY(p->SüreHesapla.Interval() == 1000 && !p->Tahta.TamamlandıMı());
        }
    }

    // At 24 hours one message, ticks arriving while it is open dropped, then zero with the
    // moves as they were.
    void clockResetsOnceAfter24Hours() {
        PencereOrtamı ortam;
        auto p = Yükle(ortam); // no game: only the ticks this test sends
        p->Süre = OyunSaati{59, 59, 23};
        p->HamleSayısı = 12;
        int açıkken = 0; // ticks delivered by the message's own event loop
        QTimer::singleShot(0, [&] {
            for (; açıkken < 3 && QApplication::activeModalWidget(); ++açıkken)
                p->SüreHesapla_Timer();
        });
        p->SüreHesapla_Timer();
        QCOMPARE(açıkken, 3);
        QCOMPARE(ortam.kutular.Kutular.size(), std::size_t(1));
        QCOMPARE(ortam.kutular.Kutular[0].metin, LoadResString(1400));
        p->SüreHesapla_Timer();
        QCOMPARE(p->Etiket[1]->text(), UzunSaat(QLocale(), 0, 0, 1));
        QCOMPARE(p->HamleSayısı, 12);
    }

    // The close box asks: "Hayır" writes nothing and the game goes on; "Evet", the exit button
    // and Esc from any control save the seven preferences and the running game, the exit
    // button and Esc without asking.
    void closing_data() {
        QTest::addColumn<int>("yol");
        QTest::newRow("close box, Hayır") << 0;
        QTest::newRow("close box, Evet") << 1;
        QTest::newRow("exit button") << 2;
        QTest::newRow("Esc") << 3;
    }
    void closing() {
        QFETCH(int, yol);
        PencereOrtamı ortam;
        auto p = Yükle(ortam);
        QVERIFY(QTest::qWaitForWindowActive(p.get()));
        p->YeniOyunDüğmesi_Click();
        p->OyunuKaydetOnayı->setChecked(true);
        p->DağınıkParçalar_Click(7);
        p->Süre = OyunSaati{7, 6, 5};
        p->move(40, 30);
        p->SesleriKapatOnayı->setFocus();
        ortam.kutular.Yanıtlar = {yol ? u"Evet"_s : u"Hayır"_s};
        if (yol < 2)
            QCOMPARE(KapatmaKutusu(*p), yol == 1);
        else if (yol == 2)
            p->ÇıkışDüğmesi->click();
        else
            QTest::keyClick(p->SesleriKapatOnayı, Qt::Key_Escape);

        QCOMPARE(ortam.kutular.Kutular.size(), std::size_t(yol < 2));
        if (yol < 2) {
            const auto &kutu = ortam.kutular.Kutular[0];
            QCOMPARE(kutu.metin, LoadResString(1500));
            QCOMPARE(kutu.simge, QMessageBox::Question);
            QVERIFY(kutu.düğmeler.size() == 2 && kutu.düğmeler.contains(u"Evet"_s) &&
                    kutu.düğmeler.contains(u"Hayır"_s));
        }
        if (yol == 0) {
            QVERIFY(!QDirIterator(ortam.ayarlar.path(), QDir::Files, QDirIterator::Subdirectories)
                         .hasNext());
            QVERIFY(p->isVisible() && p->HamleSayısı == 1);
            const int saniye = p->Süre.Saniye;
            // The clock ticks each second; ten seconds only tell a stopped clock from a slow one.
            QTRY_VERIFY_WITH_TIMEOUT(p->Süre.Saniye > saniye, 10000);
            return;
        }
        QVERIFY(yol == 1 || !p->isVisible());
        QCOMPARE(Anahtarlar(u"Ayarlar"_s), Tercihler);
        QCOMPARE(Tercih(u"Sol Bosluk"_s), QString::number(p->x() * 15));
        QCOMPARE(Tercih(u"Ust Bosluk"_s), QString::number(p->y() * 15));
        QCOMPARE(Tercih(u"Oyunu Kaydet"_s), u"1"_s);
        KayıtlıOyunDenetle(*p);
        QCOMPARE(GetAllSettings(UygulamaAdı, Oyun)[7].second, u"7B"_s);
    }

    // No game running, or the save option clear: the preferences are written, the saved game
    // in the store is left as it was. A 3 x 3 save after a 5 x 5 one leaves no row behind.
    void whatTheCloseSaves() {
        for (bool oyunVar : {false, true}) {
            PencereOrtamı ortam;
            auto p = Yükle(ortam, 1);
            SaveSetting(UygulamaAdı, Oyun, u"Foto-0"_s, u"3"_s);
            p->OyunuKaydetOnayı->setChecked(!oyunVar);
            p->SesleriKapatOnayı->setChecked(true);
            if (oyunVar)
                p->YeniOyunDüğmesi_Click();
            QVERIFY(p->close());
            QCOMPARE((QStringList{Tercih(u"Son Bolme"_s), Tercih(u"Oyunu Kaydet"_s),
                                  Tercih(u"Sesleri Kapat"_s), Tercih(u"Son Fotograf"_s)}),
                     (QStringList{u"1"_s, oyunVar ? u"0"_s : u"1"_s, u"1"_s, FotoğrafYolu}));
            QCOMPARE(Anahtarlar(Oyun), QStringList{u"Foto-0"_s});
        }
        PencereOrtamı ortam;
        auto p = Yükle(ortam, 2);
        p->OyunuKaydetOnayı->setChecked(true);
        p->YeniOyunDüğmesi_Click();
        QVERIFY(p->close());
        p->show();
        p->ParçalaraBölSeçeneği_Click(0); // a running game is dealt again on the new board
        QVERIFY(p->close());
        KayıtlıOyunDenetle(*p);
    }

    // Closing while minimised asks without centring the box and keeps the stored position.
    void minimisedCloseAsksWithoutCentringAndKeepsPosition() {
        PencereOrtamı ortam;
        auto p = Yükle(ortam);
        p->move(60, 45);
        QVERIFY(KapatmaKutusu(*p));
        const QString sol = Tercih(u"Sol Bosluk"_s);
        p->move(200, 150);
        p->setWindowState(Qt::WindowMinimized);
        // A box that is not centred leaves this hook armed; MesajıOrtala would replace it.
        bool ortalanmadı = false;
        SonrakiMesajKutusunuHazırla([&](QMessageBox &) { ortalanmadı = true; });
        QVERIFY(KapatmaKutusu(*p));
        SonrakiMesajKutusunuHazırla(nullptr);
        QVERIFY(ortalanmadı);
        QCOMPARE(Tercih(u"Sol Bosluk"_s), sol);
    }
};

QTEST_MAIN(PlayTest)
#include "oyun_test.moc"
