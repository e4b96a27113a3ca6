// Tests of the game rules without a window: board, deal, cut arithmetic, saved board and clock.
#include "HataNumarasi.h"
#include "game/Bolme.h"
#include "game/Dagitim.h"
#include "game/KayitliOyun.h"
#include "game/OyunSaati.h"
#include "game/Tahta.h"
#include "toolkit/Yuvarlama.h"

#include <QTest>
#include <algorithm>
#include <ctime>
#include <limits>

using namespace Qt::Literals::StringLiterals;

namespace {

// Hands out the given values in turn, then `sonra` for ever; counts the draws.
struct SıralıKaynak : RastgeleKaynak {
    explicit SıralıKaynak(std::vector<double> d, double s = 0.0)
        : değerler(std::move(d)), sonra(s) {}
    double Rnd() override {
        const std::size_t i = çekiliş++;
        return i < değerler.size() ? değerler[i] : sonra;
    }
    std::vector<double> değerler;
    double sonra;
    std::size_t çekiliş = 0;
};

// A deal sliding can solve: pieces 0..7 on places 0..7 in an even arrangement (inversions counted
// here, cycles in the deal), the last piece left for the empty corner, and not already solved.
bool OynanabilirMi(std::vector<int> d) {
    if (d.size() != 9 || d[8] != 8)
        return false;
    int ters = 0;
    for (int i = 0; i < 8; ++i)
        for (int j = i + 1; j < 8; ++j)
            ters += d[i] > d[j];
    const std::vector<int> sıralı{0, 1, 2, 3, 4, 5, 6, 7, 8};
    if (ters % 2 != 0 || d == sıralı)
        return false;
    std::sort(d.begin(), d.end());
    return d == sıralı;
}

AyarListesi Satırlar(const QStringList &değerler) {
    AyarListesi satırlar;
    for (const QString &değer : değerler)
        satırlar.emplace_back(u"x"_s, değer); // keys are not looked at
    return satırlar;
}

OyunSaati Süre(int saat, int dakika, int saniye) {
    return {std::uint8_t(saniye), std::uint8_t(dakika), std::uint8_t(saat)};
}

} // namespace

class GameTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        // The time-zone token would print "UTC" here; no formatted time may show it.
        qputenv("TZ", "UTC");
        tzset();
    }

    // ---- Board ----

    void neighbours() {
        QVERIFY(!KomşuMu(6, 5, 3)); // the end of a row is not next to the start of the next
        QVERIFY(KomşuMu(4, 5, 3) && KomşuMu(2, 5, 3) && KomşuMu(8, 5, 3));
        QVERIFY(!KomşuMu(4, 3, 4));
        QVERIFY(KomşuMu(2, 3, 4) && KomşuMu(7, 3, 4));
        for (int n = 3; n <= 5; ++n) {
            // Each of the 2N(N-1) edges of the grid, seen from both ends, and nothing else: no
            // place is its own neighbour and nothing outside the board is one.
            int çiftler = 0;
            for (int i = -1; i <= n * n; ++i)
                for (int e = -1; e <= n * n; ++e)
                    çiftler += KomşuMu(i, e, n);
            QCOMPARE(çiftler, 4 * n * (n - 1));
        }
    }

    // The empty place takes the piece and its Tag; the clicked place keeps its own Tag. Any
    // other click, off the board included, changes nothing.
    void movesHandOverTheTag() {
        OyunTahtası tahta;
        tahta.SıralıGöster(3);
        tahta.Dağıt({3, 0, 1, 4, 2, 5, 6, 7, 8});
        const auto durum = [&] { // Tag/piece of each place
            QStringList s;
            for (int k = 0; k < tahta.YerSayısı(); ++k)
                s << tahta.YerOf(k).Tag + u'/' + QString::number(tahta.YerOf(k).Parça);
            return s.join(u' ');
        };
        QCOMPARE(durum(), u"3/3 0/0 1/1 4/4 2/2 5/5 6/6 7/7 8/-1"_s);
        for (int yer : {0, 4, 6, 8, 9, -1})
            QVERIFY(!tahta.Taşı(yer));
        QCOMPARE(durum(), u"3/3 0/0 1/1 4/4 2/2 5/5 6/6 7/7 8/-1"_s);
        QVERIFY(tahta.Taşı(5) && tahta.Taşı(4));
        QCOMPARE(durum(), u"3/3 0/0 1/1 4/4 2/-1 2/2 6/6 7/7 5/5"_s);
        QCOMPARE(tahta.BoşParça(), 4);
    }

    // Tags are compared as text, and the last place is not looked at.
    void completesOnlyOnTheFinishingMove() {
        OyunTahtası tahta;
        tahta.SıralıGöster(3);
        tahta.Dağıt({0, 1, 2, 3, 7, 4, 6, 5, 8});
        for (int yer : {7, 4, 5}) {
            QVERIFY(tahta.Taşı(yer));
            QVERIFY(!tahta.TamamlandıMı());
        }
        QVERIFY(tahta.Taşı(8) && tahta.TamamlandıMı());
        tahta.SonParçayıKoy();
        QCOMPARE(tahta.YerOf(8).Parça, 8);
        tahta.YeriKur(7, 7, u"07"_s);
        QVERIFY(!tahta.TamamlandıMı());
        tahta.YeriKur(7, 7, u"7"_s);
        tahta.YeriKur(8, 0, u"x"_s);
        QVERIFY(tahta.TamamlandıMı());
    }

    // ---- Deal ----

    void poolDrawsAnyEntryButTheLastOncePerPlace() {
        SıralıKaynak kaynak({}, 0.9999999);
        QCOMPARE(Dağıtım(3, kaynak), (std::vector<int>{7, 6, 5, 4, 3, 2, 1, 0, 8}));
        QCOMPARE(kaynak.çekiliş, std::size_t(9)); // no re-seeding draws
    }

    void oddArrangementSwapsTheFirstTwoPlaces() {
        // Places 0-5 take the lowest entry; place 6 draws position 2 of "6", "7", "8": the raw
        // deal has pieces 6 and 7 swapped, which no sliding can put in order.
        SıralıKaynak kaynak({0, 0, 0, 0, 0, 0, 0.6, 0, 0});
        QCOMPARE(Dağıtım(3, kaynak), (std::vector<int>{1, 0, 2, 3, 4, 5, 7, 6, 8}));
    }

    void dealsArePlayableAndFair() {
        // Generators stuck on the solved order or straying out of [0, 1) still deal a game.
        for (double değer : {0.0, 1.0, 7.5, -0.5, std::numeric_limits<double>::quiet_NaN(),
                             std::numeric_limits<double>::infinity()}) {
            SıralıKaynak kaynak({}, değer);
            QVERIFY2(OynanabilirMi(Dağıtım(3, kaynak)), qPrintable(QString::number(değer)));
        }

        constexpr int DağıtımSayısı = 20000;
        MersenneKaynağı kaynak(2024);
        int sayılar[8][8] = {};
        for (int i = 0; i < DağıtımSayısı; ++i) {
            const std::vector<int> d = Dağıtım(3, kaynak);
            QVERIFY(OynanabilirMi(d));
            for (int yer = 0; yer < 8; ++yer)
                ++sayılar[yer][d[yer]];
        }
        // Each piece on each place about 2500 times. With 49 degrees of freedom the statistic
        // is about 49 +- 10; 120 is out of reach of a fair deal and well within that of a biased
        // one (one place/piece pair off by 10 % already adds 25).
        const double beklenen = DağıtımSayısı / 8.0;
        double kiKare = 0;
        for (auto &satır : sayılar)
            for (int sayı : satır)
                kiKare += (sayı - beklenen) * (sayı - beklenen) / beklenen;
        QVERIFY2(kiKare < 120, qPrintable(QString::number(kiKare)));
    }

    // ---- Cut ----

    void nearestHalvesToEven() {
        QCOMPARE(EnYakın(2.5), 2);
        QCOMPARE(EnYakın(3.5), 4);
        QCOMPARE(EnYakın(-2.5), -2);
        QCOMPARE(EnYakın(2.5000001), 3);
        QCOMPARE(HataNumarası([] { EnYakın(1e12); }), 6);
    }

    void boardGeometry() {
        const QSize çerçeve(5745, 4485);
        const struct {
            int n;
            QSize boyut;
            int sağ, alt;
        } satırlar[] = {{3, {1753, 1313}, 5513, 4283},
                        {4, {1309, 979}, 5512, 4282},
                        {5, {1043, 779}, 5513, 4283}};
        for (const auto &s : satırlar) {
            QCOMPARE(ParçaBoyutuTwip(çerçeve, s.n), s.boyut);
            const QRect son = YerDikdörtgeniTwip(çerçeve, s.n, s.n * s.n - 1);
            QCOMPARE(son.x() + son.width(), s.sağ);
            QCOMPARE(son.y() + son.height(), s.alt);
            QCOMPARE(HataNumarası([&] { YerDikdörtgeniTwip(çerçeve, s.n, s.n * s.n); }), 9);
        }
    }

    void cellsOfAPhoto() {
        // Rows follow the same arithmetic as columns: a square photo checks both.
        const struct {
            int genişlik;
            QList<int> başlangıçlar;
            int hücre;
        } satırlar[] = {
            {10, {0, 2, 5, 8}, 2}, {14, {0, 4, 7, 10}, 4}, {800, {0, 200, 400, 600}, 200}};
        for (const auto &s : satırlar)
            for (int k = 0; k < 16; ++k)
                QCOMPARE(HücreDikdörtgeni(QSize(s.genişlik, s.genişlik), 4, k),
                         QRect(s.başlangıçlar[k % 4], s.başlangıçlar[k / 4], s.hücre, s.hücre));
    }

    // ---- Saved board ----

    void savedBoardIsCheckedWhole() {
        // A 3 x 3 game in progress with the empty place at 4.
        const QStringList geçerli = {u"3"_s, u"0"_s, u"1"_s, u"7"_s, u"4B"_s,
                                     u"2"_s, u"6"_s, u"5"_s, u"4"_s};
        const auto düzen = KayıtlıDüzeniÇöz(Satırlar(geçerli), 3);
        QVERIFY(düzen);
        QCOMPARE(düzen->BoşParça, 4);
        QCOMPARE(düzen->Parçalar, (std::vector<int>{3, 0, 1, 7, -1, 2, 6, 5, 4}));
        QCOMPARE(düzen->Etiketler[4], u"4"_s);
        QCOMPARE(düzen->Etiketler[3], u"7"_s);

        // Rows no running game writes: wrong empty place, missing, repeated or out-of-range
        // pieces, numbers not written as the program writes them.
        const std::pair<int, QString> bozuklar[] = {
            {4, u"3B"_s},   {0, u"0B"_s},  {4, u"8"_s},
            {0, u"0"_s},    {0, u"8"_s},   {0, u"9"_s},
            {0, u"-3"_s},   {0, u"+3"_s},  {0, u"03"_s},
            {4, u"04B"_s},  {0, u" 3"_s},  {0, u"3 "_s},
            {0, QString()}, {4, u"4b"_s},  {4, u"B"_s},
            {0, u"٣"_s},    {0, u"3.0"_s}, {0, u"99999999999999999999"_s}};
        for (const auto &[yer, değer] : bozuklar) {
            QStringList değerler = geçerli;
            değerler[yer] = değer;
            QVERIFY2(!KayıtlıDüzeniÇöz(Satırlar(değerler), 3), qPrintable(değer));
        }
        QVERIFY(!KayıtlıDüzeniÇöz(Satırlar(geçerli), 4));
        QVERIFY(!KayıtlıDüzeniÇöz(Satırlar(geçerli.mid(1)), 3));
        QVERIFY(!KayıtlıDüzeniÇöz(Satırlar(geçerli + QStringList{u"9"_s}), 3));
    }

    // ---- Clock ----

    // Counters out of range, as from an edited saved game, carry too.
    void clockCarries() {
        const struct {
            QList<int> önce, sonra;
            bool günBitti;
        } satırlar[] = {{{0, 0, 59}, {0, 1, 0}, false},    {{0, 59, 59}, {1, 0, 0}, false},
                        {{22, 59, 59}, {23, 0, 0}, false}, {{23, 59, 59}, {24, 0, 0}, true},
                        {{0, 0, 75}, {0, 1, 0}, false},    {{0, 99, 0}, {1, 0, 1}, false},
                        {{0, 0, 255}, {0, 1, 0}, false},   {{0, 255, 59}, {1, 0, 0}, false},
                        {{255, 0, 0}, {255, 0, 1}, true}};
        for (const auto &s : satırlar) {
            OyunSaati süre = Süre(s.önce[0], s.önce[1], s.önce[2]);
            QCOMPARE(süre.Tıkla(), s.günBitti);
            QCOMPARE((QList<int>{süre.Saat, süre.Dakika, süre.Saniye}), s.sonra);
        }
    }

    void longTimeWithoutTheTimeZone() {
        const QLocale türkçe(QLocale::Turkish, QLocale::Turkey);
        QCOMPARE(UzunSaat(türkçe, 1, 2, 3), u"01:02:03"_s);
        QCOMPARE(UzunSaat(QLocale(QLocale::English, QLocale::UnitedStates), 13, 2, 3),
                 u"1:02:03 PM"_s);
        QCOMPARE(HataNumarası([&] { UzunSaat(türkçe, 24, 0, 0); }), 13);

        const std::pair<QString, QString> biçimler[] = {
            {u"HH:mm:ss t"_s, u"HH:mm:ss"_s},
            {u"t HH:mm:ss"_s, u"HH:mm:ss"_s},
            {u"H:mm:ss (t)"_s, u"H:mm:ss"_s},
            {u"HH:mm:ss, tttt"_s, u"HH:mm:ss"_s},
            {u"HH 'h' mm 'tt' ss t"_s, u"HH 'h' mm 'tt' ss"_s}, // quoted text is kept
            {u"HH 'o''clock' t"_s, u"HH 'o''clock'"_s}};
        for (const auto &[biçim, beklenen] : biçimler)
            QCOMPARE(SaatDiliminiAyıkla(biçim), beklenen);

        const auto yereller = QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript,
                                                       QLocale::AnyTerritory);
        QVERIFY(yereller.size() > 100);
        for (const QLocale &yerel : yereller) {
            const QString metin = UzunSaat(yerel, 1, 2, 3);
            QVERIFY2(!metin.isEmpty() && !metin.contains(u"UTC"_s) && !metin.contains(u'(') &&
                         !metin.endsWith(u' '),
                     qPrintable(yerel.name() + u": "_s + metin));
        }
    }

    void congratulation() {
        const QString baş = u"Tebrikler! Fotoğrafı tamamladınız!\r\n\r\nTamamlama Süreniz : "_s;
        const QString son = u"\r\n\r\nHamle Sayınız : "_s;
        QCOMPARE(TebrikMetni(Süre(0, 2, 5), 57), baş + u"2 dakika, 5 saniye"_s + son + u"57"_s);
        QCOMPARE(TebrikMetni(Süre(1, 0, 0), 100), baş + u"1 saat, "_s + son + u"100"_s);
        QCOMPARE(TebrikMetni(Süre(0, 0, 0), 1), baş + son + u"1"_s);
    }
};

QTEST_GUILESS_MAIN(GameTest)
#include "test_game.moc"
