// The link label: its layout rule, its look, its mouse events and its click.
#include "about/WebEtiketi.h"
#include "tests/about/Cizim.h"
#include "toolkit/Twip.h"

#include <QLabel>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QtTest>

using namespace Qt::Literals::StringLiterals;

namespace {

void FareyiGezdir(QWidget *hedef, QPoint konum) {
    QMouseEvent olay(QEvent::MouseMove, konum, hedef->mapToGlobal(konum), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(hedef, &olay);
}

} // namespace

class LinkTest : public QObject {
    Q_OBJECT

    QWidget *ev_ = nullptr;
    WebEtiketi *bağlantı_ = nullptr;
    QStringList açılanlar_;

private slots:
    void init() {
        ev_ = new QWidget;
        ev_->resize(400, 200);
        bağlantı_ = new WebEtiketi(ev_);
        bağlantı_->move(20, 20);
        açılanlar_.clear();
        WebEtiketi::AçıcıKur([this](const QString &adres) { açılanlar_.append(adres); });
    }

    void cleanup() {
        delete ev_;
        WebEtiketi::AçıcıKur({});
    }

    void longerCaptionWidensControlAtOnce() {
        bağlantı_->SetCaption(u"kısa"_s);
        const int önceki = bağlantı_->width();
        QSignalSpy değişiklik(bağlantı_, &WebEtiketi::PropertyChanged);
        bağlantı_->SetCaption(u"Çok daha uzun bir bağlantı yazısı"_s);

        QCOMPARE(değişiklik.count(), 1);
        QCOMPARE(değişiklik.at(0).at(0).toString(), u"Caption"_s);
        QVERIFY(bağlantı_->width() > önceki);
        QCOMPARE(bağlantı_->Etiket->pos(), QPoint(Piksel(30), Piksel(30)));
        QCOMPARE(bağlantı_->width(), bağlantı_->Etiket->width() + Piksel(60));
        QCOMPARE(bağlantı_->height(), bağlantı_->Etiket->height() + Piksel(60));
        QCOMPARE(bağlantı_->Etiket->size(), bağlantı_->Etiket->sizeHint());
    }

    // Sizing by the host runs the same rule: the control always hugs its text.
    void hostSizingFitsText() {
        bağlantı_->SetCaption(u"Mesaj Gönder"_s);
        const QSize uygun = bağlantı_->size();
        ev_->show();
        bağlantı_->resize(300, 90);
        QCOMPARE(bağlantı_->size(), uygun);
    }

    void largerFontWaitsForNextSizing() {
        bağlantı_->SetCaption(u"Mesaj Gönder"_s);
        const QSize önceki = bağlantı_->size();
        const QSize etiketÖnce = bağlantı_->Etiket->size();
        QFont büyük = bağlantı_->Font();
        büyük.setPointSizeF(büyük.pointSizeF() * 2);
        bağlantı_->SetFont(büyük);

        QVERIFY(bağlantı_->Etiket->width() > etiketÖnce.width());
        QCOMPARE(bağlantı_->size(), önceki);

        bağlantı_->SetCaption(bağlantı_->Caption());
        QCOMPARE(bağlantı_->width(), bağlantı_->Etiket->width() + Piksel(60));
        QCOMPARE(bağlantı_->height(), bağlantı_->Etiket->height() + Piksel(60));
    }

    void readingAktifRenkRecoloursText() {
        bağlantı_->SetCaption(u"Mesaj Gönder"_s);
        bağlantı_->SetForeColor(Qt::red);
        QCOMPARE(bağlantı_->ForeColor(), QColor(Qt::red));
        QVERIFY(ÇizimdeRenkVar(bağlantı_->Etiket, Qt::red));
        QCOMPARE(bağlantı_->AktifRenk(), QColor(0, 0, 255));
        QCOMPARE(bağlantı_->ForeColor(), QColor(0, 0, 255));
        QVERIFY(ÇizimdeRenkVar(bağlantı_->Etiket, QColor(0, 0, 255)));
        QVERIFY(!ÇizimdeRenkVar(bağlantı_->Etiket, Qt::red));

        bağlantı_->SetAktifRenk(QColor(0, 0, 128));
        QCOMPARE(bağlantı_->ForeColor(), QColor(0, 0, 128));
    }

