// SPDX-License-Identifier: GPL-3.0-or-later
// Tests of the game rules without a window: board, deal, cut arithmetic, saved board and clock.
#include "HataNumarasi.h"
#include "game/cekirdek/Bolme.h"
#include "game/cekirdek/Cozucu.h"
#include "game/cekirdek/Dagitim.h"
#include "game/cekirdek/KayitliOyun.h"
#include "game/cekirdek/OyunSaati.h"
#include "game/cekirdek/Tahta.h"
#include "toolkit/Yuvarlama.h"

#include <QLocale>
#include <QTest>
#include <algorithm>
#include <limits>

using namespace Qt::Literals::StringLiterals;

namespace {

struct SabitKaynak : RastgeleKaynak {
    explicit SabitKaynak(double d) : değer(d) {}
    double Rnd() override { return değer; }
    double değer;
};

// A 3 x 3 deal sliding can solve, by the solver's parity test; the last piece left for the empty
// corner; not already solved.
bool OynanabilirMi(const std::vector<int> &d) {
    return d.size() == 9 && d[8] == 8 && !std::is_sorted(d.begin(), d.end()) && ÇözülebilirMi(d);
}

} // namespace

class GameTest : public QObject {
    Q_OBJECT

private slots:
    // Neighbours; a repeated piece refused; completion by Tag text, the last place left out.
    void board() {
        // Each of the 24 edges of 4 x 4 seen from both ends; no place its own, none off the board.
        int çiftler = 0;
        for (int i = -1; i <= 16; ++i)
            for (int e = -1; e <= 16; ++e)
                çiftler += KomşuMu(i, e, 4);
        QCOMPARE(çiftler, 48);
        OyunTahtası tahta;
        tahta.SıralıGöster(3);
        QCOMPARE(HataNumarası([&] { tahta.Dağıt({0, 0, 1, 2, 3, 4, 5, 6}); }), 5);
        tahta.Dağıt({0, 1, 2, 3, 4, 5, 6, 7, 8});
        QVERIFY(!tahta.Taşı(9) && !tahta.Taşı(-1) && tahta.TamamlandıMı());
        tahta.YeriKur(7, 7, u"07"_s);
        QVERIFY(!tahta.TamamlandıMı());
        tahta.YeriKur(7, 7, u"7"_s);
        tahta.YeriKur(8, 0, u"x"_s);
        QVERIFY(tahta.TamamlandıMı());
    }

