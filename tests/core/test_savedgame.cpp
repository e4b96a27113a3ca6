// Tests of the saved board: the values written and the whole check made before a restore.
#include "game/Dagitim.h"
#include "game/KayitliOyun.h"
#include "game/Tahta.h"
#include "toolkit/AyarDeposu.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

const QString Uygulama = QStringLiteral("Nuv Zovevav\\Mozeta-Tr");

AyarListesi Satırlar(const QStringList &değerler) {
    AyarListesi satırlar;
    for (int i = 0; i < değerler.size(); ++i)
        satırlar.emplace_back(QStringLiteral("Foto-%1").arg(i), değerler[i]);
    return satırlar;
}

// A 3 x 3 game in progress: pieces on every place but 4, which is empty.
QStringList Geçerli() {
    return {QStringLiteral("3"), QStringLiteral("0"),  QStringLiteral("1"),
            QStringLiteral("7"), QStringLiteral("4B"), QStringLiteral("2"),
            QStringLiteral("6"), QStringLiteral("5"),  QStringLiteral("4")};
}

} // namespace

class SavedGameTest : public QObject {
    Q_OBJECT

private slots:
    void valueOfEachPlace() {
        QCOMPARE(KayıtDeğeri(8, 8, QStringLiteral("8")), QStringLiteral("8B"));
        QCOMPARE(KayıtDeğeri(6, 6, QStringLiteral("3")), QStringLiteral("6B"));
        QCOMPARE(KayıtDeğeri(2, 6, QStringLiteral("11")), QStringLiteral("11"));
    }

    void validRowsGiveTheBoard() {
        const auto düzen = KayıtlıDüzeniÇöz(Satırlar(Geçerli()), 3);
        QVERIFY(düzen);
        QCOMPARE(düzen->BoşParça, 4);
        QCOMPARE(düzen->Parçalar, (std::vector<int>{3, 0, 1, 7, -1, 2, 6, 5, 4}));
        QCOMPARE(düzen->Etiketler[4], QStringLiteral("4"));
        QCOMPARE(düzen->Etiketler[3], QStringLiteral("7"));
    }

    void keyNamesAreNotLookedAt() {
        AyarListesi satırlar = Satırlar(Geçerli());
        for (auto &satır : satırlar)
            satır.first = QStringLiteral("x");
        QVERIFY(KayıtlıDüzeniÇöz(satırlar, 3));
    }

    void invalidRowsAreRefusedWhole_data() {
        QTest::addColumn<int>("yer");
        QTest::addColumn<QString>("değer");
        QTest::newRow("empty place not naming its row") << 4 << "3B";
        QTest::newRow("second empty place") << 0 << "0B";
        QTest::newRow("no empty place") << 4 << "8";
        QTest::newRow("repeated piece") << 0 << "0";
        QTest::newRow("last piece on the board") << 0 << "8";
        QTest::newRow("out of range") << 0 << "9";
        QTest::newRow("negative") << 0 << "-3";
        QTest::newRow("sign") << 0 << "+3";
        QTest::newRow("leading zero") << 0 << "03";
        QTest::newRow("leading zero empty") << 4 << "04B";
        QTest::newRow("space") << 0 << " 3";
        QTest::newRow("trailing space") << 0 << "3 ";
        QTest::newRow("empty") << 0 << "";
        QTest::newRow("lowercase b") << 4 << "4b";
        QTest::newRow("only B") << 4 << "B";
        QTest::newRow("text") << 0 << "üç";
        QTest::newRow("decimal") << 0 << "3.0";
        QTest::newRow("arabic digits") << 0 << "٣";
        QTest::newRow("huge") << 0 << "99999999999999999999";
    }
    void invalidRowsAreRefusedWhole() {
        QFETCH(int, yer);
        QFETCH(QString, değer);
        QStringList değerler = Geçerli();
        değerler[yer] = değer;
        QVERIFY(!KayıtlıDüzeniÇöz(Satırlar(değerler), 3));
    }

    void rowCountMustMatchTheBoard() {
        QStringList değerler = Geçerli();
        QVERIFY(!KayıtlıDüzeniÇöz(Satırlar(değerler), 4));
        değerler.removeLast();
        QVERIFY(!KayıtlıDüzeniÇöz(Satırlar(değerler), 3));
        değerler = Geçerli() << QStringLiteral("9");
        QVERIFY(!KayıtlıDüzeniÇöz(Satırlar(değerler), 3));
        QVERIFY(!KayıtlıDüzeniÇöz({}, 3));
    }

    // A 4 x 4 game saved through the store comes back place by place, Foto-10 after Foto-9.
    void gameSurvivesTheStore() {
        QTemporaryDir klasör;
        QVERIFY(klasör.isValid());
        AyarKlasörünüKur(klasör.path());

        MersenneKaynağı kaynak(5);
        OyunTahtası tahta;
        tahta.SıralıGöster(4);
        tahta.Dağıt(Dağıtım(4, kaynak));
        for (int yer : {14, 10, 6, 5, 9, 13})
            QVERIFY(tahta.Taşı(yer));
        QCOMPARE(tahta.BoşParça(), 13);

        {
            AyarToplusu topluluk;
            for (int yer = 0; yer < tahta.YerSayısı(); ++yer)
                SaveSetting(Uygulama, QStringLiteral("Oyun"), QStringLiteral("Foto-%1").arg(yer),
                            KayıtDeğeri(yer, tahta.BoşParça(), tahta.YerOf(yer).Tag));
        }
        AyarlarıUnut();
        const auto düzen = KayıtlıDüzeniÇöz(GetAllSettings(Uygulama, QStringLiteral("Oyun")), 4);
        QVERIFY(düzen);
        QCOMPARE(düzen->BoşParça, 13);

        OyunTahtası geri;
        geri.BoşGöster(4);
        for (int yer = 0; yer < 16; ++yer) {
            if (yer == düzen->BoşParça)
                geri.BoşYeriKur(yer);
            else
                geri.YeriKur(yer, düzen->Parçalar[yer], düzen->Etiketler[yer]);
        }
        QCOMPARE(geri.BoşParça(), tahta.BoşParça());
        for (int yer = 0; yer < 16; ++yer) {
            QCOMPARE(geri.YerOf(yer).Parça, tahta.YerOf(yer).Parça);
            if (yer != tahta.BoşParça())
                QCOMPARE(geri.YerOf(yer).Tag, tahta.YerOf(yer).Tag);
        }
        AyarKlasörünüKur({});
    }
};

QTEST_APPLESS_MAIN(SavedGameTest)
#include "test_savedgame.moc"
