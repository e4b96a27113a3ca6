// SPDX-License-Identifier: GPL-3.0-or-later
// The game session without a window: moves, refusals, completion, 24 hours, the saved game.
#include "game/cekirdek/Dagitim.h"
#include "game/cekirdek/OyunOturumu.h"
#include "game/cekirdek/RekorMetni.h"
#include "toolkit/HataPolitikasi.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString Oyun = u"Oyun"_s, Bilgiler = u"Oyun\\Bilgiler"_s;
BellekAyarları ayarlar;

// What the session reported, in order.
struct Kayıt : QStringList {
    explicit Kayıt(OyunOturumu &o) {
        QObject::connect(&o, &OyunOturumu::Moved,
                         [this](int from, int to) { *this << u"moved %1>%2"_s.arg(from).arg(to); });
        QObject::connect(&o, &OyunOturumu::MoveRefused,
                         [this](int yer) { *this << u"refused %1"_s.arg(yer); });
        QObject::connect(&o, &OyunOturumu::Ticked, [this] { *this << u"tick"_s; });
        QObject::connect(&o, &OyunOturumu::DayFull, [this] { *this << u"day"_s; });
        QObject::connect(&o, &OyunOturumu::Completed, [this](OyunSaati s, int hamle) {
            *this << u"completed %1:%2:%3 %4"_s.arg(s.Saat).arg(s.Dakika).arg(s.Saniye).arg(hamle);
        });
        QObject::connect(&o, &OyunOturumu::Ended, [this] { *this << u"ended"_s; });
    }
};

// Writes a saved game: one row per place, then its clock (h, m, s) and moves.
void Sakla(const QStringList &yerler, const QStringList &bilgiler) {
    for (int yer = 0; yer < yerler.size(); ++yer)
        ayarlar.Yaz({Oyun, u"Foto-%1"_s.arg(yer)}, yerler[yer]);
    const char *anahtarlar[] = {"Saat Bilgisi", "Dakika Bilgisi", "Saniye Bilgisi",
                                "Hamle Bilgisi"};
    for (int i = 0; i < bilgiler.size(); ++i)
        ayarlar.Yaz({Bilgiler, QString::fromLatin1(anahtarlar[i])}, bilgiler[i]);
}

// The saved game put back on a session as the window's load does; the errors it reported.
QList<int> GeriYükle(OyunOturumu &o, int kenar) {
    QList<int> hatalar;
    HataKapanı::BildiriciKur([&](const ÇalışmaHatası &hata) { hatalar << hata.Numara(); });
    HataKapanı adım(HataTarzı::BildirVeDevamEt);
    o.BölmeyiSeç(kenar - 3);
    o.KayıtlıOyunuGeriYükle(adım);
    HataKapanı::BildiriciKur({});
    return hatalar;
}

// A 3 x 3 game one move from done: piece 7 on the corner, the empty place beside it.
const QStringList SonHamle{u"0"_s, u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s, u"6"_s, u"7B"_s, u"7"_s};

QList<int> Değerler(const OyunOturumu &o) {
    return {o.Süre().Saat, o.Süre().Dakika, o.Süre().Saniye, o.HamleSayısı()};
}

} // namespace

class SessionTest : public QObject {
    Q_OBJECT

private slots:
    void init() { ayarlar = {}; }

