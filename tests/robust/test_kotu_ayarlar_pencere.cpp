// The game against bad settings: random bytes, values that are no numbers, ten thousand keys, a
// store that cannot be written, a folder that is a file. Each time the window loads, a game is
// played and the window closes; errors reach the error report only where a stored value cannot
// be used, and the settings on disk stay readable (or untouched where they cannot be written).
#include "tests/robust/RobustOrtami.h"

#include <QCheckBox>
#include <QLabel>
#include <QRandomGenerator>
#include <QtTest>
#include <sys/stat.h>

namespace {

const QString Ayarlar = QStringLiteral("Ayarlar");

QByteArray İçerik(const QString &yol) {
    QFile dosya(yol);
    return dosya.open(QIODevice::ReadOnly) ? dosya.readAll() : QByteArray();
}

// Loads the window, starts a game, clicks around, ticks the save option and closes with the
// exit button. Returns the window (closed) for a look at its state.
std::unique_ptr<AnaForm> OynaVeKapat(RobustOrtamı &ortam) {
    auto form = ortam.Pencere();
    form->Form_Load();
    if (!form->isVisible())
        return form;
    form->YeniOyunDüğmesi_Click();
    QRandomGenerator üreteç(5);
    for (int tık = 0; tık < 40; ++tık)
        form->DağınıkParçalar_Click(int(üreteç.bounded(form->DağınıkParçalar.Count())));
    form->OyunuKaydetOnayı->setChecked(true);
    form->ÇıkışDüğmesi_Click();
    return form;
}

// The game ran as a game does, whatever the settings said, and the process was not ended.
void OyunOynandı(RobustOrtamı &ortam, const AnaForm &form) {
    QVERIFY(!ortam.süreçBitti);
    QVERIFY(!form.isVisible());
    QCOMPARE(form.SüreHesapla.Interval(), 1000);
    QCOMPARE(form.Etiket[3]->text(), QString::number(form.HamleSayısı));
    QVERIFY(form.HamleSayısı > 0);
}

// What the close wrote reads back: the preferences, and the game that was running.
void KapanışKaydıOkunur(int kenar) {
    AyarlarıUnut();
    QCOMPARE(GetSetting(UygulamaAdı, Ayarlar, QStringLiteral("Son Bolme")),
             QString::number(kenar - 3));
    QCOMPARE(GetSetting(UygulamaAdı, Ayarlar, QStringLiteral("Oyunu Kaydet")), QStringLiteral("1"));
    QCOMPARE(int(GetAllSettings(UygulamaAdı, QStringLiteral("Oyun")).size()), kenar * kenar);
    QCOMPARE(int(GetAllSettings(UygulamaAdı, QStringLiteral("Oyun\\Bilgiler")).size()), 4);
}

} // namespace

class BadSettingsWindowTest : public QObject {
    Q_OBJECT

private slots:
    void randomBytes() {
        RobustOrtamı ortam;
        ortam.ÖrnekYaz();
        QByteArray çöp;
        QRandomGenerator üreteç(11);
        for (int i = 0; i < 100000; ++i)
            çöp.append(char(üreteç.bounded(256)));
        ortam.AyarDosyasıYaz(çöp + "\xff");

        auto form = OynaVeKapat(ortam);
        QCOMPARE(ortam.hatalar, QList<int>{}); // an unreadable file is a first start
        OyunOynandı(ortam, *form);
        KapanışKaydıOkunur(3);
    }

    void everyValueNonNumeric() {
        RobustOrtamı ortam;
        ortam.ÖrnekYaz();
        QByteArray metin = "[Ayarlar]\nSol Bosluk=sol\nUst Bosluk=1e999\nSon Bolme=iki\n"
                           "Ornek Goster=evet\nOyunu Kaydet=0x1\nSesleri Kapat=NaN\n\n[Oyun]\n";
        for (int yer = 0; yer < 9; ++yer)
            metin += "Foto-" + QByteArray::number(yer) + "=parça\n";
        metin += "\n[Oyun\\Bilgiler]\nSaniye Bilgisi=x\nDakika Bilgisi=-\nSaat Bilgisi=inf\n"
                 "Hamle Bilgisi=1,5e10\n";
        ortam.AyarDosyasıYaz(metin);

        auto form = OynaVeKapat(ortam);
        QStringList numaralar;
        for (int numara : ortam.hatalar)
            numaralar << QString::number(numara);
        qInfo("errors reported: %s", qPrintable(numaralar.join(u' ')));
        // Each value that cannot be used is reported once (13: not a number; 9: no valid board
        // or split), and the load goes on to show the window.
        QVERIFY(!ortam.hatalar.isEmpty());
        for (int numara : ortam.hatalar)
            QVERIFY2(numara == 13 || numara == 9 || numara == 6,
                     qPrintable(QStringLiteral("unexpected error %1").arg(numara)));
        QVERIFY(ortam.hatalar.count(13) >= 6);
        QCOMPARE(ortam.cevaplayıcı.Metinler.size(), ortam.hatalar.size());
        OyunOynandı(ortam, *form);
        KapanışKaydıOkunur(3);
        QCOMPARE(GetSetting(UygulamaAdı, Ayarlar, QStringLiteral("Ornek Goster")),
                 QStringLiteral("1")); // the design value
    }

