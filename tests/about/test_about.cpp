// The link label, its stored layout and the about box: layout rule, texts, hover look, closing
// and the addresses handed to the desktop.
#include "about/HakkindaFormu.h"
#include "about/OzellikCantasi.h"
#include "tests/core/HataNumarasi.h"
#include "toolkit/Twip.h"
#include "toolkit/YaziTipi.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

using namespace Qt::Literals::StringLiterals;

namespace {

// True when some pixel of the widget as drawn has exactly this colour (the stems of the text).
bool ÇizimdeRenkVar(QWidget *denetim, const QColor &renk) {
    const QImage resim = denetim->grab().toImage();
    for (int y = 0; y < resim.height(); ++y)
        for (int x = 0; x < resim.width(); ++x)
            if (resim.pixelColor(x, y).rgb() == renk.rgb())
                return true;
    return false;
}

// The pointer moved onto `nokta` of `denetim`, routed by the toolkit from its window.
void FareyiGetir(QWidget *denetim, QPoint nokta) {
    QTest::mouseMove(denetim->window(), denetim->mapTo(denetim->window(), nokta));
}

QSize KenarPayıyla(const QLabel *etiket) { return etiket->size() + QSize(Piksel(60), Piksel(60)); }

} // namespace

class AboutTest : public QObject {
    Q_OBJECT

private slots:
    // ---- The link label ----

    // The label stands 30 twips inside a control that hugs it; a larger font waits for the next
    // caption change, and sizing by the host runs the same rule.
    void layoutRule() {
        QWidget ev;
        WebEtiketi bağlantı(&ev);
        bağlantı.SetCaption(u"Çok daha uzun bir bağlantı yazısı"_s);
        QCOMPARE(bağlantı.Etiket->pos(), QPoint(Piksel(30), Piksel(30)));
        QCOMPARE(bağlantı.size(), KenarPayıyla(bağlantı.Etiket));

        const QSize önceki = bağlantı.size();
        QFont büyük = bağlantı.Font();
        büyük.setPointSizeF(büyük.pointSizeF() * 2);
        bağlantı.SetFont(büyük);
        QCOMPARE(bağlantı.size(), önceki);
        bağlantı.SetCaption(bağlantı.Caption());
        QVERIFY(bağlantı.width() > önceki.width());
        QCOMPARE(bağlantı.size(), KenarPayıyla(bağlantı.Etiket));

        ev.show();
        bağlantı.resize(300, 90);
        QCOMPARE(bağlantı.size(), KenarPayıyla(bağlantı.Etiket));
    }

    void readingAktifRenkRecoloursText() {
        QWidget ev;
        WebEtiketi bağlantı(&ev);
        bağlantı.SetCaption(u"Mesaj Gönder"_s);
        bağlantı.SetForeColor(Qt::red);
        QVERIFY(ÇizimdeRenkVar(bağlantı.Etiket, Qt::red));
        QCOMPARE(bağlantı.AktifRenk(), QColor(0, 0, 255));
        QCOMPARE(bağlantı.ForeColor(), QColor(0, 0, 255));
        QVERIFY(ÇizimdeRenkVar(bağlantı.Etiket, QColor(0, 0, 255)));
        QVERIFY(!ÇizimdeRenkVar(bağlantı.Etiket, Qt::red));
    }

    // ---- The stored layout ----

