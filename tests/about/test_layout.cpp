// The stored layout of a link: defaults, the omit-if-default rule, fonts and design captions.
#include "resources/DizgiKimligi.h"
#include "about/OzellikCantasi.h"
#include "about/WebEtiketi.h"
#include "toolkit/YaziTipi.h"
#include "toolkit/HataPolitikasi.h"

#include <QLabel>
#include <QSignalSpy>
#include <QtTest>

using namespace Qt::Literals::StringLiterals;

namespace {

// The error number a step raises; 0 when it runs through.
template <class Adım> int HataNumarası(Adım &&adım) {
    int numara = 0;
    HataKapanı::Kurtar(adım, [&](const ÇalışmaHatası &hata) { numara = hata.Numara(); });
    return numara;
}

} // namespace

class LayoutTest : public QObject {
    Q_OBJECT

    QWidget ev_;

private slots:
    void initTestCase() {
        QFont evYazıTipi(u"DejaVu Sans"_s);
        evYazıTipi.setPointSizeF(10.5);
        ev_.setFont(evYazıTipi);
    }

    // A layout that keeps only the label's values leaves the four own values at their defaults.
    void missingOwnValuesGiveDefaults() {
        ÖzellikÇantası çanta;
        çanta.WriteProperty(u"Caption"_s, u"2500"_s, u"..."_s);
        çanta.WriteProperty(u"ForeColor"_s, QColor(0, 0, 128), QColor(Qt::black));
        çanta.WriteProperty(u"Font"_s, PencereYazıTipi());

        WebEtiketi bağlantı(&ev_);
        bağlantı.SetAktifRenk(Qt::red);
        bağlantı.SetPasifRenk(Qt::red);
        bağlantı.SetRenkDeğiştir(true);
        bağlantı.SetUrl(u"mailto:x@y.example"_s);
        const QSize önceki = bağlantı.size();
        QSignalSpy değişiklik(&bağlantı, &WebEtiketi::PropertyChanged);
        bağlantı.ReadProperties(çanta);

        QCOMPARE(değişiklik.count(), 0);
        QCOMPARE(bağlantı.size(), önceki); // reading does not lay the control out
        QCOMPARE(bağlantı.Caption(), u"2500"_s);
        QCOMPARE(bağlantı.ForeColor(), QColor(0, 0, 128)); // the stored colour, not AktifRenk
        QCOMPARE(bağlantı.PasifRenk(), QColor(128, 64, 64));
        QVERIFY(!bağlantı.RenkDeğiştir());
        QCOMPARE(bağlantı.Url(), u"https://nuvvorudov.example"_s);
        QCOMPARE(bağlantı.AktifRenk(), QColor(0, 0, 255));
    }

    void emptyLayoutGivesControlDefaults() {
        WebEtiketi bağlantı(&ev_);
        bağlantı.SetCaption(u"eski"_s);
        bağlantı.SetFontUnderline(true);
        bağlantı.SetForeColor(Qt::red);
        bağlantı.ReadProperties(ÖzellikÇantası());

        QCOMPARE(bağlantı.Caption(), u"..."_s);
        QVERIFY(!bağlantı.FontUnderline());
        QCOMPARE(bağlantı.ForeColor(), ev_.palette().color(QPalette::ButtonText));
        QCOMPARE(bağlantı.Font().family(), u"DejaVu Sans"_s); // the host's font
        QCOMPARE(bağlantı.Font().pointSizeF(), 10.5);
    }

    void savingDefaultsStoresOnlyFont() {
        WebEtiketi bağlantı(&ev_);
        bağlantı.ReadProperties(ÖzellikÇantası());
        ÖzellikÇantası çanta;
        bağlantı.WriteProperties(çanta);
        QCOMPARE(çanta.Adlar(), QStringList{u"Font"_s});
        QCOMPARE(çanta.Metin(u"Font"_s), u"DejaVu Sans,10.5,400,0,0,0"_s);
    }

