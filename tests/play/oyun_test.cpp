// The game on the real window: deals, refused and made moves, completion, the clock and sounds.
#include "PencereYardimcisi.h"

#include "game/OyunSaati.h"
#include "resources/DizgiTablosu.h"

#include <QAudioDevice>
#include <QCheckBox>
#include <QLabel>
#include <QMediaDevices>
#include <QPushButton>
#include <QtTest>

namespace {

// The solved 3 x 3 board with the empty place at `boş` and the last piece on place 8.
std::vector<int> Sıralı3x3(int boş) {
    std::vector<int> parçalar{0, 1, 2, 3, 4, 5, 6, 7, 8};
    parçalar[8] = boş == 8 ? -1 : boş;
    if (boş != 8)
        parçalar[boş] = -1;
    return parçalar;
}

std::vector<int> Sıralı4x4(int boş) {
    std::vector<int> parçalar(16);
    for (int yer = 0; yer < 16; ++yer)
        parçalar[yer] = yer;
    parçalar[15] = boş;
    parçalar[boş] = -1;
    return parçalar;
}

// The board with two pieces away from `tıklanan` exchanged, so that no single move finishes it.
std::vector<int> Bozuk(std::vector<int> parçalar, int tıklanan) {
    std::vector<int> yerler;
    for (int yer = 0; yer < static_cast<int>(parçalar.size()) && yerler.size() < 2; ++yer)
        if (parçalar[yer] >= 0 && yer != tıklanan)
            yerler.push_back(yer);
    std::swap(parçalar[yerler[0]], parçalar[yerler[1]]);
    return parçalar;
}

QString Tebrik(int saat, int dakika, int saniye, int hamle) {
    const QString satır = QStringLiteral("\r\n\r\n");
    QString süre = LoadResString(1320);
    if (saat)
        süre += QString::number(saat) + LoadResString(1100);
    if (dakika)
        süre += QString::number(dakika) + LoadResString(1200);
    if (saniye)
        süre += QString::number(saniye) + LoadResString(1250);
    return LoadResString(1300) + satır + süre + satır + LoadResString(1340) +
           QString::number(hamle);
}

} // namespace

class PlayTest : public QObject {
    Q_OBJECT

private slots:
    void newGameDealsAndStartsTheClock();
    void newGameDuringAGameStartsAgainFromZero();
    void noPhotoAsksForOneAndFocusesTheButton();
    void clickWithoutAGameDealsAndMovesNothing();
    void neighbourEdgeCases_data();
    void neighbourEdgeCases();
    void firstMoveCountsOne();
    void finishingMoveCompletesTheGame();
    void completionDeletesTheSavedGameReadAtLoad();
    void completionKeepsTheStoreWhenNoGameWasRead();
    void clockTickShowsLongTime();
    void clockResetsOnceAfter24Hours();
    void soundsOffOrNoDeviceChangeNothingElse_data();
    void soundsOffOrNoDeviceChangeNothingElse();
    void noDeviceMakesNoSoundObjects();
};

void PlayTest::newGameDealsAndStartsTheClock() {
    for (int bölme : {0, 2}) {
        DenemePenceresi p(bölme);
        p->YeniOyunDüğmesi_Click();
        const int c = p->Tahta.YerSayısı();
        QCOMPARE(c, (bölme + 3) * (bölme + 3));
        QCOMPARE(p->SüreHesapla.Interval(), 1000);
        QCOMPARE(p->Etiket[1]->text(), QStringLiteral("00:00:00"));
        QCOMPARE(p->Etiket[3]->text(), QStringLiteral("0"));
        QCOMPARE(p->Tahta.BoşParça(), c - 1);
        QCOMPARE(p->DağınıkParçalar(c - 1)->Tag(), QString::number(c - 1));
        QVERIFY(!p->DağınıkParçalar(c - 1)->HasPicture());
        QCOMPARE(p->DağınıkParçalar(c - 1)->BackColor(), QColor(255, 255, 192));
        QSet<QString> etiketler;
        for (int yer = 0; yer < c; ++yer)
            etiketler << p->DağınıkParçalar(yer)->Tag();
        QCOMPARE(etiketler.size(), c);
        // Each place shows the piece its Tag names; never the solved order.
        bool sıralı = true;
        for (int yer = 0; yer < c - 1; ++yer) {
            const int parça = p->DağınıkParçalar(yer)->Tag().toInt();
            QCOMPARE(p->DağınıkParçalar(yer)->Picture(), p->SıralıParçalar(parça)->Image());
            sıralı = sıralı && parça == yer;
        }
        QVERIFY(!sıralı);
    }
}

