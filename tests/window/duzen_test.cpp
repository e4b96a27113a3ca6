// The main window's layout, the board laid out for each grid, and the wiring of its controls.
#include "startup/OrtakYordamlarModulu.h"
#include "tests/window/PencereOrtami.h"
#include "toolkit/Twip.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace {

const QColor Bordo(128, 0, 0);
const QColor KoyuTuruncu(192, 64, 0);

QString DüzMetin(QString metin) { return metin.remove(QLatin1Char('&')); }

// The control the Tab key goes to from `kontrol`.
QWidget *SonrakiSekme(QWidget *kontrol) {
    do
        kontrol = kontrol->nextInFocusChain();
    while (!(kontrol->focusPolicy() & Qt::TabFocus));
    return kontrol;
}

} // namespace

class WindowLayoutTest : public QObject {
    Q_OBJECT

private slots:
    void beforeTheLoadCaptionsAreIdentifiers() {
        PencereOrtamı ortam;
        AnaForm form;
        QCOMPARE(form.Çerçeve[0]->title(), QStringLiteral("100"));
        QCOMPARE(form.Çerçeve[3]->title(), QStringLiteral("500"));
        QCOMPARE(form.ParçalaraBölSeçeneği[2]->text(), QStringLiteral("230"));
        QCOMPARE(form.SesleriKapatOnayı->text(), QStringLiteral("420"));
        QCOMPARE(form.Etiket[2]->text(), QStringLiteral("520"));
        QCOMPARE(form.ÇıkışDüğmesi->text(), QStringLiteral("900"));
        QVERIFY(form.Etiket[1]->text().isEmpty());
        QVERIFY(form.Etiket[3]->text().isEmpty());

        QCOMPARE(form.DağınıkParçalar.Count(), 1);
        QCOMPARE(form.SıralıParçalar.Count(), 1);
        QVERIFY(!form.DağınıkParçalar(0)->isHidden());
        QVERIFY(form.SıralıParçalar(0)->isHidden());
        QVERIFY(form.OrjinalFotoğrafKutusu->isHidden());
        for (QRadioButton *seçenek : form.ParçalaraBölSeçeneği)
            QVERIFY(!seçenek->isChecked());
        QVERIFY(form.FotoğrafınÖrneğiniGöster->isChecked());
        QVERIFY(!form.OyunuKaydetOnayı->isChecked());
        QCOMPARE(form.SüreHesapla.Interval(), 0);
    }