    // Every value that differs is kept, in the control's order, and reads back the same.
    void changedValuesRoundTrip() {
        WebEtiketi kaynak(&ev_);
        kaynak.SetCaption(u"Mesaj Gönder"_s);
        kaynak.SetFontUnderline(true);
        kaynak.SetForeColor(QColor(0, 0, 128));
        kaynak.SetAktifRenk(QColor(0, 0, 128));
        kaynak.SetPasifRenk(QColor(1, 2, 3));
        kaynak.SetRenkDeğiştir(true);
        kaynak.SetUrl(u"mailto:iletisim@nuvvorudov.example"_s);
        ÖzellikÇantası çanta;
        kaynak.WriteProperties(çanta);
        QCOMPARE(çanta.Adlar(),
                 (QStringList{u"Caption"_s, u"FontUnderline"_s, u"ForeColor"_s, u"Font"_s,
                              u"AktifRenk"_s, u"PasifRenk"_s, u"RenkDeğiştir"_s, u"Url"_s}));

        WebEtiketi hedef(&ev_);
        hedef.ReadProperties(ÖzellikÇantası::JsonNesnesinden(çanta.JsonNesnesi()));
        QCOMPARE(hedef.Caption(), u"Mesaj Gönder"_s);
        QVERIFY(hedef.FontUnderline()); // the stored font keeps the underline too
        QCOMPARE(hedef.ForeColor(), QColor(0, 0, 128));
        QCOMPARE(hedef.PasifRenk(), QColor(1, 2, 3));
        QVERIFY(hedef.RenkDeğiştir());
        QCOMPARE(hedef.Url(), u"mailto:iletisim@nuvvorudov.example"_s);
        QCOMPARE(hedef.AktifRenk(), QColor(0, 0, 128));
    }

    // The window font names the classic face and falls back to faces this system may have.
    void fontTextKeepsFaceAndFallbacks() {
        const QFont yazıTipi = MetindenYazıTipi(u"MS Sans Serif, 8.25, 700, 1, 0, 1"_s);
        QCOMPARE(yazıTipi.families(), (QStringList{u"MS Sans Serif"_s, u"Microsoft Sans Serif"_s,
                                                   u"Liberation Sans"_s, u"DejaVu Sans"_s}));
        QCOMPARE(yazıTipi.pointSizeF(), 8.25);
        QCOMPARE(yazıTipi.weight(), QFont::Bold);
        QVERIFY(yazıTipi.italic() && !yazıTipi.underline() && yazıTipi.strikeOut());
        QCOMPARE(YazıTipiMetni(yazıTipi), u"MS Sans Serif,8.25,700,1,0,1"_s);
    }

    void badStoredValuesAreTypeMismatches_data() {
        QTest::addColumn<QString>("ad");
        QTest::addColumn<QString>("metin");
        QTest::newRow("colour with two parts") << u"ForeColor"_s << u"0,0"_s;
        QTest::newRow("colour out of range") << u"AktifRenk"_s << u"0,0,256"_s;
        QTest::newRow("flag") << u"RenkDeğiştir"_s << u"evet"_s;
        QTest::newRow("font size") << u"Font"_s << u"MS Sans Serif,büyük,400,0,0,0"_s;
        QTest::newRow("font fields") << u"Font"_s << u"MS Sans Serif,8.25"_s;
    }

    void badStoredValuesAreTypeMismatches() {
        QFETCH(QString, ad);
        QFETCH(QString, metin);
        QJsonObject nesne;
        nesne.insert(ad, metin);
        WebEtiketi bağlantı(&ev_);
        QCOMPARE(
            HataNumarası([&] { bağlantı.ReadProperties(ÖzellikÇantası::JsonNesnesinden(nesne)); }),
            int(ÇalışmaHatası::TürUyuşmazlığı));
    }

    // Design captions standing for string-table entries, read as the window texts are.
    void designCaptions() {
        QCOMPARE(KimliğinMetni(u" 2500 "_s), u"Mesaj Gönder"_s);
        QCOMPARE(KimliğinMetni(u"2600"_s), u"E-Posta Gönder"_s);
        QCOMPARE(DizgiKimliği(u"2000.5"_s), 2000);
        QCOMPARE(DizgiKimliği(u"2001.5"_s), 2002);
        QCOMPARE(HataNumarası([] { DizgiKimliği(u"https://nuvvorudov.example"_s); }),
                 int(ÇalışmaHatası::TürUyuşmazlığı));
        QCOMPARE(HataNumarası([] { DizgiKimliği(u"40000"_s); }), int(ÇalışmaHatası::Taşma));
        QCOMPARE(HataNumarası([] { KimliğinMetni(u"2501"_s); }),
                 int(ÇalışmaHatası::KaynakBulunamadı));
    }
};

QTEST_MAIN(LayoutTest)
#include "test_layout.moc"