void PlayTest::newGameDuringAGameStartsAgainFromZero() {
    DenemePenceresi p;
    p->YeniOyunDüğmesi_Click();
    p->HamleSayısı = 57;
    p->Etiket[3]->setText(QStringLiteral("57"));
    p->Süre.Dakika = 3;
    p->YeniOyunDüğmesi_Click();
    QCOMPARE(p->HamleSayısı, 0);
    QCOMPARE(p->Süre.Dakika, 0);
    QCOMPARE(p->Etiket[1]->text(), QStringLiteral("00:00:00"));
    QCOMPARE(p->Etiket[3]->text(), QStringLiteral("0"));
    QCOMPARE(p->SüreHesapla.Interval(), 1000);
}

void PlayTest::noPhotoAsksForOneAndFocusesTheButton() {
    DenemePenceresi p(0, false);
    p->show();
    QVERIFY(QTest::qWaitForWindowActive(p.form.get()));
    p->Etiket[1]->setText(QStringLiteral("00:01:02"));
    p->HakkındaDüğmesi->setFocus();
    QCOMPARE(p->focusWidget(), p->HakkındaDüğmesi);
    KutuYanıtlayıcı yanıtlayıcı;
    p->YeniOyunDüğmesi_Click();
    p->DağınıkParçalar_Click(0); // no game running: the board click asks the same
    QCOMPARE(yanıtlayıcı.Kutular.size(), std::size_t(2));
    for (const auto &kutu : yanıtlayıcı.Kutular) {
        QCOMPARE(kutu.metin, LoadResString(1000));
        QCOMPARE(kutu.simge, QMessageBox::Information);
        QCOMPARE(kutu.düğmeler.size(), 1);
    }
    // The window's focus moved to the button; it has the keyboard once the window is active
    // again (offscreen, closing a box does not hand activation back).
    QCOMPARE(p->focusWidget(), p->YeniFotoğrafDüğmesi);
    QCOMPARE(p->SüreHesapla.Interval(), 0);
    QCOMPARE(p->Etiket[1]->text(), QStringLiteral("00:01:02"));
    QVERIFY(p.sesler.isEmpty());
}

void PlayTest::clickWithoutAGameDealsAndMovesNothing() {
    DenemePenceresi p;
    p->DağınıkParçalar_Click(7);
    QCOMPARE(p->SüreHesapla.Interval(), 1000);
    QCOMPARE(p->HamleSayısı, 0);
    QCOMPARE(p->Tahta.BoşParça(), 8);
    QVERIFY(p.sesler.isEmpty());
}

void PlayTest::neighbourEdgeCases_data() {
    QTest::addColumn<int>("bölme");
    QTest::addColumn<int>("boş");
    QTest::addColumn<int>("tıklanan");
    QTest::addColumn<bool>("taşınır");
    QTest::newRow("3x3 boş 5, 6 sonraki satırın başı") << 0 << 5 << 6 << false;
    QTest::newRow("3x3 boş 5, sol 4") << 0 << 5 << 4 << true;
    QTest::newRow("3x3 boş 5, üst 2") << 0 << 5 << 2 << true;
    QTest::newRow("3x3 boş 5, alt 8") << 0 << 5 << 8 << true;
    QTest::newRow("3x3 boş 5, boş yerin kendisi") << 0 << 5 << 5 << false;
    QTest::newRow("3x3 boş 5, çapraz 1") << 0 << 5 << 1 << false;
    QTest::newRow("4x4 boş 3, 4 sonraki satırın başı") << 1 << 3 << 4 << false;
    QTest::newRow("4x4 boş 3, sol 2") << 1 << 3 << 2 << true;
    QTest::newRow("4x4 boş 3, alt 7") << 1 << 3 << 7 << true;
    QTest::newRow("4x4 boş 3, boş yerin kendisi") << 1 << 3 << 3 << false;
    QTest::newRow("3x3 boş 0, sağ 1") << 0 << 0 << 1 << true;
}