    // No photo, no game; a click with no game deals, one during a game moves; a grid chosen
    // during a game deals again, and without a photo leaves the ordered board with no game; while
    // the last photo is on its way nothing deals. A deal starts from zero with the empty corner.
    void whenAGameStartsAndStops() {
        OyunOturumu o(ayarlar);
        o.RastgeleKaynağıKur(std::make_unique<MersenneKaynağı>(7));
        QVERIFY(o.Tıkla(7) == Dağıtılan::FotoğrafYok && o.YeniOyun() == Dağıtılan::FotoğrafYok);
        o.FotoğrafVar(true);
        QVERIFY(o.BölmeyiSeç(1) == Dağıtılan::Yok && !o.SürüyorMu());
        QVERIFY(o.Tıkla(3) == Dağıtılan::Oyun && o.SaatÇalışıyorMu());
        QVERIFY(o.SürüyorMu() && !o.HamleVarMı() && o.Tahta().BoşParça() == 15);
        QVERIFY(o.OklaTıklanan(Ok::Yukarı) == 15 && o.OklaTıklanan(Ok::Aşağı) == 11); // Up: empty
        QVERIFY(o.Tıkla(11) == Dağıtılan::Yok && o.HamleSayısı() == 1);
        QVERIFY(o.BölmeyiSeç(2) == Dağıtılan::Oyun && o.HamleSayısı() == 0 && o.SürüyorMu());
        o.FotoğrafVar(false);
        QVERIFY(o.BölmeyiSeç(0) == Dağıtılan::FotoğrafYok && !o.SürüyorMu());
        QVERIFY(o.Tahta().YerOf(8).Parça == 8 && !o.SaatÇalışıyorMu());
        o.FotoğrafVar(true), o.SonFotoğrafYolda(true);
        QVERIFY(o.Tıkla(0) == Dağıtılan::Yok && o.YeniOyun() == Dağıtılan::Yok && !o.SürüyorMu());
    }

    // Refusals count nothing; the finishing move stops and reports; once it is seen the counters
    // are zeroed and the save read is deleted, which a session that read none leaves alone.
    void movesRefusalAndCompletion() {
        Sakla(SonHamle, {u"0"_s, u"2"_s, u"5"_s, u"54"_s});
        OyunOturumu okumayan(ayarlar), o(ayarlar);
        okumayan.OkunanıSil();
        GeriYükle(o, 3);
        Kayıt kayıt(o);
        for (int yer : {5, 7, 6, 7, 8})
            o.Tıkla(yer);
        QVERIFY(!o.SürüyorMu() && !o.SaatÇalışıyorMu() && !o.HamleVarMı());
        QVERIFY(Değerler(o) == (QList<int>{0, 2, 5, 57}) && !ayarlar.Bölüm(Oyun).empty());
        o.TebrikGörüldü(), o.TebrikGörüldü(); // the second finds nothing to end
        QCOMPARE(kayıt, (QStringList{u"refused 5"_s, u"refused 7"_s, u"moved 6>7"_s, u"moved 7>6"_s,
                                     u"moved 8>7"_s, u"completed 0:2:5 57"_s, u"ended"_s}));
        QCOMPARE(Değerler(o), (QList<int>{0, 0, 0, 0}));
        QVERIFY(ayarlar.Bölüm(Oyun).empty() && ayarlar.Bölüm(Bilgiler).empty());
    }

    // At 24 hours the clock stops at DayFull and counts no second until it is seen; then it runs
    // on from zero.
    void clockResetsOnceAfter24Hours() {
        Sakla(SonHamle, {u"23"_s, u"59"_s, u"58"_s, u"12"_s});
        OyunOturumu o(ayarlar);
        GeriYükle(o, 3);
        Kayıt kayıt(o);
        for (int i = 0; i < 4; ++i)
            o.SaniyeGeçti();
        QVERIFY(Değerler(o) == (QList<int>{24, 0, 0, 12}) && !o.SaatÇalışıyorMu());
        o.GünDoluGörüldü(), o.GünDoluGörüldü(), o.SaniyeGeçti(); // the second finds it running
        QCOMPARE(Değerler(o), (QList<int>{0, 0, 1, 12}));
        QCOMPARE(kayıt, (QStringList{u"tick"_s, u"day"_s, u"tick"_s, u"tick"_s}));
    }

