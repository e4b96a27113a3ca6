// Closing the main window: the question, the preferences and the saved game in the store, and
// clearing the save option.
#include "PencereYardimcisi.h"

#include "resources/DizgiTablosu.h"
#include "toolkit/MesajKutusu.h"

#include <QCheckBox>
#include <QDirIterator>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

namespace {

const QString Ayarlar = QStringLiteral("Ayarlar");
const QString Oyun = QStringLiteral("Oyun");
const QString Bilgiler = QStringLiteral("Oyun\\Bilgiler");

AyarListesi Bölüm(const QString &bölüm) { return GetAllSettings(UygulamaAdı, bölüm); }

QStringList Anahtarlar(const QString &bölüm) {
    QStringList anahtarlar;
    for (const auto &[anahtar, değer] : Bölüm(bölüm))
        anahtarlar << anahtar;
    return anahtarlar;
}

// Every file below the settings folder: a close that writes nothing leaves it empty.
QStringList Dosyalar(const QTemporaryDir &klasör) {
    QStringList dosyalar;
    QDirIterator gezgin(klasör.path(), QDir::Files, QDirIterator::Subdirectories);
    while (gezgin.hasNext())
        dosyalar << gezgin.next();
    return dosyalar;
}

// Asks the window to close as the window system would for its close box.
bool KapatmaKutusu(AnaForm &form) {
    bool iptal = false;
    form.Form_QueryUnload(iptal, KapanmaNedeni::KullanıcıKomutu);
    return !iptal;
}

// The saved board must be the window's own board, place by place, in place order.
void KayıtlıTahtayıDenetle(AnaForm &form) {
    const AyarListesi satırlar = Bölüm(Oyun);
    const int c = form.Tahta.YerSayısı();
    QCOMPARE(static_cast<int>(satırlar.size()), c);
    int boşlar = 0;
    for (int yer = 0; yer < c; ++yer) {
        QCOMPARE(satırlar[yer].first, QStringLiteral("Foto-%1").arg(yer));
        if (yer == form.Tahta.BoşParça()) {
            QCOMPARE(satırlar[yer].second, QString::number(yer) + QLatin1Char('B'));
            ++boşlar;
        } else {
            QCOMPARE(satırlar[yer].second, form.DağınıkParçalar(yer)->Tag());
        }
    }
    QCOMPARE(boşlar, 1);
    QCOMPARE(Anahtarlar(Bilgiler),
             (QStringList{QStringLiteral("Saniye Bilgisi"), QStringLiteral("Dakika Bilgisi"),
                          QStringLiteral("Saat Bilgisi"), QStringLiteral("Hamle Bilgisi")}));
}

const QStringList TercihAnahtarları{QStringLiteral("Sol Bosluk"),   QStringLiteral("Ust Bosluk"),
                                    QStringLiteral("Son Bolme"),    QStringLiteral("Son Fotograf"),
                                    QStringLiteral("Ornek Goster"), QStringLiteral("Oyunu Kaydet"),
                                    QStringLiteral("Sesleri Kapat")};

} // namespace

class CloseTest : public QObject {
    Q_OBJECT

private slots:
    void closeBoxAnsweredNoKeepsEverything();
    void closeBoxAnsweredYesSavesTheGame();
    void exitButtonAndEscSaveWithoutAsking();
    void newSaveReplacesALargerBoard();
    void closeWithoutAGameWritesOnlyPreferences();
    void closeWithTheOptionClearKeepsTheOldGame();
    void minimisedCloseAsksWithoutCentringAndKeepsPosition();
    void clearingTheOptionDeletesTheGameReadAtLoad();
};

void CloseTest::closeBoxAnsweredNoKeepsEverything() {
    DenemePenceresi p;
    p->show();
    p->YeniOyunDüğmesi_Click();
    p->OyunuKaydetOnayı->setChecked(true);
    p->DağınıkParçalar_Click(5);

    KutuYanıtlayıcı yanıtlayıcı;
    yanıtlayıcı.Yanıtlar = {QStringLiteral("Hayır")};
    QVERIFY(!KapatmaKutusu(*p));

    QCOMPARE(yanıtlayıcı.Kutular.size(), std::size_t(1));
    QCOMPARE(yanıtlayıcı.Kutular[0].metin, LoadResString(1500));
    QCOMPARE(yanıtlayıcı.Kutular[0].simge, QMessageBox::Question);
    QCOMPARE(yanıtlayıcı.Kutular[0].düğmeler.size(), 2);
    QVERIFY(yanıtlayıcı.Kutular[0].düğmeler.contains(QStringLiteral("Evet")));
    QVERIFY(yanıtlayıcı.Kutular[0].düğmeler.contains(QStringLiteral("Hayır")));
    QVERIFY(Dosyalar(p.klasör).isEmpty());
    QCOMPARE(p->SüreHesapla.Interval(), 1000);
    QCOMPARE(p->HamleSayısı, 1);
    QVERIFY(p->isVisible());
    // The game goes on: the clock still ticks.
    QTRY_COMPARE_WITH_TIMEOUT(p->Süre.Saniye > 0, true, 2500);
}

