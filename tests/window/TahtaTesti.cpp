// SPDX-License-Identifier: GPL-3.0-or-later
// The painted board on its own: what each place shows, slides cut short, the focus frame, and
// its places as a screen reader finds them.
#include "game/OyunErisimi.h"
#include "game/TahtaCizimi.h"
#include "game/cekirdek/YerAdi.h"

#include <QAccessible>
#include <QtTest>

namespace {

const QColor BoşRenk(255, 255, 192);

QImage Parça(int parça) {
    QImage resim(40, 30, QImage::Format_RGB32);
    resim.fill(parça < 0 ? BoşRenk : QColor::fromHsv(parça * 40, 200, 220));
    return resim;
}

struct Tahta {
    QWidget çerçeve;
    TahtaÇizimi *tahta = new TahtaÇizimi(&çerçeve);
    OyunTahtası oyun{3};

    Tahta() {
        çerçeve.resize(200, 160);
        tahta->setGeometry(çerçeve.rect());
        tahta->SetBoşRengi(BoşRenk);
        std::vector<QRect> yerler;
        std::vector<QImage> parçalar;
        for (int yer = 0; yer < 9; ++yer) {
            yerler.emplace_back(10 + yer % 3 * 50, 10 + yer / 3 * 40, 44, 34);
            parçalar.push_back(Parça(yer));
        }
        tahta->YerleriKur(yerler);
        tahta->ParçalarıKoy([parçalar](int parça) { return parçalar[std::size_t(parça)]; });
        oyun.Dağıt({3, 1, 2, 0, 4, 5, 6, 7});
        tahta->Göster(oyun);
    }
    // Each place shows its piece of `parçalar` (-1: the empty colour) inside its sunken border.
    void Gösteriyor(const std::vector<int> &parçalar) const {
        const QImage resim = tahta->grab().toImage().convertToFormat(QImage::Format_RGB32);
        for (int yer = 0; yer < 9; ++yer) {
            const QRect alan = tahta->YerDikdörtgeni(yer);
            QVERIFY2(resim.copy(alan.adjusted(2, 2, -2, -2)) == Parça(parçalar[yer]),
                     qPrintable(QString::number(yer)));
            QCOMPARE(resim.pixel(alan.topLeft()), tahta->palette().color(QPalette::Dark).rgb());
        }
    }
};

} // namespace

class BoardTest : public QObject {
    Q_OBJECT

private slots:
    // A move is seen at once: the piece leaves the empty place's neighbour at the start of its
    // slide, the empty place waits for it. A second move cuts the first short and starts its own;
    // each slide ends once, and the board then shows the game as it stands.
    void slidesCutShort() {
        Tahta t;
        QSignalSpy biten(t.tahta, &TahtaÇizimi::SlideEnded);
        QVERIFY(t.oyun.Taşı(7));
        t.tahta->Kaydır(t.oyun, 7, 8);
        QVERIFY(t.tahta->KayıyorMu() && biten.isEmpty());
        t.Gösteriyor({3, 1, 2, 0, 4, 5, 6, 7, -1}); // piece 7 sets out from place 7
        QVERIFY(t.oyun.Taşı(8));
        t.tahta->Kaydır(t.oyun, 8, 7);
        QCOMPARE(biten.size(), 1);
        t.Gösteriyor({3, 1, 2, 0, 4, 5, 6, -1, 7}); // and back from place 8
        QTRY_COMPARE(biten.size(), 2);
        QVERIFY(!t.tahta->KayıyorMu());
        t.Gösteriyor({3, 1, 2, 0, 4, 5, 6, 7, -1});
        t.tahta->KaymayıBitir(); // none runs: no second end
        QCOMPARE(biten.size(), 2);
    }

    // A click is a press and a release on one place; the frame shows to the keyboard only.
    void clicksAndFocusFrame() {
        Tahta t;
        QSignalSpy tıklanan(t.tahta, &TahtaÇizimi::PlaceClicked);
        QTest::mouseClick(t.tahta, Qt::LeftButton, {}, t.tahta->YerDikdörtgeni(5).center());
        QTest::mouseClick(t.tahta, Qt::LeftButton, {}, QPoint(5, 5)); // beside every place
        QVERIFY(tıklanan.size() == 1 && tıklanan[0][0].toInt() == 5);

        t.çerçeve.show();
        t.çerçeve.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&t.çerçeve));
        const QPoint kenar(t.tahta->YerDikdörtgeni(3).left() - 3,
                           t.tahta->YerDikdörtgeni(3).center().y());
        const QRgb vurgu = t.tahta->palette().color(QPalette::Highlight).rgb();
        t.tahta->clearFocus(); // the window's activation gave it the focus
        t.tahta->setFocus(Qt::TabFocusReason);
        QCOMPARE(t.tahta->grab().toImage().pixel(kenar), vurgu);
        QTest::mousePress(t.tahta, Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(t.tahta->grab().toImage().pixel(kenar) != vurgu);
        QTest::keyClick(t.tahta, Qt::Key_Left);
        QCOMPARE(t.tahta->grab().toImage().pixel(kenar), vurgu);
    }

    // The board is a list of its places in their order: list items named by the game, where
    // they stand on the screen; a smaller grid leaves the places past it invalid.
    void accessiblePlaces() {
        Tahta t;
        OyunErişiminiKur();
        t.tahta->YerAdı = [&](int yer) { return YerAdı(t.oyun, yer); };
        QAccessibleInterface *liste = QAccessible::queryAccessibleInterface(t.tahta);
        QCOMPARE(liste->role(), QAccessible::List);
        QCOMPARE(liste->childCount(), 9);
        for (int yer = 0; yer < 9; ++yer) {
            QAccessibleInterface *öğe = liste->child(yer);
            QVERIFY(öğe == liste->child(yer) && öğe->parent() == liste);
            QCOMPARE(öğe->role(), QAccessible::ListItem);
            QCOMPARE(öğe->text(QAccessible::Name), YerAdı(t.oyun, yer));
            QCOMPARE(liste->indexOfChild(öğe), yer);
            const QRect alan = t.tahta->YerDikdörtgeni(yer);
            QCOMPARE(öğe->rect(), QRect(t.tahta->mapToGlobal(alan.topLeft()), alan.size()));
            QCOMPARE(liste->childAt(öğe->rect().center().x(), öğe->rect().center().y()), öğe);
        }
        QAccessibleInterface *son = liste->child(8);
        t.tahta->YerleriKur({QRect(0, 0, 10, 10), QRect(10, 0, 10, 10)});
        QVERIFY(liste->childCount() == 2 && !liste->child(8) && !son->isValid());
    }
};

QTEST_MAIN(BoardTest)
#include "TahtaTesti.moc"