    void storedLayoutKeepsOnlyWhatDiffers() {
        // A layout without the four own values gives their defaults, whatever was set before.
        ÖzellikÇantası çanta;
        çanta.WriteProperty(u"Caption"_s, u"2500"_s, u"..."_s);
        çanta.WriteProperty(u"ForeColor"_s, QColor(0, 0, 128), QColor(Qt::black));
        çanta.WriteProperty(u"Font"_s, PencereYazıTipi());
        QWidget ev;
        QFont evYazıTipi(u"DejaVu Sans"_s);
        evYazıTipi.setPointSizeF(10.5);
        ev.setFont(evYazıTipi);
        WebEtiketi bağlantı(&ev);
        bağlantı.SetAktifRenk(Qt::red);
        bağlantı.SetPasifRenk(Qt::red);
        bağlantı.SetRenkDeğiştir(true);
        bağlantı.SetUrl(u"mailto:x@y.example"_s);
        QSignalSpy değişiklik(&bağlantı, &WebEtiketi::PropertyChanged);
        bağlantı.ReadProperties(çanta);
        QCOMPARE(değişiklik.count(), 0);
        QCOMPARE(bağlantı.Caption(), u"2500"_s);
        QCOMPARE(bağlantı.ForeColor(), QColor(0, 0, 128)); // the stored colour, not AktifRenk
        QCOMPARE(bağlantı.PasifRenk(), QColor(128, 64, 64));
        QVERIFY(!bağlantı.RenkDeğiştir());
        QCOMPARE(bağlantı.Url(), u"https://nuvvorudov.example"_s);
        QCOMPARE(bağlantı.AktifRenk(), QColor(0, 0, 255));

        // A control with default values stores only its font: the host's when it has none.
        WebEtiketi yeni(&ev);
        yeni.ReadProperties(ÖzellikÇantası());
        ÖzellikÇantası saklanan;
        yeni.WriteProperties(saklanan);
        QCOMPARE(saklanan.Adlar(), QStringList{u"Font"_s});
        QCOMPARE(saklanan.Metin(u"Font"_s), u"DejaVu Sans,10.5,400,0,0,0"_s);

        // A stored font names its face with the window font's fallbacks behind it; a stored
        // value of the wrong type is a type mismatch.
        const QFont yazıTipi = MetindenYazıTipi(u"MS Sans Serif, 8.25, 700, 1, 0, 1"_s);
        QCOMPARE(yazıTipi.families(), (QStringList{u"MS Sans Serif"_s, u"Microsoft Sans Serif"_s,
                                                   u"Liberation Sans"_s, u"DejaVu Sans"_s}));
        QCOMPARE(YazıTipiMetni(yazıTipi), u"MS Sans Serif,8.25,700,1,0,1"_s);
        const auto bozuk = ÖzellikÇantası::JsonNesnesinden({{u"AktifRenk"_s, u"0,0,256"_s}});
        QCOMPARE(HataNumarası([&] { yeni.ReadProperties(bozuk); }), 13);
    }

    // ---- The about box ----

