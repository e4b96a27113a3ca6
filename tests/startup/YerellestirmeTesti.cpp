// Window texts from the string table, and the path test.
#include "startup/OrtakYordamlarModulu.h"
#include "toolkit/ResimKutusu.h"

#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QWidget>
#include <QtTest>

using namespace Qt::Literals::StringLiterals;

class YerellestirmeTesti : public QObject {
    Q_OBJECT

private slots:
    // Each caption as laid out, and what the player sees after the load.
    void captions_data() {
        QTest::addColumn<QString>("tasarım");
        QTest::addColumn<QString>("görünen");
        QTest::newRow("Tamam") << u"2000"_s << u"Tamam"_s;
        QTest::newRow("İptal") << u"2100"_s << u"İptal"_s;
        QTest::newRow("boşluklu") << u" 2000 "_s << u"Tamam"_s;
        QTest::newRow("sekmeli") << u"\t2100"_s << u"İptal"_s;
        QTest::newRow("kesir çifte aşağı") << u"2000.5"_s << u"Tamam"_s;
        QTest::newRow("kesir çifte yukarı") << u"2099.5"_s << u"İptal"_s;
        QTest::newRow("sondaki boşluk korunur") << u"1900"_s << u"Önizleme "_s;
        QTest::newRow("tabloda yok") << u"12345"_s << u"12345"_s;
        QTest::newRow("16 biti aşar") << u"70000"_s << u"70000"_s;
        QTest::newRow("sayı değil") << u"Tamam"_s << u"Tamam"_s;
        QTest::newRow("boş") << u""_s << u""_s;
        QTest::newRow("sayının ardında yazı") << u"2000x"_s << u"2000x"_s;
    }
    void captions() {
        QFETCH(QString, tasarım);
        QFETCH(QString, görünen);
        QWidget form;
        auto *düğme = new QPushButton(tasarım, &form);
        auto *sonraki = new QPushButton(QStringLiteral("2000"), &form);
        FormuYerelleştir(&form);
        QCOMPARE(düğme->text(), görünen);
        QCOMPARE(sonraki->text(), QStringLiteral("Tamam")); // a failure never stops the walk
    }

    // Every kind of captioned control, inside frames and panels too; the window's own caption,
    // picture boxes and lists are left alone.
    void wholeWindow() {
        QWidget form;
        form.setWindowTitle(QStringLiteral("2000"));
        auto *boşEtiket = new QLabel(QString(), &form);
        auto *çerçeve = new QGroupBox(QStringLiteral("1900"), &form);
        auto *seçenek = new QRadioButton(QStringLiteral("210"), çerçeve);
        auto *onay = new QCheckBox(QStringLiteral("400"), çerçeve);
        auto *resim = new ResimKutusu(&form);
        resim->SetTag(QStringLiteral("2000"));
        auto *resimdekiEtiket = new QLabel(QStringLiteral("510"), resim);
        auto *liste = new QListWidget(&form);
        liste->addItem(QStringLiteral("2000"));
        auto *altlık = new QWidget(&form);
        auto *etiket = new QLabel(QStringLiteral("520"), altlık);

        FormuYerelleştir(&form);

        QCOMPARE(form.windowTitle(), QStringLiteral("2000"));
        QCOMPARE(boşEtiket->text(), QString());
        QCOMPARE(çerçeve->title(), u"Önizleme "_s);
        QCOMPARE(seçenek->text(), u"&3 x 3 'lü Parçalar "_s);
        QCOMPARE(onay->text(), u"F&otoğrafın örneğini göster "_s);
        QCOMPARE(resim->Tag(), QStringLiteral("2000"));
        QCOMPARE(resimdekiEtiket->text(), u"Geçen Süre :"_s);
        QCOMPARE(liste->item(0)->text(), QStringLiteral("2000"));
        QCOMPARE(etiket->text(), u"Hamle Sayısı :"_s);
    }

    // Texts are replaced once: a second load leaves them as they are.
    void secondRunChangesNothing() {
        QWidget form;
        auto *düğme = new QPushButton(QStringLiteral("2000"), &form);
        FormuYerelleştir(&form);
        FormuYerelleştir(&form);
        QCOMPARE(düğme->text(), QStringLiteral("Tamam"));
    }

    void pathExists() {
        QTemporaryDir klasör;
        QVERIFY(klasör.isValid());
        const QString dosya = klasör.filePath(QStringLiteral("Örnek fotoğraf.jpg"));
        QFile yazılan(dosya);
        QVERIFY(yazılan.open(QIODevice::WriteOnly));
        yazılan.close();

        QVERIFY(YolVarMı(dosya));
        QVERIFY(YolVarMı(klasör.path()));
        QVERIFY(YolVarMı(klasör.path() + u'/'));
        QVERIFY(QFile::remove(dosya));
        QVERIFY(!YolVarMı(dosya));
        QVERIFY(!YolVarMı(QString()));
        QVERIFY(!YolVarMı(QStringLiteral("")));
        QVERIFY(!YolVarMı(klasör.filePath(QStringLiteral("yok/olmayan.bmp"))));
    }
};

QTEST_MAIN(YerellestirmeTesti)
#include "YerellestirmeTesti.moc"
