// The about box: its texts, its links' settings and hover look, closing, and opening addresses.
#include "about/HakkindaFormu.h"
#include "tests/about/Cizim.h"
#include "toolkit/Twip.h"

#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

using namespace Qt::Literals::StringLiterals;

namespace {

void FareyiGezdir(QWidget *hedef, QPoint konum, Qt::MouseButtons düğmeler = Qt::NoButton) {
    QMouseEvent olay(QEvent::MouseMove, konum, hedef->mapToGlobal(konum), Qt::NoButton, düğmeler,
                     Qt::NoModifier);
    QApplication::sendEvent(hedef, &olay);
}

void BağlantıyaGel(WebEtiketi *bağlantı) { FareyiGezdir(bağlantı->Etiket, QPoint(2, 2)); }

// A point of the panel that no control covers.
QPoint BoşAltlıkNoktası(const HakkindaFormu &form) {
    const QPoint nokta(form.Altlık->width() - 5, form.Altlık->height() - 5);
    return form.Altlık->childAt(nokta) ? QPoint(-1, -1) : nokta;
}

} // namespace

class AboutBoxTest : public QObject {
    Q_OBJECT

private slots:

    void versionLine() {
        QCOMPARE(SürümSatırı(1, 2, 1), u"Sürüm 1.21"_s);
        QCOMPARE(SürümSatırı(1, 2, 10), u"Sürüm 1.210"_s);
        QCOMPARE(SürümSatırı(2, 0, 0), u"Sürüm 2.00"_s);
    }

    // Every text is in place before the window is first shown; no identifier ever shows.
    void loadFillsTexts() {
        HakkindaFormu form(nullptr);
        QCOMPARE(form.windowTitle(), u"Program Hakkında"_s);
        QCOMPARE(form.Etiket[0]->text(), u"Mozeta"_s);
        QCOMPARE(form.Etiket[1]->text(), u"Sürüm 1.21"_s);
        QCOMPARE(form.Etiket[2]->text(), YasalHaklarNotu());
        QCOMPARE(form.Etiket[3]->text(), u"Nuv Vorudov"_s);
        QCOMPARE(form.NuvVorudovEtiketi->Caption(), u"https://nuvvorudov.example"_s);
        QCOMPARE(form.MesajGönderEtiketi->Caption(), u"Mesaj Gönder"_s);
        QCOMPARE(form.EPostaGönderEtiketi->Caption(), u"E-Posta Gönder"_s);
        QCOMPARE(form.TamamDüğmesi->text(), u"Tamam"_s);
        for (const QLabel *etiket : form.findChildren<QLabel *>()) {
            QVERIFY2(etiket->text() != u"2500" && etiket->text() != u"2600",
                     qPrintable(etiket->text()));
            QVERIFY(etiket->text() != u"#");
        }
        // The links fitted their new captions.
        for (const WebEtiketi *b :
             {form.NuvVorudovEtiketi, form.MesajGönderEtiketi, form.EPostaGönderEtiketi})
            QCOMPARE(b->width(), b->Etiket->width() + Piksel(60));
    }