void PlayTest::neighbourEdgeCases() {
    QFETCH(int, bölme);
    QFETCH(int, boş);
    QFETCH(int, tıklanan);
    QFETCH(bool, taşınır);

    DenemePenceresi p(bölme);
    p.TahtayıKur(Bozuk(bölme == 0 ? Sıralı3x3(boş) : Sıralı4x4(boş), tıklanan));
    KutuYanıtlayıcı yanıtlayıcı;
    const QString etiket = p->DağınıkParçalar(tıklanan)->Tag();
    const QImage resim = p->DağınıkParçalar(tıklanan)->Picture();

    p->DağınıkParçalar_Click(tıklanan);

    if (!taşınır) {
        QCOMPARE(p.sesler, QStringList{QStringLiteral("DUR")});
        QCOMPARE(p->Tahta.BoşParça(), boş);
        QCOMPARE(p->HamleSayısı, 0);
        QCOMPARE(p->DağınıkParçalar(tıklanan)->Tag(), etiket);
        QVERIFY(!p->DağınıkParçalar(boş)->HasPicture());
        return;
    }
    QCOMPARE(p.sesler, QStringList{QStringLiteral("TAMAM")});
    QCOMPARE(p->Tahta.BoşParça(), tıklanan);
    QCOMPARE(p->DağınıkParçalar(boş)->Tag(), etiket);
    QCOMPARE(p->DağınıkParçalar(boş)->Picture(), resim);
    QCOMPARE(p->DağınıkParçalar(tıklanan)->Tag(), etiket); // the place left keeps its Tag
    QVERIFY(!p->DağınıkParçalar(tıklanan)->HasPicture());
    QCOMPARE(p->DağınıkParçalar(tıklanan)->BackColor(), QColor(255, 255, 192));
    QCOMPARE(p->HamleSayısı, 1);
    QCOMPARE(p->Etiket[3]->text(), QStringLiteral("1"));
    QCOMPARE(p->SüreHesapla.Interval(), 1000);
    QVERIFY(yanıtlayıcı.Kutular.empty());
}

void PlayTest::firstMoveCountsOne() {
    DenemePenceresi p;
    p->YeniOyunDüğmesi_Click();
    p->DağınıkParçalar_Click(5);
    QCOMPARE(p->HamleSayısı, 1);
    QCOMPARE(p->Etiket[3]->text(), QStringLiteral("1"));
    p->DağınıkParçalar_Click(0); // far from the empty place now at 5: refused, not counted
    QCOMPARE(p->Etiket[3]->text(), QStringLiteral("1"));
    QCOMPARE(p.sesler, (QStringList{QStringLiteral("TAMAM"), QStringLiteral("DUR")}));
}

void PlayTest::finishingMoveCompletesTheGame() {
    DenemePenceresi p;
    p.TahtayıKur(Sıralı3x3(7));
    p->Süre = OyunSaati{5, 2, 0};
    p->HamleSayısı = 56;

    // One move short of the end, a wrong click only sounds.
    p->DağınıkParçalar_Click(3);
    QCOMPARE(p->SüreHesapla.Interval(), 1000);

    KutuYanıtlayıcı yanıtlayıcı;
    p->DağınıkParçalar_Click(8);

    QCOMPARE(yanıtlayıcı.Kutular.size(), std::size_t(1));
    QCOMPARE(yanıtlayıcı.Kutular[0].metin, Tebrik(0, 2, 5, 57));
    QCOMPARE(yanıtlayıcı.Kutular[0].simge, QMessageBox::Information);
    QCOMPARE(p.sesler, (QStringList{QStringLiteral("DUR"), QStringLiteral("TAMAM"),
                                    QStringLiteral("TEBRIK")}));
    QCOMPARE(p->SüreHesapla.Interval(), 0);
    QCOMPARE(p->DağınıkParçalar(8)->Picture(), p->SıralıParçalar(8)->Image());
    for (int yer = 0; yer < 8; ++yer)
        QCOMPARE(p->DağınıkParçalar(yer)->Picture(), p->SıralıParçalar(yer)->Image());
    QCOMPARE(p->Etiket[1]->text(), QStringLiteral("00:00:00"));
    QCOMPARE(p->Etiket[3]->text(), QStringLiteral("0"));
    QCOMPARE(p->HamleSayısı, 0);
    QCOMPARE(p->Süre.Dakika, 0);
    QCOMPARE(p->Süre.Saniye, 0);

    // The next click on the board deals a new game instead of moving.
    p->DağınıkParçalar_Click(5);
    QCOMPARE(p->SüreHesapla.Interval(), 1000);
    QCOMPARE(p->Tahta.BoşParça(), 8);
    QCOMPARE(p->HamleSayısı, 0);
}