    void sectionsOfTenThousandKeys() {
        RobustOrtamı ortam;
        ortam.ÖrnekYaz();
        QByteArray metin = "[Ayarlar]\nSon Bolme=1\n";
        for (int i = 0; i < 10000; ++i)
            metin += "Fazla " + QByteArray::number(i) + "=" + QByteArray::number(i * 7) + "\n";
        metin += "[Oyun]\n";
        for (int i = 0; i < 10000; ++i)
            metin += "Foto-" + QByteArray::number(i) + "=" + QByteArray::number(i) + "\n";
        ortam.AyarDosyasıYaz(metin);

        auto form = OynaVeKapat(ortam);
        QCOMPARE(ortam.hatalar, QList<int>{9}); // the board of 10 000 places is refused once
        OyunOynandı(ortam, *form);
        KapanışKaydıOkunur(4);
        // Keys the program does not know are kept where they were.
        const AyarListesi ayarlar = GetAllSettings(UygulamaAdı, Ayarlar);
        // "Son Bolme", the 10 000 others, then the six preferences the close added.
        QCOMPARE(int(ayarlar.size()), 1 + 10000 + 6);
        QCOMPARE(GetSetting(UygulamaAdı, Ayarlar, QStringLiteral("Fazla 9999")),
                 QStringLiteral("69993"));
    }

    // Nowhere to write: the game plays as on a first start and the close drops what it cannot
    // write, silently (every save at close ignores its errors); what stands there is untouched.
    void storeThatCannotBeWritten_data() {
        QTest::addColumn<QString>("tür");
        QTest::newRow("folder is a file") << QStringLiteral("folder is a file");
        QTest::newRow("file is a folder") << QStringLiteral("file is a folder");
        QTest::newRow("file is a FIFO") << QStringLiteral("fifo");
        QTest::newRow("path too long") << QStringLiteral("long");
        QTest::newRow("device as folder") << QStringLiteral("device");
    }
    void storeThatCannotBeWritten() {
        QFETCH(QString, tür);
        RobustOrtamı ortam;
        ortam.ÖrnekYaz();
        const QString uygulamaKlasörü = ortam.ayarlar.filePath(QStringLiteral("Nuv Zovevav"));
        if (tür == u"folder is a file") {
            QFile dosya(uygulamaKlasörü);
            QVERIFY(dosya.open(QIODevice::WriteOnly));
            dosya.write("bir dosya");
        } else if (tür == u"file is a folder") {
            QVERIFY(QDir().mkpath(ortam.AyarDosyası() + QStringLiteral("/içinde")));
        } else if (tür == u"fifo") {
            QVERIFY(QDir().mkpath(uygulamaKlasörü));
            QCOMPARE(mkfifo(QFile::encodeName(ortam.AyarDosyası()).constData(), 0600), 0);
        } else if (tür == u"long") {
            AyarKlasörünüKur(ortam.ayarlar.path() + u'/' + QString(300, u'ş'));
        } else {
            AyarKlasörünüKur(QStringLiteral("/dev/null"));
        }
        AyarlarıUnut();

        auto form = OynaVeKapat(ortam);
        QCOMPARE(ortam.hatalar, QList<int>{});
        OyunOynandı(ortam, *form);
        AyarlarıUnut();
        QVERIFY(GetAllSettings(UygulamaAdı, Ayarlar).empty());
        if (tür == u"folder is a file")
            QCOMPARE(İçerik(uygulamaKlasörü), QByteArray("bir dosya"));
        if (tür == u"file is a folder")
            QVERIFY(QFileInfo(ortam.AyarDosyası() + QStringLiteral("/içinde")).isDir());
    }
};

QTEST_MAIN(BadSettingsWindowTest)
#include "test_kotu_ayarlar_pencere.moc"