    void loadFillsTexts() {
        QCOMPARE(SürümSatırı(1, 2, 1), u"Sürüm 1.21"_s);
        QCOMPARE(SürümSatırı(1, 2, 10), u"Sürüm 1.210"_s);
        HakkindaFormu form(nullptr);
        QCOMPARE(form.windowTitle(), u"Program Hakkında"_s);
        QCOMPARE(form.Etiket[0]->text(), u"Mozeta"_s);
        QCOMPARE(form.Etiket[1]->text(), u"Sürüm 1.21"_s);
        QCOMPARE(form.Etiket[2]->text(),
                 u"Telif hakkı © 2026 Nuv Vorudov. Tüm hakları saklıdır."_s);
        QCOMPARE(form.Etiket[3]->text(), u"Nuv Vorudov"_s);
        QCOMPARE(form.NuvVorudovEtiketi->Caption(), u"https://nuvvorudov.example"_s);
        QCOMPARE(form.MesajGönderEtiketi->Caption(), u"Mesaj Gönder"_s);
        QCOMPARE(form.EPostaGönderEtiketi->Caption(), u"E-Posta Gönder"_s);
        QCOMPARE(form.TamamDüğmesi->text(), u"Tamam"_s);

        // A fixed dialog whose notice fits its two lines and whose controls fit the panel.
        QCOMPARE(form.minimumSize(), form.maximumSize());
        QVERIFY(
            !(form.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        const QLabel *not_ = form.Etiket[2];
        QVERIFY(not_->fontMetrics()
                    .boundingRect(QRect(0, 0, not_->width(), 1000), Qt::TextWordWrap, not_->text())
                    .height() <= not_->height());
        for (QWidget *denetim : form.Altlık->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            QVERIFY(form.Altlık->rect().contains(denetim->geometry()));

        // A step that fails leaves its text as it stands and the others still run.
        form.MesajGönderEtiketi->SetCaption(u"2501"_s); // no such string
        form.EPostaGönderEtiketi->SetCaption(u"2600"_s);
        form.Etiket[0]->setText(u"#"_s);
        form.Form_Load();
        QCOMPARE(form.MesajGönderEtiketi->Caption(), u"2501"_s);
        QCOMPARE(form.EPostaGönderEtiketi->Caption(), u"E-Posta Gönder"_s);
        QCOMPARE(form.Etiket[0]->text(), u"Mozeta"_s);
    }

    // Hovering underlines a link, or gives a colour-changing one PasifRenk. Labels, picture,
    // frame and button reset nothing, so highlights add up; the panel's free surface and the
    // window's own surface reset them, the text staying in its own colour.
    void hoverLook() {
        HakkindaFormu form(nullptr);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        WebEtiketi *web = form.NuvVorudovEtiketi, *mesaj = form.MesajGönderEtiketi,
                   *eposta = form.EPostaGönderEtiketi;

        // Only the text counts, not the margin around it, and only the text shows the hand.
        QCOMPARE(mesaj->Etiket->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(mesaj->cursor().shape(), Qt::ArrowCursor);
        FareyiGetir(mesaj, QPoint(0, 0));
        QVERIFY(!mesaj->FontUnderline());
        FareyiGetir(mesaj->Etiket, QPoint(2, 2));
        QVERIFY(mesaj->FontUnderline());
        QCOMPARE(mesaj->ForeColor(), QColor(0, 0, 128));
        FareyiGetir(mesaj, QPoint(0, 0));
        FareyiGetir(form.Etiket[2], QPoint(3, 3));
        FareyiGetir(form.SimgeKutusu, QPoint(2, 2));
        FareyiGetir(eposta->Etiket, QPoint(2, 2));
        FareyiGetir(form.Etiket[3], QPoint(2, 2));
        FareyiGetir(form.Çerçeve, QPoint(1, 1));
        FareyiGetir(form.TamamDüğmesi, QPoint(2, 2));
        // A drag over a label is passed on to the panel, which still resets nothing.
        QMouseEvent sürükleme(QEvent::MouseMove, QPointF(3, 3), QPointF(), Qt::NoButton,
                              Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(form.Etiket[3], &sürükleme);
        QVERIFY(mesaj->FontUnderline() && eposta->FontUnderline() && !web->FontUnderline());

        const QPoint boş(form.Altlık->width() - 5, form.Altlık->height() - 5);
        QVERIFY(!form.Altlık->childAt(boş));
        FareyiGetir(form.Altlık, boş);
        QVERIFY(!mesaj->FontUnderline() && !eposta->FontUnderline());
        QCOMPARE(mesaj->ForeColor(), QColor(0, 0, 128));
        QVERIFY(ÇizimdeRenkVar(mesaj->Etiket, QColor(0, 0, 128)));

        web->SetRenkDeğiştir(true);
        FareyiGetir(web->Etiket, QPoint(2, 2));
        QCOMPARE(web->ForeColor(), QColor(128, 64, 64));
        QVERIFY(!web->FontUnderline());
        FareyiGetir(&form, QPoint(5, 5));
        QCOMPARE(web->ForeColor(), QColor(0, 0, 255));
    }

    // Modal and centred over its owner; Esc presses OK.
    void escClosesLikeOk() {
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
            QTest::keyClick(&form, Qt::Key_Escape);
        });
        QCOMPARE(form.exec(), int(QDialog::Accepted));
        QVERIFY(modal);
        QVERIFY(merkezFarkı.manhattanLength() <= 4);
        QCOMPARE(tamam.count(), 1);
    }

    void clickingLinksOpensTheirAddresses() {
        QStringList açılanlar;
        WebEtiketi::AçıcıKur([&](const QString &adres) { açılanlar.append(adres); });
        HakkindaFormu form(nullptr);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QTest::mouseClick(form.MesajGönderEtiketi, Qt::LeftButton, {}, QPoint(1, 1)); // margin
        QTest::mouseClick(form.MesajGönderEtiketi->Etiket, Qt::RightButton);
        for (WebEtiketi *b :
             {form.NuvVorudovEtiketi, form.MesajGönderEtiketi, form.EPostaGönderEtiketi})
            QTest::mouseClick(b->Etiket, Qt::LeftButton);
        WebEtiketi::AçıcıKur({});
        QCOMPARE(açılanlar,
                 (QStringList{u"https://nuvvorudov.example"_s,
                              u"https://nuvvorudov.example/asp/mesaj/mesaj.asp?ProgramAdi=Mozeta"_s,
                              u"mailto:iletisim@nuvvorudov.example"_s}));
        QVERIFY(form.isVisible());

        // The desktop's own opener is handed only complete addresses.
        QVERIFY(AçılabilirAdres(u"mailto:iletisim@nuvvorudov.example"_s));
        for (const QString &adres :
             {QString(), u"   "_s, u"nuvvorudov.example"_s, u"http://exa mple.com:abc"_s})
            QVERIFY2(!AçılabilirAdres(adres), qPrintable(adres));
    }
};

QTEST_MAIN(AboutTest)
#include "test_about.moc"