void CloseTest::closeBoxAnsweredYesSavesTheGame() {
    DenemePenceresi p;
    p->YeniOyunDüğmesi_Click();
    p->OyunuKaydetOnayı->setChecked(true);
    p->DağınıkParçalar_Click(7);
    p->Süre = OyunSaati{7, 6, 5};

    KutuYanıtlayıcı yanıtlayıcı;
    yanıtlayıcı.Yanıtlar = {QStringLiteral("Evet")};
    QVERIFY(KapatmaKutusu(*p));

    QCOMPARE(yanıtlayıcı.Kutular.size(), std::size_t(1));
    QCOMPARE(Anahtarlar(Ayarlar), TercihAnahtarları);
    QCOMPARE(GetSetting(UygulamaAdı, Ayarlar, QStringLiteral("Oyunu Kaydet")), QStringLiteral("1"));
    KayıtlıTahtayıDenetle(*p);
    QCOMPARE(Bölüm(Oyun)[8].second, p->DağınıkParçalar(7)->Tag()); // the moved piece
    QCOMPARE(Bölüm(Oyun)[7].second, QStringLiteral("7B"));
    const AyarListesi bilgiler = Bölüm(Bilgiler);
    QCOMPARE(bilgiler[0].second, QStringLiteral("7"));
    QCOMPARE(bilgiler[1].second, QStringLiteral("6"));
    QCOMPARE(bilgiler[2].second, QStringLiteral("5"));
    QCOMPARE(bilgiler[3].second, QStringLiteral("1"));
}

void CloseTest::exitButtonAndEscSaveWithoutAsking() {
    for (bool esc : {false, true}) {
        DenemePenceresi p;
        p->show();
        QVERIFY(QTest::qWaitForWindowActive(p.form.get()));
        p->YeniOyunDüğmesi_Click();
        p->OyunuKaydetOnayı->setChecked(true);
        p->move(40, 30);

        KutuYanıtlayıcı yanıtlayıcı;
        if (esc)
            QTest::keyClick(p.form.get(), Qt::Key_Escape);
        else
            p->ÇıkışDüğmesi->click();

        QVERIFY(yanıtlayıcı.Kutular.empty());
        QVERIFY(!p->isVisible());
        QCOMPARE(Anahtarlar(Ayarlar), TercihAnahtarları);
        QCOMPARE(GetSetting(UygulamaAdı, Ayarlar, QStringLiteral("Sol Bosluk")),
                 QString::number(p->x() * 15));
        QCOMPARE(GetSetting(UygulamaAdı, Ayarlar, QStringLiteral("Ust Bosluk")),
                 QString::number(p->y() * 15));
        KayıtlıTahtayıDenetle(*p);
    }
}

void CloseTest::newSaveReplacesALargerBoard() {
    DenemePenceresi p(2);
    p->OyunuKaydetOnayı->setChecked(true);
    p->YeniOyunDüğmesi_Click();
    p->DağınıkParçalar_Click(23);
    QVERIFY(p->close());
    QCOMPARE(Bölüm(Oyun).size(), std::size_t(25));
    KayıtlıTahtayıDenetle(*p);
    QCOMPARE(GetSetting(UygulamaAdı, Ayarlar, QStringLiteral("Son Bolme")), QStringLiteral("2"));

    p.Böl(0); // a running game is dealt again on the new board
    QCOMPARE(p->SüreHesapla.Interval(), 1000);
    QCOMPARE(p->Tahta.YerSayısı(), 9);
    QCOMPARE(p->Tahta.BoşParça(), 8);
    QVERIFY(p->close());
    QCOMPARE(Bölüm(Oyun).size(), std::size_t(9));
    KayıtlıTahtayıDenetle(*p);
    QCOMPARE(GetSetting(UygulamaAdı, Ayarlar, QStringLiteral("Son Bolme")), QStringLiteral("0"));
}

void CloseTest::closeWithoutAGameWritesOnlyPreferences() {
    DenemePenceresi p(1);
    p->OyunuKaydetOnayı->setChecked(true);
    p->SesleriKapatOnayı->setChecked(true);
    p->FotoğrafınÖrneğiniGöster->setChecked(false);
    QVERIFY(p->close());
    QCOMPARE(Anahtarlar(Ayarlar), TercihAnahtarları);
    QCOMPARE(GetSetting(UygulamaAdı, Ayarlar, QStringLiteral("Son Bolme")), QStringLiteral("1"));
    QCOMPARE(GetSetting(UygulamaAdı, Ayarlar, QStringLiteral("Son Fotograf")), FotoğrafYolu);
    QCOMPARE(GetSetting(UygulamaAdı, Ayarlar, QStringLiteral("Ornek Goster")), QStringLiteral("0"));
    QCOMPARE(GetSetting(UygulamaAdı, Ayarlar, QStringLiteral("Oyunu Kaydet")), QStringLiteral("1"));
    QCOMPARE(GetSetting(UygulamaAdı, Ayarlar, QStringLiteral("Sesleri Kapat")),
             QStringLiteral("1"));
    QVERIFY(Bölüm(Oyun).empty());
    QVERIFY(Bölüm(Bilgiler).empty());
}

