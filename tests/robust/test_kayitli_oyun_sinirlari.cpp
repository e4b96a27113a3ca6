// Saved boards at their limits: the finished picture is not a game to restore, and sides whose
// square does not fit an int are refused without arithmetic overflow.
#include "game/KayitliOyun.h"
#include "game/Tahta.h"

#include <QtTest>
#include <climits>

namespace {

AyarListesi Satırlar(const QStringList &değerler) {
    AyarListesi satırlar;
    for (int i = 0; i < değerler.size(); ++i)
        satırlar.emplace_back(QStringLiteral("Foto-%1").arg(i), değerler[i]);
    return satırlar;
}

QStringList Sıralı(int kenar) {
    QStringList değerler;
    for (int yer = 0; yer < kenar * kenar - 1; ++yer)
        değerler << QString::number(yer);
    return değerler << QStringLiteral("%1B").arg(kenar * kenar - 1);
}

} // namespace

class SavedBoardLimitsTest : public QObject {
    Q_OBJECT

private slots:
    // A running game is never in the finished order (the move that makes it ends the game), so
    // such rows were not written by one. Restored, the next slide of the piece beside the corner
    // would count as a win with that piece's place left blank.
    void finishedPictureIsNotRestored() {
        for (int kenar = 3; kenar <= 5; ++kenar) {
            QVERIFY(!KayıtlıDüzeniÇöz(Satırlar(Sıralı(kenar)), kenar));

            const int son = kenar * kenar - 1;
            OyunTahtası tahta;
            tahta.BoşGöster(kenar);
            for (int yer = 0; yer < son; ++yer)
                tahta.YeriKur(yer, yer, QString::number(yer));
            tahta.BoşYeriKur(son);
            QVERIFY(tahta.Taşı(son - 1));
            QVERIFY(tahta.TamamlandıMı()); // the win that must not happen
            QCOMPARE(tahta.YerOf(son - 1).Parça, int(OyunTahtası::ParçaYok));
        }
    }

    // One move from the finish is a game, and that move wins with every piece in place.
    void oneMoveFromTheFinishIsRestored() {
        for (int kenar = 3; kenar <= 5; ++kenar) {
            const int son = kenar * kenar - 1;
            QStringList değerler = Sıralı(kenar);
            değerler[son - 1] = QStringLiteral("%1B").arg(son - 1);
            değerler[son] = QString::number(son - 1);
            const auto düzen = KayıtlıDüzeniÇöz(Satırlar(değerler), kenar);
            QVERIFY(düzen);
            OyunTahtası tahta;
            tahta.BoşGöster(kenar);
            for (int yer = 0; yer <= son; ++yer) {
                if (düzen->Parçalar[yer] < 0)
                    tahta.BoşYeriKur(yer);
                else
                    tahta.YeriKur(yer, düzen->Parçalar[yer], düzen->Etiketler[yer]);
            }
            QVERIFY(tahta.Taşı(son));
            QVERIFY(tahta.TamamlandıMı());
            for (int yer = 0; yer < son; ++yer)
                QCOMPARE(tahta.YerOf(yer).Parça, yer);
        }
    }

    void sidesWhoseSquareOverflowAreRefused() {
        for (int kenar : {46341, 65536, INT_MAX, INT_MIN, -1, 0}) {
            QVERIFY(!KayıtlıDüzeniÇöz({}, kenar));
            QVERIFY(!KayıtlıDüzeniÇöz(Satırlar({QStringLiteral("0B")}), kenar));
        }
    }
};

QTEST_GUILESS_MAIN(SavedBoardLimitsTest)
#include "test_kayitli_oyun_sinirlari.moc"
