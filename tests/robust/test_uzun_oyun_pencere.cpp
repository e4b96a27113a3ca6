// Long play on the real window (offscreen): a hundred 5 x 5 deals and a thousand clicks on random
// places, some through the mouse. The places always show what the board holds, the move count
// follows the moves, and a game saved at the end comes back whole. Under the sanitizers this also
// shows that the window leaks nothing over a long session.
#include "tests/robust/RobustOrtami.h"

#include <QCheckBox>
#include <QLabel>
#include <QRandomGenerator>
#include <QtTest>

namespace {

// The place boxes show the board model: a picture exactly where a piece is, the Tags, and the
// empty place blank.
void PencereTahtayıGösterir(const AnaForm &form) {
    const OyunTahtası &tahta = form.Tahta;
    QCOMPARE(form.DağınıkParçalar.Count(), tahta.YerSayısı());
    for (int yer = 0; yer < tahta.YerSayısı(); ++yer) {
        const auto &model = tahta.YerOf(yer);
        QCOMPARE(form.DağınıkParçalar(yer)->Tag(), model.Tag);
        QCOMPARE(form.DağınıkParçalar(yer)->HasPicture(), model.Parça != OyunTahtası::ParçaYok);
        if (model.Parça != OyunTahtası::ParçaYok)
            QVERIFY(form.DağınıkParçalar(yer)->Picture() ==
                    form.SıralıParçalar(model.Parça)->Picture());
    }
}

} // namespace

class LongWindowPlayTest : public QObject {
    Q_OBJECT

private slots:
    void hundredDealsThousandClicks() {
        RobustOrtamı ortam;
        ortam.ÖrnekYaz(QSize(500, 500));
        SaveSetting(UygulamaAdı, QStringLiteral("Ayarlar"), QStringLiteral("Son Bolme"),
                    QStringLiteral("2"));
        auto form = ortam.Pencere(20240613);
        int sesler = 0;
        form->Ses().Çalındı = [&](const QString &) { ++sesler; };
        form->Form_Load();
        QCOMPARE(form->DağınıkParçalar.Count(), 25);

        QRandomGenerator üreteç(77);
        int tıklar = 0, kazanılan = 0;
        for (int oyun = 0; oyun < 100; ++oyun) {
            form->YeniOyunDüğmesi_Click();
            QCOMPARE(form->SüreHesapla.Interval(), 1000);
            QCOMPARE(form->HamleSayısı, 0);
            int hamle = 0;
            for (int tık = 0; tık < 10; ++tık, ++tıklar) {
                const int yer = int(üreteç.bounded(25));
                const int boş = form->Tahta.BoşParça();
                const int sesÖnce = sesler;
                if (tıklar % 5 == 0)
                    QTest::mouseClick(form->DağınıkParçalar(yer), Qt::LeftButton);
                else
                    form->DağınıkParçalar_Click(yer);
                QCOMPARE(sesler, sesÖnce + 1);     // "TAMAM" or "DUR"
                QCoreApplication::processEvents(); // paints, and the clock's ticks when due
                if (KomşuMu(yer, boş, 5))
                    ++hamle;
                if (form->SüreHesapla.Interval() == 0) { // completed (fanfare, box answered)
                    ++kazanılan;
                    break;
                }
                QCOMPARE(form->HamleSayısı, hamle);
                QCOMPARE(form->Etiket[3]->text(), QString::number(hamle));
                PencereTahtayıGösterir(*form);
            }
        }
        qInfo("%d clicks, %d games won on the way", tıklar, kazanılan);
        QVERIFY(tıklar > 990);
        QVERIFY(!ortam.süreçBitti);
        QCOMPARE(ortam.hatalar, QList<int>{});

        // The last game, saved at close, comes back on the next load exactly as it was left.
        form->OyunuKaydetOnayı->setChecked(true);
        const OyunTahtası bırakılan = form->Tahta;
        const int hamleler = form->HamleSayısı;
        form->ÇıkışDüğmesi_Click();
        form.reset();
        AyarlarıUnut();
        auto yeni = ortam.Pencere();
        yeni->Form_Load();
        QCOMPARE(ortam.hatalar, QList<int>{});
        QCOMPARE(yeni->Tahta.BoşParça(), bırakılan.BoşParça());
        for (int yer = 0; yer < 25; ++yer)
            QCOMPARE(yeni->Tahta.YerOf(yer).Parça, bırakılan.YerOf(yer).Parça);
        QCOMPARE(yeni->HamleSayısı, hamleler);
        PencereTahtayıGösterir(*yeni);
    }
};

QTEST_MAIN(LongWindowPlayTest)
#include "test_uzun_oyun_pencere.moc"