    // Each text fits where it stands: the notice in its two-line box, the rest on the panel.
    void textsFitTheirPlaces() {
        HakkindaFormu form(nullptr);
        const QLabel *not_ = form.Etiket[2];
        const QRect gereken = not_->fontMetrics().boundingRect(QRect(0, 0, not_->width(), 1000),
                                                               Qt::TextWordWrap, not_->text());
        QVERIFY2(gereken.height() <= not_->height(), qPrintable(QString::number(gereken.height())));
        for (QWidget *denetim : form.Altlık->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            QVERIFY(form.Altlık->rect().contains(denetim->geometry()));
    }

    void linkSettingsFromStoredLayout() {
        HakkindaFormu form(nullptr);
        const QString web = u"https://nuvvorudov.example"_s;
        struct Beklenen {
            WebEtiketi *bağlantı;
            QColor renk;
            QString url;
        };
        for (const Beklenen &b : {Beklenen{form.NuvVorudovEtiketi, QColor(0, 0, 255), web},
                                  Beklenen{form.MesajGönderEtiketi, QColor(0, 0, 128),
                                           web + u"/asp/mesaj/mesaj.asp?ProgramAdi=Mozeta"_s},
                                  Beklenen{form.EPostaGönderEtiketi, QColor(0, 0, 128),
                                           u"mailto:iletisim@nuvvorudov.example"_s}}) {
            QCOMPARE(b.bağlantı->ForeColor(), b.renk);
            QCOMPARE(b.bağlantı->Url(), b.url);
            QCOMPARE(b.bağlantı->PasifRenk(), QColor(128, 64, 64));
            QVERIFY(!b.bağlantı->RenkDeğiştir());
            QVERIFY(!b.bağlantı->FontUnderline());
            QCOMPARE(b.bağlantı->Font().families().value(0), u"MS Sans Serif"_s);
            QCOMPARE(b.bağlantı->Font().pointSizeF(), 8.25);
            QCOMPARE(b.bağlantı->AktifRenk(), b.renk);
        }
    }

    void windowLayout() {
        HakkindaFormu form(nullptr);
        QCOMPARE(form.size(), QSize(362, 258));
        QCOMPARE(form.minimumSize(), form.maximumSize());
        QVERIFY(
            !(form.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QVERIFY(form.Çerçeve->title().isEmpty());
        QCOMPARE(form.TamamDüğmesi->geometry(), TwipDikdörtgeni(3870, 3240, 1245, 345));
        QCOMPARE(form.Altlık->palette().color(QPalette::Window),
                 form.palette().color(QPalette::Window));
        QCOMPARE(form.SimgeKutusu->pixmap().size(), QSize(32, 32));
    }

    void hoverUnderlinesAndPanelResets() {
        HakkindaFormu form(nullptr);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        WebEtiketi *mesaj = form.MesajGönderEtiketi;

        BağlantıyaGel(mesaj);
        QVERIFY(mesaj->FontUnderline());
        QCOMPARE(mesaj->ForeColor(), QColor(0, 0, 128));
        QVERIFY(!form.NuvVorudovEtiketi->FontUnderline());

        // The margin around a link's text is not the panel's free surface.
        FareyiGezdir(mesaj, QPoint(0, 0));
        QVERIFY(mesaj->FontUnderline());

        const QPoint boş = BoşAltlıkNoktası(form);
        QVERIFY(boş.x() >= 0);
        FareyiGezdir(form.Altlık, boş);
        QVERIFY(!mesaj->FontUnderline());
        QCOMPARE(mesaj->ForeColor(), QColor(0, 0, 128));
        QVERIFY(ÇizimdeRenkVar(mesaj->Etiket, QColor(0, 0, 128)));
        QCOMPARE(form.NuvVorudovEtiketi->ForeColor(), QColor(0, 0, 255));
    }

    // Labels, the picture, the frame and the button reset nothing, so highlights add up.
    void movingOntoTextLeavesLinksHighlighted() {
        HakkindaFormu form(nullptr);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));

        BağlantıyaGel(form.NuvVorudovEtiketi);
        FareyiGezdir(form.Etiket[1], QPoint(2, 2));
        FareyiGezdir(form.SimgeKutusu, QPoint(2, 2));
        BağlantıyaGel(form.EPostaGönderEtiketi);
        FareyiGezdir(form.Etiket[3], QPoint(2, 2));
        FareyiGezdir(form.Etiket[3], QPoint(3, 3), Qt::LeftButton); // a drag passes it upwards
        FareyiGezdir(form.EPostaGönderEtiketi, QPoint(0, 0), Qt::LeftButton);
        FareyiGezdir(form.Çerçeve, QPoint(1, 1));
        FareyiGezdir(form.TamamDüğmesi, QPoint(2, 2));
        QVERIFY(form.NuvVorudovEtiketi->FontUnderline());
        QVERIFY(form.EPostaGönderEtiketi->FontUnderline());
        QVERIFY(!form.MesajGönderEtiketi->FontUnderline());

        // The window's own surface outside the frame resets them all.
        FareyiGezdir(&form, QPoint(5, 5));
        QVERIFY(!form.NuvVorudovEtiketi->FontUnderline());
        QVERIFY(!form.EPostaGönderEtiketi->FontUnderline());
    }

    // The same moves made by the pointer itself, routed by the toolkit to what lies under it.
    void realPointerRouting() {
        HakkindaFormu form(nullptr);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        WebEtiketi *mesaj = form.MesajGönderEtiketi;
        const auto formda = [&](QWidget *w, QPoint p) { return w->mapTo(&form, p); };

        QTest::mouseMove(&form, formda(mesaj->Etiket, mesaj->Etiket->rect().center()));
        QVERIFY(mesaj->FontUnderline());
        QTest::mouseMove(&form, formda(form.Etiket[2], QPoint(3, 3)));
        QVERIFY(mesaj->FontUnderline());
        QTest::mouseMove(&form, formda(form.Altlık, BoşAltlıkNoktası(form)));
        QVERIFY(!mesaj->FontUnderline());
    }

    void colourChangingLinkTakesPasifRenk() {
        HakkindaFormu form(nullptr);
        WebEtiketi *web = form.NuvVorudovEtiketi;
        web->SetRenkDeğiştir(true);
        BağlantıyaGel(web);
        QCOMPARE(web->ForeColor(), QColor(128, 64, 64));
        QVERIFY(!web->FontUnderline());
        FareyiGezdir(&form, QPoint(5, 5));
        QCOMPARE(web->ForeColor(), QColor(0, 0, 255));
    }

    void escClosesLikeOk_data() {
        QTest::addColumn<bool>("esc");
        QTest::newRow("Esc") << true;
        QTest::newRow("Tamam") << false;
    }

    void escClosesLikeOk() {
        QFETCH(bool, esc);
        QWidget sahip;
        sahip.setGeometry(100, 100, 600, 450);
        sahip.show();
        HakkindaFormu form(&sahip);
        QSignalSpy tamam(form.TamamDüğmesi, &QPushButton::clicked);
        bool modal = false;
        QPoint merkezFarkı;
        QTimer::singleShot(0, &form, [&] {
            modal = QApplication::activeModalWidget() == &form;
            merkezFarkı = form.geometry().center() - sahip.geometry().center();
            if (esc)
                QTest::keyClick(&form, Qt::Key_Escape);
            else
                QTest::mouseClick(form.TamamDüğmesi, Qt::LeftButton);
        });
        QCOMPARE(form.exec(), int(QDialog::Accepted));
        QVERIFY(modal);
        QVERIFY2(merkezFarkı.manhattanLength() <= 4,
                 qPrintable(u"%1,%2"_s.arg(merkezFarkı.x()).arg(merkezFarkı.y())));
        QCOMPARE(tamam.count(), 1);
        QVERIFY(!form.isVisible());
    }

    // A step that fails leaves its text as it stands and the others still run.
    void failingLoadStepIsSkipped() {
        HakkindaFormu form(nullptr);
        form.MesajGönderEtiketi->SetCaption(u"2501"_s); // no such string
        form.Etiket[0]->setText(u"#"_s);
        form.Form_Load();
        QCOMPARE(form.MesajGönderEtiketi->Caption(), u"2501"_s);
        QCOMPARE(form.EPostaGönderEtiketi->Caption(), u"E-Posta Gönder"_s);
        QCOMPARE(form.Etiket[0]->text(), u"Mozeta"_s);
        QCOMPARE(form.TamamDüğmesi->text(), u"Tamam"_s);
    }

    void clickingLinksOpensTheirAddresses() {
        QStringList açılanlar;
        WebEtiketi::AçıcıKur([&](const QString &adres) { açılanlar.append(adres); });
        HakkindaFormu form(nullptr);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        for (WebEtiketi *b :
             {form.NuvVorudovEtiketi, form.MesajGönderEtiketi, form.EPostaGönderEtiketi})
            QTest::mouseClick(b->Etiket, Qt::LeftButton);
        WebEtiketi::AçıcıKur({});

        QCOMPARE(açılanlar,
                 (QStringList{u"https://nuvvorudov.example"_s,
                              u"https://nuvvorudov.example/asp/mesaj/mesaj.asp?ProgramAdi=Mozeta"_s,
                              u"mailto:iletisim@nuvvorudov.example"_s}));
        QVERIFY(form.isVisible());
    }
};

QTEST_MAIN(AboutBoxTest)
#include "test_aboutbox.moc"
