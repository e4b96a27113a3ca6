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
const QColor BoşYerRengi(255, 255, 192);

// The window loaded with the generated sample and cut `bölme` (0: 3 x 3 ... 2: 5 x 5).
std::unique_ptr<AnaForm> Yükle(PencereOrtamı &ortam, int bölme = 0) {
    ortam.ÖrnekYaz();
    auto form = ortam.Yükle();
    form->ParçalaraBölSeçeneği[bölme]->setChecked(true);
    form->ParçalaraBölSeçeneği_Click(bölme);
    return form;
}

// Starts a game on the solved board with the empty place at `boş` (its piece on the last place);
// with `dokunulmaz` >= 0 two other pieces exchanged, so that no move finishes it. Forgets the
// sounds and boxes so far.
void TahtayıKur(PencereOrtamı &ortam, AnaForm &form, int boş, int dokunulmaz = -1) {
    form.YeniOyunDüğmesi_Click();
    const int c = form.Tahta.YerSayısı();
    std::vector<int> parçalar(c), yerler;
    for (int yer = 0; yer < c; ++yer) {
        parçalar[yer] = yer == boş ? -1 : yer == c - 1 ? boş : yer;
        if (dokunulmaz >= 0 && yer != boş && yer != dokunulmaz && yerler.size() < 2)
            yerler.push_back(yer);
    }
    if (dokunulmaz >= 0)
        std::swap(parçalar[yerler[0]], parçalar[yerler[1]]);
    for (int yer = 0; yer < c; ++yer) {
        if (parçalar[yer] < 0)
            form.Tahta.BoşYeriKur(yer);
        else
            form.Tahta.YeriKur(yer, parçalar[yer], QString::number(parçalar[yer]));
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
    // ---- Play ----

    // A new game during a game starts again from zero; the deal shows each piece its Tag
    // names, not in order, the empty place bottom right with its own index.
    void newGameDealsAndStartsTheClock() {
        PencereOrtamı ortam;
        auto p = Yükle(ortam);
        p->YeniOyunDüğmesi_Click();
        p->HamleSayısı = 57;
        p->Süre.Dakika = 3;
        p->YeniOyunDüğmesi_Click();
        QCOMPARE(p->SüreHesapla.Interval(), 1000);
        QCOMPARE(p->HamleSayısı + p->Süre.Dakika, 0);
        QCOMPARE(p->Etiket[1]->text(), u"00:00:00"_s);
        QCOMPARE(p->Etiket[3]->text(), u"0"_s);
        QCOMPARE(p->Tahta.BoşParça(), 8);
        QCOMPARE(p->DağınıkParçalar(8)->Tag(), u"8"_s);
        QCOMPARE(p->DağınıkParçalar(8)->BackColor(), BoşYerRengi);
        for (int yer = 0; yer < 8; ++yer) {
            const ResimKutusu *kutu = p->DağınıkParçalar(yer);
            QCOMPARE(kutu->Picture(), p->SıralıParçalar(kutu->Tag().toInt())->Image());
        }
        QVERIFY(!p->Tahta.TamamlandıMı());
    }

    // Without a photo "Yeni Oyun" and a click on the board ask for one and focus the button.
    void noPhotoAsksForOneAndFocusesTheButton() {
        PencereOrtamı ortam;
        auto p = ortam.Yükle();
        QVERIFY(QTest::qWaitForWindowActive(p.get()));
        p->HakkındaDüğmesi->setFocus();
        p->YeniOyunDüğmesi_Click();
        p->DağınıkParçalar_Click(0);
        QCOMPARE(ortam.kutular.Kutular.size(), std::size_t(2));
        for (const auto &kutu : ortam.kutular.Kutular) {
            QCOMPARE(kutu.metin, LoadResString(1000));
            QCOMPARE(kutu.simge, QMessageBox::Information);
            QCOMPARE(kutu.düğmeler.size(), 1);
        }
        QCOMPARE(p->focusWidget(), p->YeniFotoğrafDüğmesi);
        QCOMPARE(p->SüreHesapla.Interval(), 0);
        QVERIFY(ortam.sesler.isEmpty());
    }

    void neighbourEdgeCases_data() {
        QTest::addColumn<int>("kenar");
        QTest::addColumn<int>("boş");
        QTest::addColumn<int>("tıklanan");
        QTest::addColumn<bool>("taşınır");
        QTest::newRow("3x3 empty 5, 6 starts the next row") << 3 << 5 << 6 << false;
        QTest::newRow("3x3 empty 5, left 4") << 3 << 5 << 4 << true;
        QTest::newRow("3x3 empty 5, above 2") << 3 << 5 << 2 << true;
        QTest::newRow("3x3 empty 5, below 8") << 3 << 5 << 8 << true;
        QTest::newRow("3x3 empty 5, itself") << 3 << 5 << 5 << false;
        QTest::newRow("4x4 empty 3, 4 starts the next row") << 4 << 3 << 4 << false;
        QTest::newRow("4x4 empty 3, left 2") << 4 << 3 << 2 << true;
        QTest::newRow("4x4 empty 3, below 7") << 4 << 3 << 7 << true;
    }
    void neighbourEdgeCases() {
        QFETCH(int, kenar);
        QFETCH(int, boş);
        QFETCH(int, tıklanan);
        QFETCH(bool, taşınır);
        PencereOrtamı ortam;
        auto p = Yükle(ortam, kenar - 3);
        TahtayıKur(ortam, *p, boş, tıklanan);
        const QString etiket = p->DağınıkParçalar(tıklanan)->Tag();
        const QImage resim = p->DağınıkParçalar(tıklanan)->Picture();
        p->DağınıkParçalar_Click(tıklanan);

        QCOMPARE(ortam.sesler, QStringList{taşınır ? u"TAMAM"_s : u"DUR"_s});
        QCOMPARE(p->Tahta.BoşParça(), taşınır ? tıklanan : boş);
        QCOMPARE(p->HamleSayısı, int(taşınır));
        QCOMPARE(p->Etiket[3]->text(), QString::number(taşınır));
        QCOMPARE(p->DağınıkParçalar(tıklanan)->Tag(), etiket); // the place left keeps its Tag
        QVERIFY(!p->DağınıkParçalar(taşınır ? tıklanan : boş)->HasPicture());
        if (taşınır) {
            QCOMPARE(p->DağınıkParçalar(boş)->Tag(), etiket);
            QCOMPARE(p->DağınıkParçalar(boş)->Picture(), resim);
            QCOMPARE(p->DağınıkParçalar(tıklanan)->BackColor(), BoşYerRengi);
        }
        QCOMPARE(p->SüreHesapla.Interval(), 1000);
        QVERIFY(ortam.kutular.Kutular.empty());
    }

    // One move short of the end a wrong click only sounds; the finishing move fills the
    // corner, stops the clock, congratulates, resets the counters, and deletes the saved game
    // when it was the one read at load; the next click deals a new game. Sounds turned off or
    // no audio device change nothing but the sounds.
    void finishingMoveCompletesTheGame_data() {
        QTest::addColumn<int>("saniye");
        QTest::addColumn<int>("dakika");
        QTest::addColumn<int>("saat");
        QTest::addColumn<int>("hamle");
        QTest::addColumn<bool>("okunmuş");
        QTest::addColumn<int>("ses"); // 0 heard, 1 turned off, 2 no audio device
        QTest::newRow("2 min 5 s, 57 moves") << 5 << 2 << 0 << 57 << false << 0;
        QTest::newRow("1 h, 100 moves, read at load, sounds off")
            << 0 << 0 << 1 << 100 << true << 1;
        QTest::newRow("under a second, 1 move, no audio device") << 0 << 0 << 0 << 1 << false << 2;
    }
    void finishingMoveCompletesTheGame() {
        QFETCH(int, saniye);
        QFETCH(int, dakika);
        QFETCH(int, saat);
        QFETCH(int, hamle);
        QFETCH(bool, okunmuş);
        QFETCH(int, ses);
        PencereOrtamı ortam;
        auto p = Yükle(ortam);
        p->SesleriKapatOnayı->setChecked(ses == 1);
        p->Ses().AygıtVarMı = [ses] { return ses != 2; };
        SaveSetting(UygulamaAdı, Oyun, u"Foto-0"_s, u"0"_s);
        SaveSetting(UygulamaAdı, Bilgiler, u"Hamle Bilgisi"_s, u"3"_s);
        if (okunmuş)
            p->KayıtlıOyun = GetAllSettings(UygulamaAdı, Oyun);
        TahtayıKur(ortam, *p, 7);
        const OyunSaati süre{quint8(saniye), quint8(dakika), quint8(saat)};
        p->Süre = süre;
        p->HamleSayısı = hamle - 1;
        p->DağınıkParçalar_Click(3);
        QCOMPARE(p->SüreHesapla.Interval(), 1000);
        p->DağınıkParçalar_Click(8);

        QCOMPARE(ortam.kutular.Kutular.size(), std::size_t(1));
        QCOMPARE(ortam.kutular.Kutular[0].metin, TebrikMetni(süre, hamle));
        QCOMPARE(ortam.kutular.Kutular[0].simge, QMessageBox::Information);
        const QStringList gelen{u"DUR"_s, u"TAMAM"_s, u"TEBRIK"_s};
        QCOMPARE(ortam.sesler, ses ? QStringList() : gelen);
        QCOMPARE(p->SüreHesapla.Interval(), 0);
        for (int yer = 0; yer < 9; ++yer)
            QCOMPARE(p->DağınıkParçalar(yer)->Picture(), p->SıralıParçalar(yer)->Image());
        QCOMPARE(p->Etiket[1]->text(), u"00:00:00"_s);
        QCOMPARE(p->Etiket[3]->text(), u"0"_s);
        QCOMPARE(p->HamleSayısı + p->Süre.Saniye + p->Süre.Dakika + p->Süre.Saat, 0);
        QCOMPARE(GetAllSettings(UygulamaAdı, Oyun).empty(), okunmuş);
        QCOMPARE(GetAllSettings(UygulamaAdı, Bilgiler).empty(), okunmuş);

        p->DağınıkParçalar_Click(5);
        QCOMPARE(p->SüreHesapla.Interval(), 1000);
        QCOMPARE(p->Tahta.BoşParça(), 8);
        QCOMPARE(p->HamleSayısı, 0);
    }

    // Each tick shows the clock in the long time format; at 24 hours one message, ticks
    // arriving while it is open dropped, then zero with the moves as they were.
    void clockTicksAndResetsOnceAfter24Hours() {
        PencereOrtamı ortam;
        auto p = Yükle(ortam); // no game: only the ticks this test sends
        p->Süre = OyunSaati{59, 59, 0};
        p->SüreHesapla_Timer();
        QCOMPARE(p->Etiket[1]->text(), UzunSaat(QLocale(), 1, 0, 0));

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
        QCOMPARE(ortam.kutular.Kutular[0].simge, QMessageBox::Information);
        QCOMPARE(p->Etiket[1]->text(), UzunSaat(QLocale(), 0, 0, 0));
        QCOMPARE(p->HamleSayısı, 12);
        p->SüreHesapla_Timer();
        QCOMPARE(p->Etiket[1]->text(), UzunSaat(QLocale(), 0, 0, 1));
        QCOMPARE(ortam.kutular.Kutular.size(), std::size_t(1));
    }

    // ---- Closing ----

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

    // A 3 x 3 save after a 5 x 5 one leaves no row of the larger board behind.
    void newSaveReplacesALargerBoard() {
        PencereOrtamı ortam;
        auto p = Yükle(ortam, 2);
        p->OyunuKaydetOnayı->setChecked(true);
        p->YeniOyunDüğmesi_Click();
        p->DağınıkParçalar_Click(23);
        QVERIFY(p->close());
        KayıtlıOyunDenetle(*p);
        p->show();
        p->ParçalaraBölSeçeneği[0]->setChecked(true);
        p->ParçalaraBölSeçeneği_Click(0); // a running game is dealt again on the new board
        QCOMPARE(p->Tahta.BoşParça(), 8);
        QVERIFY(p->close());
        KayıtlıOyunDenetle(*p);
        QCOMPARE(Tercih(u"Son Bolme"_s), u"0"_s);
    }

    // No game running, or the save option clear: the preferences are written, the saved game
    // in the store is left as it was.
    void closeWithoutSavingKeepsTheStoredGame() {
        for (bool oyunVar : {false, true}) {
            PencereOrtamı ortam;
            auto p = Yükle(ortam, 1);
            SaveSetting(UygulamaAdı, Oyun, u"Foto-0"_s, u"3"_s);
            p->OyunuKaydetOnayı->setChecked(!oyunVar);
            p->SesleriKapatOnayı->setChecked(true);
            p->FotoğrafınÖrneğiniGöster->setChecked(false);
            if (oyunVar)
                p->YeniOyunDüğmesi_Click();
            QVERIFY(p->close());
            QCOMPARE(Anahtarlar(u"Ayarlar"_s), Tercihler);
            QCOMPARE((QStringList{Tercih(u"Son Bolme"_s), Tercih(u"Ornek Goster"_s),
                                  Tercih(u"Oyunu Kaydet"_s), Tercih(u"Sesleri Kapat"_s)}),
                     (QStringList{u"1"_s, u"0"_s, oyunVar ? u"0"_s : u"1"_s, u"1"_s}));
            QCOMPARE(Tercih(u"Son Fotograf"_s), FotoğrafYolu);
            QCOMPARE(Anahtarlar(Oyun), QStringList{u"Foto-0"_s});
            QVERIFY(GetAllSettings(UygulamaAdı, Bilgiler).empty());
        }
    }

    // Closing while minimised asks without centring the box and keeps the stored position;
    // minimised from the first close on, only the five other preferences are written.
    void minimisedCloseAsksWithoutCentringAndKeepsPosition() {
        for (bool önceKapandı : {true, false}) {
            PencereOrtamı ortam;
            auto p = Yükle(ortam);
            p->move(60, 45);
            // A box that is not centred leaves this hook armed; MesajıOrtala would replace it.
            bool ortalanmadı = false;
            QString sol; // as the first close stores it
            SonrakiMesajKutusunuHazırla([&](QMessageBox &) { ortalanmadı = true; });
            if (önceKapandı) {
                QVERIFY(KapatmaKutusu(*p));
                QVERIFY(!ortalanmadı);
                QCOMPARE(sol = Tercih(u"Sol Bosluk"_s), QString::number(p->x() * 15));
                p->move(200, 150);
            }
            p->setWindowState(Qt::WindowMinimized);
            SonrakiMesajKutusunuHazırla([&](QMessageBox &) { ortalanmadı = true; });
            QVERIFY(KapatmaKutusu(*p));
            SonrakiMesajKutusunuHazırla(nullptr);
            QVERIFY(ortalanmadı);
            QCOMPARE(ortam.kutular.Kutular.size(), std::size_t(1 + önceKapandı));
            QCOMPARE(Anahtarlar(u"Ayarlar"_s), önceKapandı ? Tercihler : Tercihler.mid(2));
            QCOMPARE(Tercih(u"Sol Bosluk"_s), sol);
        }
    }

    // Clearing the save option deletes the game read at load, and only that; ticking never
    // deletes.
    void clearingTheOptionDeletesTheGameReadAtLoad() {
        PencereOrtamı ortam;
        auto p = Yükle(ortam);
        SaveSetting(UygulamaAdı, Oyun, u"Foto-0"_s, u"3"_s);
        SaveSetting(UygulamaAdı, Bilgiler, u"Hamle Bilgisi"_s, u"4"_s);
        const auto tıkla = [&](bool işaretli) {
            p->OyunuKaydetOnayı->setChecked(işaretli);
            p->OyunuKaydetOnayı_Click();
            return Anahtarlar(Oyun).size();
        };
        QCOMPARE(tıkla(false), 1);
        p->KayıtlıOyun = GetAllSettings(UygulamaAdı, Oyun);
        QCOMPARE(tıkla(true), 1);
        QCOMPARE(tıkla(false), 0);
        QVERIFY(GetAllSettings(UygulamaAdı, Bilgiler).empty());
        QCOMPARE(tıkla(false), 0); // already gone: ignored
    }
};

QTEST_MAIN(PlayTest)
#include "oyun_test.moc"
