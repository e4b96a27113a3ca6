// Tests of the game clock: carrying, the long-time display, the congratulation text.
#include "CekirdekTestleri.h"
#include "game/OyunSaati.h"

#include <QTest>
#include <ctime>

namespace {

OyunSaati Süre(int saat, int dakika, int saniye) {
    OyunSaati süre;
    süre.Saat = std::uint8_t(saat);
    süre.Dakika = std::uint8_t(dakika);
    süre.Saniye = std::uint8_t(saniye);
    return süre;
}

} // namespace

class ClockTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        // The time-zone token would print "UTC" here; no formatted time may show it.
        qputenv("TZ", "UTC");
        tzset();
    }

    void tickCarries_data() {
        QTest::addColumn<int>("saat");
        QTest::addColumn<int>("dakika");
        QTest::addColumn<int>("saniye");
        QTest::addColumn<int>("sonraSaat");
        QTest::addColumn<int>("sonraDakika");
        QTest::addColumn<int>("sonraSaniye");
        QTest::newRow("first second") << 0 << 0 << 0 << 0 << 0 << 1;
        QTest::newRow("59 s") << 0 << 0 << 59 << 0 << 1 << 0;
        QTest::newRow("59:59") << 0 << 59 << 59 << 1 << 0 << 0;
        QTest::newRow("1:02:03") << 1 << 2 << 3 << 1 << 2 << 4;
        QTest::newRow("22:59:59") << 22 << 59 << 59 << 23 << 0 << 0;
        // Counters read back from an edited saved game still carry.
        QTest::newRow("75 s") << 0 << 0 << 75 << 0 << 1 << 0;
        QTest::newRow("0:99:00") << 0 << 99 << 0 << 1 << 0 << 1;
    }
    void tickCarries() {
        QFETCH(int, saat);
        QFETCH(int, dakika);
        QFETCH(int, saniye);
        OyunSaati süre = Süre(saat, dakika, saniye);
        QVERIFY(!süre.Tıkla());
        QTEST(int(süre.Saat), "sonraSaat");
        QTEST(int(süre.Dakika), "sonraDakika");
        QTEST(int(süre.Saniye), "sonraSaniye");
    }

    void tickReachesTwentyFourHours() {
        OyunSaati süre = Süre(23, 59, 59);
        QVERIFY(süre.Tıkla());
        QCOMPARE(int(süre.Saat), 24);
        süre.Sıfırla();
        QCOMPARE(UzunSaat(QLocale(QLocale::Turkish, QLocale::Turkey), süre.Saat, süre.Dakika,
                          süre.Saniye),
                 QStringLiteral("00:00:00"));
        QVERIFY(!süre.Tıkla());
        QCOMPARE(int(süre.Saniye), 1);
    }

    void longTimeFormatWithoutTimeZone() {
        const QLocale türkçe(QLocale::Turkish, QLocale::Turkey);
        QCOMPARE(UzunSaatBiçimi(türkçe), QStringLiteral("HH:mm:ss"));
        QCOMPARE(UzunSaat(türkçe, 1, 2, 3), QStringLiteral("01:02:03"));
        QCOMPARE(UzunSaat(türkçe, 0, 0, 1), QStringLiteral("00:00:01"));
        const QLocale amerikan(QLocale::English, QLocale::UnitedStates);
        QCOMPARE(UzunSaatBiçimi(amerikan), QStringLiteral("h:mm:ss AP"));
        QCOMPARE(UzunSaat(amerikan, 13, 2, 3), QStringLiteral("1:02:03 PM"));
    }

    void timeZoneStripping_data() {
        QTest::addColumn<QString>("biçim");
        QTest::addColumn<QString>("beklenen");
        QTest::newRow("trailing") << "HH:mm:ss t"
                                  << "HH:mm:ss";
        QTest::newRow("leading") << "t HH:mm:ss"
                                 << "HH:mm:ss";
        QTest::newRow("in brackets") << "H:mm:ss (t)"
                                     << "H:mm:ss";
        QTest::newRow("square brackets") << "H:mm:ss [ t ]"
                                         << "H:mm:ss";
        QTest::newRow("middle") << "AP h t:mm"
                                << "AP h :mm";
        QTest::newRow("run of t") << "HH:mm:ss tttt"
                                  << "HH:mm:ss";
        QTest::newRow("after comma") << "HH:mm:ss, t"
                                     << "HH:mm:ss";
        QTest::newRow("quoted t kept") << "HH 'h' mm 'tt' ss t"
                                       << "HH 'h' mm 'tt' ss";
        QTest::newRow("quoted bracket kept") << "'(' HH:mm:ss ')' (t)"
                                             << "'(' HH:mm:ss ')'";
        QTest::newRow("escaped quote") << "HH 'o''clock' t"
                                       << "HH 'o''clock'";
        QTest::newRow("no zone") << "HH:mm:ss"
                                 << "HH:mm:ss";
    }
    void timeZoneStripping() {
        QFETCH(QString, biçim);
        QTEST(SaatDiliminiAyıkla(biçim), "beklenen");
    }

    void noLocaleShowsTheTimeZone() {
        const auto yereller = QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript,
                                                       QLocale::AnyTerritory);
        QVERIFY(yereller.size() > 100);
        for (const QLocale &yerel : yereller) {
            const QString metin = UzunSaat(yerel, 1, 2, 3);
            QVERIFY2(!metin.isEmpty() && !metin.contains(QStringLiteral("UTC")) &&
                         !metin.contains(u'(') && !metin.endsWith(u' '),
                     qPrintable(yerel.name() + QStringLiteral(": ") + metin));
        }
    }

    void timeThatIsNotATimeOfDay() {
        const QLocale türkçe(QLocale::Turkish, QLocale::Turkey);
        QCOMPARE(HataNumarası([&] { UzunSaat(türkçe, 24, 0, 0); }), 13);
        QCOMPARE(HataNumarası([&] { UzunSaat(türkçe, 0, 75, 0); }), 13);
    }

    void congratulation_data() {
        QTest::addColumn<int>("saat");
        QTest::addColumn<int>("dakika");
        QTest::addColumn<int>("saniye");
        QTest::addColumn<int>("hamle");
        QTest::addColumn<QString>("süreSatırı");
        QTest::newRow("2 min 5 s, 57 moves")
            << 0 << 2 << 5 << 57 << QStringLiteral(u"Tamamlama Süreniz : 2 dakika, 5 saniye");
        QTest::newRow("1 h exactly, 100 moves")
            << 1 << 0 << 0 << 100 << QStringLiteral(u"Tamamlama Süreniz : 1 saat, ");
        QTest::newRow("under a second")
            << 0 << 0 << 0 << 1 << QStringLiteral(u"Tamamlama Süreniz : ");
        QTest::newRow("all three") << 23 << 59 << 59 << 123456
                                   << QStringLiteral(u"Tamamlama Süreniz : 23 saat, 59 dakika, "
                                                     u"59 saniye");
    }
    void congratulation() {
        QFETCH(int, saat);
        QFETCH(int, dakika);
        QFETCH(int, saniye);
        QFETCH(int, hamle);
        QFETCH(QString, süreSatırı);
        const QString beklenen = QStringLiteral(u"Tebrikler! Fotoğrafı tamamladınız!\r\n\r\n") +
                                 süreSatırı + QStringLiteral(u"\r\n\r\nHamle Sayınız : ") +
                                 QString::number(hamle);
        QCOMPARE(TebrikMetni(Süre(saat, dakika, saniye), hamle), beklenen);
    }

    void congratulationHasFiveLines() {
        const QStringList satırlar = TebrikMetni(Süre(0, 2, 5), 57).split(QStringLiteral("\r\n"));
        QCOMPARE(satırlar.size(), 5);
        QVERIFY(satırlar[1].isEmpty() && satırlar[3].isEmpty());
        QCOMPARE(satırlar[4], QStringLiteral(u"Hamle Sayınız : 57"));
    }
};

QTEST_GUILESS_MAIN(ClockTest)
#include "test_clock.moc"