    // A game written and read back is the same game, in rows Foto-0 onwards; a smaller game leaves
    // no row of a larger behind; with no game running nothing is written.
    void savedGameRoundTrip() {
        OyunOturumu o(ayarlar);
        o.RastgeleKaynağıKur(std::make_unique<MersenneKaynağı>(11));
        o.FotoğrafVar(true);
        o.BölmeyiSeç(2);
        o.YeniOyun();
        o.Tıkla(23);
        o.Tıkla(22);
        o.SaniyeGeçti();
        o.Kaydet();
        const AyarListesi satırlar = ayarlar.Bölüm(Oyun);
        QCOMPARE(satırlar.size(), std::size_t(25));
        QCOMPARE(ayarlar.Bölüm(Bilgiler), (AyarListesi{{u"Saniye Bilgisi"_s, u"1"_s},
                                                       {u"Dakika Bilgisi"_s, u"0"_s},
                                                       {u"Saat Bilgisi"_s, u"0"_s},
                                                       {u"Hamle Bilgisi"_s, u"2"_s}}));
        OyunOturumu geri(ayarlar);
        QCOMPARE(GeriYükle(geri, 5), QList<int>{});
        QVERIFY(geri.SürüyorMu() && geri.Tahta().BoşParça() == 22 && Değerler(geri) == Değerler(o));
        for (int yer = 0; yer < 25; ++yer) {
            QCOMPARE(satırlar[std::size_t(yer)].first, u"Foto-%1"_s.arg(yer));
            QCOMPARE(geri.Tahta().YerOf(yer).Parça, o.Tahta().YerOf(yer).Parça);
        }

        OyunOturumu küçük(ayarlar);
        küçük.FotoğrafVar(true);
        küçük.Kaydet();
        QCOMPARE(ayarlar.Bölüm(Oyun).size(), std::size_t(25));
        küçük.YeniOyun();
        küçük.Kaydet();
        QCOMPARE(ayarlar.Bölüm(Oyun).size(), std::size_t(9));
    }

    // A board unfit for the grid is reported once and deleted; an unreadable clock value stays 0.
    // While the last photo is on its way the game read waits for the next call.
    void unusableSavedGame() {
        Sakla(SonHamle, {u"1"_s, u"x"_s, u"3"_s, u"4"_s});
        OyunOturumu o(ayarlar);
        QVERIFY(GeriYükle(o, 3) == QList<int>{13} && Değerler(o) == (QList<int>{1, 0, 3, 4}));
        OyunOturumu dört(ayarlar);
        QCOMPARE(GeriYükle(dört, 4), QList<int>{9});
        QVERIFY(!dört.SürüyorMu() && dört.Tahta().YerOf(15).Parça == 15);
        QVERIFY(ayarlar.Bölüm(Oyun).empty() && ayarlar.Bölüm(Bilgiler).empty());
        Sakla(SonHamle, {});
        o.SonFotoğrafYolda(true);
        GeriYükle(o, 3);
        QVERIFY(o.KayıtlıOyunBekliyor() && !o.SürüyorMu());
        o.SonFotoğrafYolda(false);
        GeriYükle(o, 3);
        QVERIFY(!o.KayıtlıOyunBekliyor() && o.HamleVarMı());
    }