void PlayTest::completionDeletesTheSavedGameReadAtLoad() {
    DenemePenceresi p;
    const QString uygulama = UygulamaAdı;
    SaveSetting(uygulama, QStringLiteral("Oyun"), QStringLiteral("Foto-0"), QStringLiteral("0"));
    SaveSetting(uygulama, QStringLiteral("Oyun\\Bilgiler"), QStringLiteral("Hamle Bilgisi"),
                QStringLiteral("3"));
    SaveSetting(uygulama, QStringLiteral("Ayarlar"), QStringLiteral("Son Bolme"),
                QStringLiteral("0"));
    p->KayıtlıOyun = GetAllSettings(uygulama, QStringLiteral("Oyun"));
    QVERIFY(!p->KayıtlıOyun.empty());

    p.TahtayıKur(Sıralı3x3(5));
    p->Süre = OyunSaati{0, 0, 1};
    p->HamleSayısı = 99;
    KutuYanıtlayıcı yanıtlayıcı;
    p->DağınıkParçalar_Click(8);

    QCOMPARE(yanıtlayıcı.Kutular.size(), std::size_t(1));
    QCOMPARE(yanıtlayıcı.Kutular[0].metin, Tebrik(1, 0, 0, 100));
    QVERIFY(GetAllSettings(uygulama, QStringLiteral("Oyun")).empty());
    QVERIFY(GetAllSettings(uygulama, QStringLiteral("Oyun\\Bilgiler")).empty());
    QCOMPARE(GetSetting(uygulama, QStringLiteral("Ayarlar"), QStringLiteral("Son Bolme")),
             QStringLiteral("0"));

    // A second completion finds nothing to delete and goes on quietly.
    p.TahtayıKur(Sıralı3x3(5));
    p->DağınıkParçalar_Click(8);
    QCOMPARE(yanıtlayıcı.Kutular.size(), std::size_t(2));
    QCOMPARE(yanıtlayıcı.Kutular[1].metin, Tebrik(0, 0, 0, 1));
}

void PlayTest::completionKeepsTheStoreWhenNoGameWasRead() {
    DenemePenceresi p;
    SaveSetting(UygulamaAdı, QStringLiteral("Oyun"), QStringLiteral("Foto-0"), QStringLiteral("0"));
    p.TahtayıKur(Sıralı3x3(7));
    KutuYanıtlayıcı yanıtlayıcı;
    p->DağınıkParçalar_Click(8);
    QCOMPARE(yanıtlayıcı.Kutular.size(), std::size_t(1));
    QCOMPARE(GetAllSettings(UygulamaAdı, QStringLiteral("Oyun")).size(), std::size_t(1));
}

void PlayTest::clockTickShowsLongTime() {
    DenemePenceresi p;
    p->YeniOyunDüğmesi_Click();
    p->SüreHesapla_Timer();
    QCOMPARE(p->Etiket[1]->text(), UzunSaat(QLocale(), 0, 0, 1));
    p->Süre = OyunSaati{59, 59, 0};
    p->SüreHesapla_Timer();
    QCOMPARE(p->Etiket[1]->text(), UzunSaat(QLocale(), 1, 0, 0));
    QVERIFY(p->Etiket[1]->text() != UzunSaat(QLocale(), 0, 0, 1));

    // The real timer drives the same handler once a second.
    p->Süre = OyunSaati{};
    QTRY_COMPARE_WITH_TIMEOUT(p->Etiket[1]->text(), UzunSaat(QLocale(), 0, 0, 1), 2500);
}