    void dealsArePlayableAndFair() {
        // Generators stuck on the solved order or straying out of [0, 1) still deal a game.
        for (double değer : {0.0, 1.0, 7.5, -0.5, std::numeric_limits<double>::quiet_NaN()}) {
            SabitKaynak kaynak(değer);
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
        // 49 degrees of freedom: a fair deal gives about 49 +- 10; one pair off by 10 % adds 25.
        const double beklenen = DağıtımSayısı / 8.0;
        double kiKare = 0;
        for (auto &satır : sayılar)
            for (int sayı : satır)
                kiKare += (sayı - beklenen) * (sayı - beklenen) / beklenen;
        QVERIFY2(kiKare < 120, qPrintable(QString::number(kiKare)));
    }

    void cutArithmetic() {
        for (const auto &[değer, yakın] : {std::pair{2.5, 2}, {3.5, 4}, {-2.5, -2}, {2.5000001, 3}})
            QCOMPARE(EnYakın(değer), yakın);
        QCOMPARE(HataNumarası([] { EnYakın(1e12); }), 6);
        // The board's last place ends where the frame's margins and gaps leave it.
        const QSize çerçeve(5745, 4485);
        for (const auto &[n, boyut, köşe] : {std::tuple{3, QSize(1753, 1313), QPoint(5513, 4283)},
                                             {4, QSize(1309, 979), QPoint(5512, 4282)}}) {
            QCOMPARE(ParçaBoyutuTwip(çerçeve, n), boyut);
            QCOMPARE(YerDikdörtgeniTwip(çerçeve, n, n * n - 1).bottomRight() + QPoint(1, 1), köşe);
            QCOMPARE(HataNumarası([&] { YerDikdörtgeniTwip(çerçeve, n, n * n); }), 9);
        }
        // Rows follow the same arithmetic as columns: a square photo checks both.
        for (const auto &[en, başlar, hücre] :
             {std::tuple{10, QList<int>{0, 2, 5, 8}, 2}, {14, QList<int>{0, 4, 7, 10}, 4}})
            for (int k = 0; k < 16; ++k)
                QCOMPARE(HücreDikdörtgeni(QSize(en, en), 4, k),
                         QRect(başlar[k % 4], başlar[k / 4], hücre, hücre));
        QCOMPARE(HataNumarası([] { HücreDikdörtgeni(QSize(10, 10), 4, 16); }), 9);
    }

    void savedBoardIsCheckedWhole() {
        const auto çöz = [](const QStringList &değerler, int kenar = 3) {
            AyarListesi satırlar;
            for (const QString &değer : değerler)
                satırlar.emplace_back(u"x"_s, değer); // keys are not looked at
            return KayıtlıDüzeniÇöz(satırlar, kenar);
        };
        // A 3 x 3 game in progress with the empty place at 4.
        const QStringList geçerli = {u"3"_s, u"0"_s, u"1"_s, u"7"_s, u"4B"_s,
                                     u"2"_s, u"6"_s, u"5"_s, u"4"_s};
        const auto düzen = çöz(geçerli);
        QVERIFY(düzen && düzen->BoşParça == 4 && düzen->Etiketler[4] == u"4"_s);
        QCOMPARE(düzen->Parçalar, (std::vector<int>{3, 0, 1, 7, -1, 2, 6, 5, 4}));
        // Rows no running game writes: bad empty place, pieces, number spelling, finished board.
        QList<std::pair<int, QString>> bozuklar{{4, u"3B"_s}, {4, u"8"_s}, {4, u"4b"_s}};
        for (const QString &değer : {u"0B"_s, u"0"_s, u"8"_s, u"-3"_s, u"03"_s, u" 3"_s, QString(),
                                     u"٣"_s, u"3.0"_s, u"99999999999999999999"_s})
            bozuklar.append({0, değer});
        for (const auto &[yer, değer] : bozuklar) {
            QStringList değerler = geçerli;
            değerler[yer] = değer;
            QVERIFY2(!çöz(değerler), qPrintable(değer));
        }
        QVERIFY(!çöz(geçerli, 4) && !çöz(geçerli.mid(1)) && !çöz(geçerli + QStringList{u"9"_s}));
        QVERIFY(!çöz({u"0"_s, u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s, u"6"_s, u"7"_s, u"8B"_s}));
    }

    // Counters out of range, as from an edited saved game, carry too. Seconds first.
    void clockCarries() {
        const struct {
            OyunSaati önce;
            QList<int> sonra;
            bool günBitti;
        } satırlar[] = {{{59, 59, 0}, {0, 0, 1}, false},  {{59, 59, 22}, {0, 0, 23}, false},
                        {{59, 59, 23}, {0, 0, 24}, true}, {{75, 0, 0}, {0, 1, 0}, false},
                        {{0, 99, 0}, {1, 0, 1}, false},   {{0, 0, 255}, {1, 0, 255}, true}};
        for (auto [süre, sonra, günBitti] : satırlar) {
            QCOMPARE(süre.Tıkla(), günBitti);
            QCOMPARE((QList<int>{süre.Saniye, süre.Dakika, süre.Saat}), sonra);
        }
    }

    // The elapsed time, whatever the locale's time of day looks like; the congratulation.
    void texts() {
        for (const char *yerel : {"en_US", "C", "tr_TR", "ar_EG"}) {
            QLocale::setDefault(QLocale(QString::fromLatin1(yerel)));
            QCOMPARE(SüreMetni(0, 0, 32), u"00:00:32"_s);
        }
        QLocale::setDefault(QLocale::system());
        QCOMPARE(HataNumarası([&] { SüreMetni(24, 0, 0); }), 13);
        const QString baş = u"Tebrikler! Fotoğrafı tamamladınız!\r\n\r\nTamamlama Süreniz : "_s;
        const QString son = u"\r\n\r\nHamle Sayınız : "_s;
        QCOMPARE(TebrikMetni({5, 2, 0}, 57), baş + u"2 dakika, 5 saniye"_s + son + u"57"_s);
        QCOMPARE(TebrikMetni({0, 0, 1}, 100), baş + u"1 saat, "_s + son + u"100"_s);
    }
};

QTEST_GUILESS_MAIN(GameTest)
#include "test_game.moc"