    // Wins on 3 x 3 one after another, each restored one move from done, in a store that had no
    // records (nor, for an edited one, any it can read): a first win sets both, a faster or
    // shorter one beats only its own, a tie keeps the old, a helped game sets nothing, and one
    // whose clock was reset at 24 hours no time, not even its few seconds since. Help and reset go
    // with a game saved and restored before its last move, and are deleted with it.
    void recordsKeptAndBeaten() {
        ayarlar.Yaz(Anahtar::SüreRekoru(0), u"-5"_s);
        ayarlar.Yaz(Anahtar::HamleRekoru(0), u"on"_s);
        const struct {
            QStringList bilgiler; // h, m, s, moves saved
            bool yardım, günDolu;
            int süre, hamle; // the records after the win
            bool süreKırıldı, hamleKırıldı;
        } galibiyetler[] = {
            {{u"0"_s, u"2"_s, u"5"_s, u"54"_s}, false, false, 125, 55, true, true},
            {{u"0"_s, u"3"_s, u"0"_s, u"40"_s}, false, false, 125, 41, false, true},
            {{u"0"_s, u"1"_s, u"0"_s, u"40"_s}, false, false, 60, 41, true, false},
            {{u"0"_s, u"0"_s, u"1"_s, u"1"_s}, true, false, 60, 41, false, false},
            {{u"23"_s, u"59"_s, u"59"_s, u"2"_s}, false, true, 60, 3, false, true},
        };
        OyunOturumu o(ayarlar);
        for (const auto &g : galibiyetler) {
            Sakla(SonHamle, g.bilgiler);
            GeriYükle(o, 3);
            if (g.yardım)
                o.YardımAlındı();
            if (g.günDolu)
                o.SaniyeGeçti(), o.GünDoluGörüldü(), o.SaniyeGeçti();
            o.Kaydet();
            GeriYükle(o, 3);
            o.Tıkla(8);
            const BölmeRekorları r = RekorlarıOku(ayarlar, 0);
            QVERIFY(r.Süre && r.Hamle && r.Süre->Tarih.isValid() && r.Hamle->Tarih.isValid());
            QCOMPARE((QList<int>{r.Süre->Değer, r.Hamle->Değer}), (QList<int>{g.süre, g.hamle}));
            const RekorSonucu &sonuç = o.SonRekor();
            QCOMPARE((QList<bool>{sonuç.Süre, sonuç.Hamle, sonuç.Yardımlı, sonuç.SayaçSıfırlandı}),
                     (QList<bool>{g.süreKırıldı, g.hamleKırıldı, g.yardım, g.günDolu}));
            o.TebrikGörüldü();
        }
        QVERIFY(ayarlar.Bölüm(Anahtar::EkBilgiler).empty());
        o.FotoğrafVar(true);
        o.YeniOyun();
        QVERIFY(!o.SayaçSıfırlandı() && !o.Yardımlı() && !RekorlarıOku(ayarlar, 1).Süre);
    }

    // The lines after the congratulation: whether a record was set or why none could be, the
    // grid's records in words with their day, and the deal's fewest moves on 3 x 3 and 4 x 4.
    void congratulationAddition() {
        const QDate gün(2026, 12, 8);
        const BölmeRekorları rekorlar[] = {
            {Rekor{3725, gün}, Rekor{55, gün}}, {Rekor{60, QDate()}, Rekor{41, gün}}, {}};
        // The win's flags: time, moves, helped, reset as 1, 2, 4, 8; 3 x 3 is grid 0.
        const auto ek = [&](int b, int bölme, std::optional<int> enAz) {
            return TebrikEki({bool(b & 1), bool(b & 2), bool(b & 4), bool(b & 8)}, rekorlar[bölme],
                             bölme, enAz, QLocale(QLocale::Turkish, QLocale::Turkey));
        };
        const QString dörtlük =
            u"4 x 4 rekorları\r\nEn kısa süre : 1 dakika\r\nEn az hamle : 41 (8.12.2026)"_s;
        const QString enAz = u"\r\n\r\nBu dağıtımın çözülebileceği en az hamle : "_s;
        QCOMPARE(ek(3, 0, 20),
                 u"\r\n\r\nBu bölmede yeni süre rekoru kırdınız!\r\nBu bölmede yeni hamle rekoru "
                 u"kırdınız!\r\n\r\n3 x 3 rekorları\r\nEn kısa süre : 1 saat, 2 dakika, 5 saniye "
                 u"(8.12.2026)\r\nEn az hamle : 55 (8.12.2026)%1%2"_s.arg(enAz, u"20"_s));
        QCOMPARE(ek(4, 2, 30),
                 u"\r\n\r\nİpucu alındığı için bu oyun rekor sayılmaz.\r\n\r\n5 x 5 "
                 u"rekorları\r\nEn kısa süre : henüz yok\r\nEn az hamle : henüz yok"_s);
        QCOMPARE(ek(10, 1, std::nullopt),
                 u"\r\n\r\nSayaç 24 saatte sıfırlandığı için bu oyunun süresi rekor sayılmaz.\r\n"
                 u"Bu bölmede yeni hamle rekoru kırdınız!\r\n\r\n%1"_s.arg(dörtlük));
        QCOMPARE(ek(0, 1, 12),
                 u"\r\n\r\nBu oyunla rekor kırılmadı.\r\n\r\n"_s + dörtlük + enAz + u"12"_s);
    }
};

QTEST_GUILESS_MAIN(SessionTest)
#include "OturumTesti.moc"