void PlayTest::clockResetsOnceAfter24Hours() {
    DenemePenceresi p;
    p->YeniOyunDüğmesi_Click();
    p->SüreHesapla.SetInterval(0); // only the ticks this test sends
    p->Süre = OyunSaati{59, 59, 23};
    p->HamleSayısı = 12;
    KutuYanıtlayıcı yanıtlayıcı;
    int açıkkenGelen = 0;
    yanıtlayıcı.AçıkkenÇalıştır = [&] {
        for (; açıkkenGelen < 3; ++açıkkenGelen)
            p->SüreHesapla_Timer();
    };
    p->SüreHesapla_Timer();

    QCOMPARE(açıkkenGelen, 3);
    QCOMPARE(yanıtlayıcı.Kutular.size(), std::size_t(1));
    QCOMPARE(yanıtlayıcı.Kutular[0].metin, LoadResString(1400));
    QCOMPARE(yanıtlayıcı.Kutular[0].simge, QMessageBox::Information);
    QCOMPARE(p->Süre.Saat, 0);
    QCOMPARE(p->Süre.Dakika, 0);
    QCOMPARE(p->Süre.Saniye, 0);
    QCOMPARE(p->Etiket[1]->text(), UzunSaat(QLocale(), 0, 0, 0));
    QCOMPARE(p->HamleSayısı, 12);

    p->SüreHesapla_Timer();
    QCOMPARE(p->Etiket[1]->text(), UzunSaat(QLocale(), 0, 0, 1));
    QCOMPARE(yanıtlayıcı.Kutular.size(), std::size_t(1));
}

void PlayTest::soundsOffOrNoDeviceChangeNothingElse_data() {
    QTest::addColumn<bool>("sesKapalı");
    QTest::addColumn<bool>("aygıtVar");
    QTest::newRow("sesler açık") << false << true;
    QTest::newRow("sesler kapalı") << true << true;
    QTest::newRow("ses aygıtı yok") << false << false;
}

void PlayTest::soundsOffOrNoDeviceChangeNothingElse() {
    QFETCH(bool, sesKapalı);
    QFETCH(bool, aygıtVar);
    DenemePenceresi p;
    p->SesleriKapatOnayı->setChecked(sesKapalı);
    p->Ses().AygıtVarMı = [aygıtVar] { return aygıtVar; };
    p.TahtayıKur(Sıralı3x3(7));

    KutuYanıtlayıcı yanıtlayıcı;
    p->DağınıkParçalar_Click(0);
    p->DağınıkParçalar_Click(8);

    const bool duyulur = !sesKapalı && aygıtVar;
    QCOMPARE(p.sesler, duyulur ? (QStringList{QStringLiteral("DUR"), QStringLiteral("TAMAM"),
                                              QStringLiteral("TEBRIK")})
                               : QStringList{});
    QCOMPARE(yanıtlayıcı.Kutular.size(), std::size_t(1));
    QCOMPARE(yanıtlayıcı.Kutular[0].metin, Tebrik(0, 0, 0, 1));
    QCOMPARE(p->SüreHesapla.Interval(), 0);
    QCOMPARE(p->DağınıkParçalar(8)->Picture(), p->SıralıParçalar(8)->Image());
}

namespace {
QStringList uyarılar;
void UyarıTopla(QtMsgType tür, const QMessageLogContext &, const QString &metin) {
    if (tür != QtDebugMsg)
        uyarılar << metin;
}
} // namespace

void PlayTest::noDeviceMakesNoSoundObjects() {
    // Forced, and (on a machine without a sound server) as Qt itself reports it.
    const bool qtAygıtBulur = !QMediaDevices::audioOutputs().isEmpty();
    for (bool zorla : {true, false}) {
        if (!zorla && qtAygıtBulur)
            continue;
        SesOynatıcı ses;
        QStringList çalınan;
        ses.Çalındı = [&](const QString &ad) { çalınan << ad; };
        if (zorla)
            ses.AygıtVarMı = [] { return false; };
        uyarılar.clear();
        const auto önceki = qInstallMessageHandler(UyarıTopla);
        for (int kez = 0; kez < 20; ++kez)
            ses.Çal(kez % 2 ? QStringLiteral("TAMAM") : QStringLiteral("DUR"));
        qInstallMessageHandler(önceki);
        QVERIFY(çalınan.isEmpty());
        QVERIFY2(uyarılar.isEmpty(), qPrintable(uyarılar.join(QLatin1Char('\n'))));
    }
}

QTEST_MAIN(PlayTest)
#include "oyun_test.moc"