void CloseTest::closeWithTheOptionClearKeepsTheOldGame() {
    DenemePenceresi p;
    SaveSetting(UygulamaAdı, Oyun, QStringLiteral("Foto-0"), QStringLiteral("3"));
    SaveSetting(UygulamaAdı, Bilgiler, QStringLiteral("Hamle Bilgisi"), QStringLiteral("4"));
    p->YeniOyunDüğmesi_Click();
    p->OyunuKaydetOnayı->setChecked(false);
    QVERIFY(p->close());
    QCOMPARE(Bölüm(Oyun).size(), std::size_t(1));
    QCOMPARE(Bölüm(Bilgiler).size(), std::size_t(1));
    QCOMPARE(GetSetting(UygulamaAdı, Ayarlar, QStringLiteral("Oyunu Kaydet")), QStringLiteral("0"));
}

void CloseTest::minimisedCloseAsksWithoutCentringAndKeepsPosition() {
    DenemePenceresi p;
    p->show();
    QVERIFY(QTest::qWaitForWindowExposed(p.form.get()));
    p->move(60, 45);

    // A box that is not centred keeps the hook armed here; MesajıOrtala would replace it.
    bool ortalanmadı = false;
    KutuYanıtlayıcı yanıtlayıcı;
    yanıtlayıcı.Yanıtlar = {QStringLiteral("Evet"), QStringLiteral("Evet")};
    SonrakiMesajKutusunuHazırla([&](QMessageBox &) { ortalanmadı = true; });
    QVERIFY(KapatmaKutusu(*p));
    QVERIFY(!ortalanmadı);
    const QString sol = GetSetting(UygulamaAdı, Ayarlar, QStringLiteral("Sol Bosluk"));
    const QString üst = GetSetting(UygulamaAdı, Ayarlar, QStringLiteral("Ust Bosluk"));
    QCOMPARE(sol, QString::number(p->x() * 15));

    p->show();
    p->move(200, 150);
    p->setWindowState(Qt::WindowMinimized);
    QVERIFY(p->isMinimized());
    SonrakiMesajKutusunuHazırla([&](QMessageBox &) { ortalanmadı = true; });
    QVERIFY(KapatmaKutusu(*p));
    QCOMPARE(yanıtlayıcı.Kutular.size(), std::size_t(2));
    QVERIFY(ortalanmadı);
    QCOMPARE(GetSetting(UygulamaAdı, Ayarlar, QStringLiteral("Sol Bosluk")), sol);
    QCOMPARE(GetSetting(UygulamaAdı, Ayarlar, QStringLiteral("Ust Bosluk")), üst);
    SonrakiMesajKutusunuHazırla(nullptr);

    // Minimised from the first close on: only the five other preferences are written.
    DenemePenceresi yeni;
    yeni->show();
    yeni->setWindowState(Qt::WindowMinimized);
    yanıtlayıcı.Yanıtlar = {QStringLiteral("Evet")};
    QVERIFY(KapatmaKutusu(*yeni));
    QCOMPARE(Anahtarlar(Ayarlar), TercihAnahtarları.mid(2));
}

void CloseTest::clearingTheOptionDeletesTheGameReadAtLoad() {
    DenemePenceresi p;
    SaveSetting(UygulamaAdı, Oyun, QStringLiteral("Foto-0"), QStringLiteral("3"));
    SaveSetting(UygulamaAdı, Bilgiler, QStringLiteral("Hamle Bilgisi"), QStringLiteral("4"));

    // Nothing was read at load: clearing the option deletes nothing.
    p->OyunuKaydetOnayı->setChecked(false);
    p->OyunuKaydetOnayı_Click();
    QCOMPARE(Bölüm(Oyun).size(), std::size_t(1));

    // Ticking never deletes.
    p->KayıtlıOyun = Bölüm(Oyun);
    p->OyunuKaydetOnayı->setChecked(true);
    p->OyunuKaydetOnayı_Click();
    QCOMPARE(Bölüm(Oyun).size(), std::size_t(1));

    p->OyunuKaydetOnayı->setChecked(false);
    p->OyunuKaydetOnayı_Click();
    QVERIFY(Bölüm(Oyun).empty());
    QVERIFY(Bölüm(Bilgiler).empty());
    p->OyunuKaydetOnayı_Click(); // already gone: ignored

    p->YeniOyunDüğmesi_Click();
    QVERIFY(p->close());
    QVERIFY(Bölüm(Oyun).empty());
    QCOMPARE(Anahtarlar(Ayarlar), TercihAnahtarları);
}

QTEST_MAIN(CloseTest)
#include "kapanis_test.moc"
