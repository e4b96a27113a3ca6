// SPDX-License-Identifier: GPL-3.0-or-later
// The link label, its stored layout and the about box.
#include "about/HakkindaFormu.h"
#include "about/OzellikCantasi.h"
#include "tests/core/HataNumarasi.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

using namespace Qt::Literals::StringLiterals;

namespace {

// The pointer moved onto `nokta` of `denetim`, routed by the toolkit from its window.
void FareyiGetir(QWidget *denetim, QPoint nokta = {2, 2}) {
    QTest::mouseMove(denetim->window(), denetim->mapTo(denetim->window(), nokta));
}

} // namespace

class AboutTest : public QObject {
    Q_OBJECT

private slots:
    // What a stored layout leaves out takes the default; a value of the wrong type is error 13.
    void storedLayoutOmitsDefaults() {
        WebEtiketi bağlantı(nullptr);
        bağlantı.SetAktifRenk(Qt::red);
        bağlantı.ReadProperties(ÖzellikÇantası::JsonNesnesinden({{u"Caption"_s, u"2500"_s}}));
        QCOMPARE(bağlantı.Caption(), u"2500"_s);
        QCOMPARE(bağlantı.AktifRenk(), QColor(Qt::blue));
        const auto bozuk = ÖzellikÇantası::JsonNesnesinden({{u"AktifRenk"_s, u"0,0,256"_s}});
        QCOMPARE(HataNumarası([&] { bağlantı.ReadProperties(bozuk); }), 13);
    }

    // Hovering underlines a link, or gives a colour-changing one PasifRenk; labels, picture, frame
    // and button reset nothing, the free surfaces reset all. Only a left click on a link's text
    // opens its address, and the desktop's opener is handed only complete addresses.
    void hoverAndClickOnLinks() {
        QStringList açılanlar;
        WebEtiketi::AçıcıKur([&](const QString &adres) { açılanlar.append(adres); });
        HakkindaFormu form(nullptr);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        WebEtiketi *web = form.NuvVorudovEtiketi, *mesaj = form.MesajGönderEtiketi,
                   *eposta = form.EPostaGönderEtiketi;
        FareyiGetir(mesaj->Etiket);
        for (QWidget *üstünde : std::initializer_list<QWidget *>{
                 form.Etiket[2], form.SimgeKutusu, eposta->Etiket, form.Çerçeve, form.TamamDüğmesi})
            FareyiGetir(üstünde);
        QVERIFY(mesaj->FontUnderline() && eposta->FontUnderline() && !web->FontUnderline());
        FareyiGetir(form.Altlık, QPoint(form.Altlık->width() - 5, form.Altlık->height() - 5));
        QVERIFY(!mesaj->FontUnderline() && !eposta->FontUnderline());

        web->SetRenkDeğiştir(true);
        FareyiGetir(web->Etiket);
        QVERIFY(web->ForeColor() == web->PasifRenk() && !web->FontUnderline());
        FareyiGetir(&form, QPoint(5, 5));
        QCOMPARE(web->ForeColor(), web->AktifRenk());

        QTest::mouseClick(form.MesajGönderEtiketi, Qt::LeftButton, {}, QPoint(1, 1)); // margin
        QTest::mouseClick(form.MesajGönderEtiketi->Etiket, Qt::RightButton);
        QTest::mouseRelease(form.MesajGönderEtiketi->Etiket, Qt::LeftButton);
        const QStringList adresler{web->Url(), eposta->Url()};
        for (WebEtiketi *b : {web, eposta})
            QTest::mouseClick(b->Etiket, Qt::LeftButton);
        WebEtiketi::AçıcıKur({});
        QCOMPARE(açılanlar, adresler);
        QVERIFY(AçılabilirAdres(adresler[1]) && !AçılabilirAdres(u"nuvvorudov.example"_s));

        // "Sürüm" with minor and revision run together; a failing step leaves its text as it is.
        QCOMPARE(SürümSatırı(1, 2, 10), u"Sürüm 1.210"_s);
        QCOMPARE(form.windowTitle(), u"Program Hakkında"_s);
        mesaj->SetCaption(u"2501"_s); // no such string
        eposta->SetCaption(u"2600"_s);
        form.Form_Load();
        QCOMPARE(mesaj->Caption(), u"2501"_s);
        QCOMPARE(eposta->Caption(), u"E-Posta Gönder"_s);
    }
};

QTEST_MAIN(AboutTest)
#include "test_about.moc"