    void windowIsFixedWithoutMaximiseButton() {
        PencereOrtamı ortam;
        AnaForm form;
        QCOMPARE(form.minimumSize(), QSize(634, 413));
        QCOMPARE(form.maximumSize(), QSize(634, 413));
        QVERIFY(form.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!form.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
        // The board frame's own size is what the split measures the places from.
        QCOMPARE(form.Çerçeve[0]->size() * TwipBaşınaPiksel, QSize(5745, 4485));
    }

    void coloursCursorsAndTabOrder() {
        PencereOrtamı ortam;
        AnaForm form;
        for (QGroupBox *çerçeve : form.Çerçeve)
            QCOMPARE(çerçeve->palette().color(QPalette::WindowText), Bordo);
        // The frames' colour stops at their captions.
        QVERIFY(form.ParçalaraBölSeçeneği[0]->palette().color(QPalette::WindowText) != Bordo);
        QVERIFY(form.Etiket[0]->palette().color(QPalette::WindowText) != Bordo);
        for (const int i : {1, 3}) {
            QCOMPARE(form.Etiket[i]->palette().color(QPalette::WindowText), KoyuTuruncu);
            QVERIFY(form.Etiket[i]->font().bold());
        }
        QVERIFY(!form.Etiket[0]->font().bold());

        const QList<QWidget *> el = {form.FotoğrafınÖrneğiniGöster, form.OyunuKaydetOnayı,
                                     form.SesleriKapatOnayı,        form.ParçalaraBölSeçeneği[0],
                                     form.ParçalaraBölSeçeneği[2],  form.DağınıkParçalar(0)};
        for (QWidget *kontrol : el)
            QCOMPARE(kontrol->cursor().shape(), Qt::PointingHandCursor);

        const QList<QWidget *> sıra = {form.ParçalaraBölSeçeneği[0], form.ParçalaraBölSeçeneği[1],
                                       form.ParçalaraBölSeçeneği[2], form.FotoğrafınÖrneğiniGöster,
                                       form.OyunuKaydetOnayı,        form.SesleriKapatOnayı,
                                       form.YeniOyunDüğmesi,         form.YeniFotoğrafDüğmesi,
                                       form.HakkındaDüğmesi,         form.ÇıkışDüğmesi};
        for (qsizetype i = 1; i < sıra.size(); ++i)
            QCOMPARE(SonrakiSekme(sıra[i - 1]), sıra[i]);
    }

    // After the texts are filled in, every caption fits its control, and the time and move
    // count start right of their captions.
    void everyTextFitsAfterLocalisation() {
        PencereOrtamı ortam;
        AnaForm form;
        FormuYerelleştir(&form);
        QCOMPARE(form.Etiket[0]->text(), QStringLiteral("Geçen Süre :"));
        form.Etiket[1]->setText(QStringLiteral("01:02:03 ÖS"));
        form.Etiket[3]->setText(QStringLiteral("123456"));

        for (QAbstractButton *düğme : form.findChildren<QAbstractButton *>()) {
            const bool basmalı = qobject_cast<QPushButton *>(düğme) != nullptr;
            const int gereken =
                basmalı ? düğme->fontMetrics().horizontalAdvance(DüzMetin(düğme->text())) + 8
                        : düğme->sizeHint().width();
            QVERIFY2(gereken <= düğme->width(),
                     qPrintable(QStringLiteral("\"%1\" needs %2 pixels, has %3")
                                    .arg(düğme->text())
                                    .arg(gereken)
                                    .arg(düğme->width())));
            QVERIFY(düğme->fontMetrics().height() <= düğme->height() + 2);
        }
        for (QLabel *etiket : form.Etiket) {
            QVERIFY2(etiket->fontMetrics().horizontalAdvance(etiket->text()) <= etiket->width(),
                     qPrintable(etiket->text()));
            QVERIFY(etiket->fontMetrics().height() <= etiket->height());
            QVERIFY(etiket->geometry().right() < etiket->parentWidget()->width());
        }
        for (const int i : {0, 2}) {
            QCOMPARE(form.Etiket[i]->geometry().right() + 1, Piksel(1320));
            QVERIFY(form.Etiket[i]->alignment().testFlag(Qt::AlignRight));
            QCOMPARE(form.Etiket[i + 1]->x(), Piksel(1380));
        }
        for (QGroupBox *çerçeve : form.Çerçeve)
            QVERIFY(çerçeve->fontMetrics().horizontalAdvance(çerçeve->title()) <
                    çerçeve->width() - 20);
    }

    // The board for each grid: places measured in twips from the frame, every place as large as
    // place 0 so a piece fills it exactly, the pieces hidden and cut to the places' inner size.
    void boardGeometryForEachGrid_data() {
        QTest::addColumn<int>("seçim");
        QTest::addColumn<int>("kenar");
        QTest::addColumn<int>("enTwip");
        QTest::addColumn<int>("boyTwip");
        QTest::addColumn<int>("sağTwip");
        QTest::addColumn<int>("altTwip");
        QTest::newRow("3 x 3") << 0 << 3 << 1753 << 1313 << 5513 << 4283;
        QTest::newRow("4 x 4") << 1 << 4 << 1309 << 979 << 5512 << 4282;
        QTest::newRow("5 x 5") << 2 << 5 << 1043 << 779 << 5513 << 4283;
    }
    void boardGeometryForEachGrid() {
        QFETCH(int, seçim);
        QFETCH(int, kenar);
        QFETCH(int, enTwip);
        QFETCH(int, boyTwip);
        QFETCH(int, sağTwip);
        QFETCH(int, altTwip);
        PencereOrtamı ortam;
        AnaForm form;
        form.OrjinalFotoğrafKutusu->SetPicture(ÖrnekFotoğraf(QSize(300, 200)));
        // Laying out a larger board first shows that a smaller one leaves no place behind.
        form.ParçalaraBölSeçeneği_Click(2);
        form.ParçalaraBölSeçeneği_Click(seçim);
        QVERIFY2(ortam.hatalar.isEmpty(), qPrintable(ortam.hatalar.join(u',')));

        const QSize boyut(Piksel(210 + enTwip) - Piksel(210), Piksel(300 + boyTwip) - Piksel(300));
        QCOMPARE(form.DağınıkParçalar.Count(), kenar * kenar);
        QCOMPARE(form.SıralıParçalar.Count(), kenar * kenar);
        for (int yer = 0; yer < kenar * kenar; ++yer) {
            ResimKutusu *kutu = form.DağınıkParçalar(yer);
            const QPoint beklenen(Piksel(210 + (yer % kenar) * (enTwip + 22)),
                                  Piksel(300 + (yer / kenar) * (boyTwip + 22)));
            QCOMPARE(kutu->geometry(), QRect(beklenen, boyut));
            QCOMPARE(kutu->parentWidget(), form.Çerçeve[0]);
            QVERIFY(!kutu->isHidden());
            QCOMPARE(kutu->cursor().shape(), Qt::PointingHandCursor);

            ResimKutusu *parça = form.SıralıParçalar(yer);
            QVERIFY(parça->isHidden());
            QCOMPARE(parça->size(), boyut);
            QCOMPARE(parça->Image().deviceIndependentSize().toSize(), kutu->contentsRect().size());
            QCOMPARE(kutu->Picture(), parça->Image());
        }
        const QRect son = form.DağınıkParçalar(kenar * kenar - 1)->geometry();
        QVERIFY(qAbs(son.right() + 1 - Piksel(sağTwip)) <= 1);
        QVERIFY(qAbs(son.bottom() + 1 - Piksel(altTwip)) <= 1);
        QVERIFY(son.bottom() < form.Çerçeve[0]->height() - 4);
    }

    // The options answer the player's click only, and only when it changes the grid.
    void optionsSplitWhenThePlayerChangesTheGrid() {
        PencereOrtamı ortam;
        ortam.ÖrnekYaz();
        auto form = ortam.Yükle();
        QCOMPARE(form->DağınıkParçalar.Count(), 9);

        QRadioButton *dörtlü = form->ParçalaraBölSeçeneği[1];
        QTest::mouseClick(dörtlü, Qt::LeftButton, {}, QPoint(6, dörtlü->height() / 2));
        QCOMPARE(BölmeSeçimi, 1);
        QCOMPARE(form->DağınıkParçalar.Count(), 16);
        QCOMPARE(form->SüreHesapla.Interval(), 0);
        QVERIFY(form->DağınıkParçalar(15)->HasPicture());

        const ResimKutusu *yer = form->DağınıkParçalar(15);
        QTest::mouseClick(dörtlü, Qt::LeftButton, {}, QPoint(6, dörtlü->height() / 2));
        QCOMPARE(form->DağınıkParçalar(15), yer);
        form->ParçalaraBölSeçeneği[2]->setChecked(true);
        QCOMPARE(form->DağınıkParçalar.Count(), 16);
    }

    // A click on a place loaded by the split reaches the handler with that place's index.
    void placeClicksCarryTheirIndex() {
        PencereOrtamı ortam;
        ortam.ÖrnekYaz();
        auto form = ortam.Yükle();
        QTest::mouseClick(form->DağınıkParçalar(4), Qt::LeftButton);
        QCOMPARE(form->SüreHesapla.Interval(), 1000); // a click with no game deals one
        QCOMPARE(form->Tahta.BoşParça(), 8);
        QTest::mouseClick(form->DağınıkParçalar(7), Qt::LeftButton);
        QCOMPARE(form->Tahta.BoşParça(), 7);
        QTest::mouseClick(form->DağınıkParçalar(4), Qt::LeftButton);
        QCOMPARE(form->Tahta.BoşParça(), 4);
        QCOMPARE(form->HamleSayısı, 2);
    }

    void escapePressesTheExitButtonFromAnywhere() {
        PencereOrtamı ortam;
        ortam.ÖrnekYaz();
        auto form = ortam.Yükle();
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        int basıldı = 0;
        connect(form->ÇıkışDüğmesi, &QPushButton::clicked, [&] { ++basıldı; });
        form->SesleriKapatOnayı->setFocus();
        QTest::keyClick(form->SesleriKapatOnayı, Qt::Key_Escape);
        QCOMPARE(basıldı, 1);
        QVERIFY(!form->isVisible());
    }
};

QTEST_MAIN(WindowLayoutTest)
#include "duzen_test.moc"