    // Each setter reports what it changed under its persistence name.
    void settersReportTheirNames() {
        QSignalSpy değişiklik(bağlantı_, &WebEtiketi::PropertyChanged);
        QFont italik = bağlantı_->Font();
        italik.setItalic(true);

        bağlantı_->SetCaption(u"x"_s);
        bağlantı_->SetFontUnderline(true);
        bağlantı_->SetForeColor(Qt::green);
        bağlantı_->SetFont(italik);
        bağlantı_->SetAktifRenk(Qt::blue);
        bağlantı_->SetPasifRenk(Qt::gray);
        bağlantı_->SetRenkDeğiştir(true);
        bağlantı_->SetUrl(u"mailto:a@b.example"_s);

        QStringList adlar;
        for (const auto &bildirim : değişiklik)
            adlar.append(bildirim.at(0).toString());
        QCOMPARE(adlar, (QStringList{u"Caption"_s, u"FontUnderline"_s, u"ForeColor"_s, u"Font"_s,
                                     u"AktifRenk"_s, u"PasifRenk"_s, u"RenkDeğiştir"_s, u"Url"_s}));
        QCOMPARE(bağlantı_->Caption(), u"x"_s);
        QVERIFY(bağlantı_->Font().italic());
        QCOMPARE(bağlantı_->PasifRenk(), QColor(Qt::gray));
        QVERIFY(bağlantı_->RenkDeğiştir());
        QCOMPARE(bağlantı_->Url(), u"mailto:a@b.example"_s);
    }

    // Only the text reports moves; the margin around it neither reports nor passes them on.
    void mouseMoveOnlyOverText() {
        bağlantı_->SetCaption(u"Mesaj Gönder"_s);
        ev_->setMouseTracking(true);
        ev_->show();
        QVERIFY(QTest::qWaitForWindowExposed(ev_));
        QSignalSpy hareket(bağlantı_, &WebEtiketi::MouseMove);

        FareyiGezdir(bağlantı_->Etiket, QPoint(3, 3));
        QCOMPARE(hareket.count(), 1);
        QCOMPARE(hareket.at(0).at(2).toPointF(), QPointF(3, 3));

        // Through the window, as the pointer really moves: first the margin, then the text.
        QTest::mouseMove(ev_, bağlantı_->pos() + QPoint(1, 1));
        QCOMPARE(hareket.count(), 1);
        QTest::mouseMove(ev_, bağlantı_->pos() + bağlantı_->Etiket->geometry().center());
        QCOMPARE(hareket.count(), 2);
    }

    void handCursorOnlyOverText() {
        QCOMPARE(bağlantı_->Etiket->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(bağlantı_->cursor().shape(), Qt::ArrowCursor);
    }

    void clickOnTextOpensUrl() {
        bağlantı_->SetCaption(u"E-Posta Gönder"_s);
        bağlantı_->SetUrl(u"mailto:iletisim@nuvvorudov.example"_s);
        ev_->show();
        QVERIFY(QTest::qWaitForWindowExposed(ev_));

        QTest::mouseClick(bağlantı_, Qt::LeftButton, {}, QPoint(1, 1));
        QVERIFY(açılanlar_.isEmpty());
        QTest::mouseClick(bağlantı_->Etiket, Qt::RightButton);
        QVERIFY(açılanlar_.isEmpty());
        QTest::mouseClick(bağlantı_->Etiket, Qt::LeftButton);
        QCOMPARE(açılanlar_, QStringList{u"mailto:iletisim@nuvvorudov.example"_s});
    }

    // The desktop is handed only addresses it can act on; anything else does nothing at all.
    void openableAddresses_data() {
        QTest::addColumn<QString>("adres");
        QTest::addColumn<bool>("açılır");
        QTest::newRow("web") << u"https://nuvvorudov.example"_s << true;
        QTest::newRow("message page")
            << u"https://nuvvorudov.example/asp/mesaj/mesaj.asp?ProgramAdi=Mozeta"_s << true;
        QTest::newRow("mailto") << u"mailto:iletisim@nuvvorudov.example"_s << true;
        QTest::newRow("empty") << QString() << false;
        QTest::newRow("blank") << u"   "_s << false;
        QTest::newRow("no scheme") << u"nuvvorudov.example"_s << false;
        QTest::newRow("malformed") << u"http://exa mple.com:abc"_s << false;
    }

    void openableAddresses() {
        QFETCH(QString, adres);
        QFETCH(bool, açılır);
        QCOMPARE(AçılabilirAdres(adres), açılır);
    }
};

QTEST_MAIN(LinkTest)
#include "test_link.moc"
