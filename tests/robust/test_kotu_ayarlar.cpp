// The settings store against files it did not write and places it cannot write: it never
// crashes, blocks or damages anything; reads give the defaults and failed writes report 75.
#include "tests/core/CekirdekTestleri.h"
#include "tests/robust/CocukSurec.h"
#include "toolkit/AyarBelgesi.h"
#include "toolkit/AyarDeposu.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>
#include <sys/stat.h>
#include <sys/sysmacros.h>

namespace {

const QString Uygulama = QStringLiteral("Nuv Zovevav\\Mozeta-Tr");
const QString Ayarlar = QStringLiteral("Ayarlar");
const QString Oyun = QStringLiteral("Oyun");

QByteArray İçerik(const QString &yol) {
    QFile dosya(yol);
    return dosya.open(QIODevice::ReadOnly) ? dosya.readAll() : QByteArray();
}

void Yaz(const QString &yol, const QByteArray &içerik) {
    QDir().mkpath(QFileInfo(yol).absolutePath());
    QFile dosya(yol);
    QVERIFY(dosya.open(QIODevice::WriteOnly));
    QCOMPARE(dosya.write(içerik), içerik.size());
}

// What the program reads at load, with its defaults: all must come back as the defaults.
void VarsayılanlarOkunur() {
    QCOMPARE(GetSetting(Uygulama, Ayarlar, QStringLiteral("Son Bolme"), QStringLiteral("0")),
             QStringLiteral("0"));
    QCOMPARE(GetSetting(Uygulama, Ayarlar, QStringLiteral("Ornek Goster"), QStringLiteral("1")),
             QStringLiteral("1"));
    QCOMPARE(GetSetting(Uygulama, Ayarlar, QStringLiteral("Son Klasor")), QString());
    QVERIFY(GetAllSettings(Uygulama, Oyun).empty());
}

int KaydetmeHatası() {
    return HataNumarası(
        [] { SaveSetting(Uygulama, Ayarlar, QStringLiteral("Son Bolme"), QStringLiteral("2")); });
}

} // namespace

class BadSettingsStoreTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> klasör_;
    QString dosya_;

private slots:
    void init() {
        klasör_ = std::make_unique<QTemporaryDir>();
        QVERIFY(klasör_->isValid());
        AyarKlasörünüKur(klasör_->path());
        dosya_ = klasör_->path() + QStringLiteral("/Nuv Zovevav/Mozeta-Tr.ini");
    }
    void cleanup() { AyarKlasörünüKur({}); }

    // Random bytes, pure or after a valid start, read as an empty store; the next save replaces
    // them with a clean file holding just the new value.
    void randomBytesReadAsDefaults_data() {
        QTest::addColumn<QByteArray>("baş");
        QTest::newRow("only noise") << QByteArray();
        QTest::newRow("noise after a good start") << QByteArray("[Ayarlar]\nSon Bolme=2\n");
    }
    void randomBytesReadAsDefaults() {
        QFETCH(QByteArray, baş);
        QRandomGenerator üreteç(20240607);
        for (int tur = 0; tur < 20; ++tur) {
            QByteArray çöp = baş;
            const int uzunluk = 1 + int(üreteç.bounded(65536));
            for (int i = 0; i < uzunluk; ++i)
                çöp.append(char(üreteç.bounded(256)));
            çöp.append("\xff"); // never valid UTF-8, whatever came before
            Yaz(dosya_, çöp);
            AyarlarıUnut();
            VarsayılanlarOkunur();
        }
        SaveSetting(Uygulama, Ayarlar, QStringLiteral("Sesleri Kapat"), QStringLiteral("1"));
        QCOMPARE(İçerik(dosya_), QByteArray("[Ayarlar]\nSesleri Kapat=1\n"));
    }

    // Valid UTF-8 that is mostly nonsense: what can be read is read, nothing crashes, and what
    // is written back reads the same again.
    void randomTextIsReadLeniently() {
        const char *parçalar[] = {"[",       "]",     "=",        "\"",          "\\", "\\u",
                                  "\n",      "\r\n",  " ",        ";",           "#",  "Oyun",
                                  "Ayarlar", "Foto-", "8B",       "ş",           "İ",  "\t",
                                  "\\\\",    "\\\"",  "\xc2\xa0", "\xef\xbb\xbf"};
        QRandomGenerator üreteç(7);
        for (int tur = 0; tur < 50; ++tur) {
            QByteArray metin;
            const int adet = int(üreteç.bounded(400));
            for (int i = 0; i < adet; ++i)
                metin += parçalar[üreteç.bounded(int(std::size(parçalar)))];
            Yaz(dosya_, metin);
            AyarlarıUnut();
            const AyarListesi önce = GetAllSettings(Uygulama, Ayarlar);
            SaveSetting(Uygulama, QStringLiteral("Robust"), QStringLiteral("tur"),
                        QString::number(tur));
            AyarlarıUnut();
            QCOMPARE(GetAllSettings(Uygulama, Ayarlar), önce);
            QCOMPARE(GetSetting(Uygulama, QStringLiteral("Robust"), QStringLiteral("tur")),
                     QString::number(tur));
        }
    }

    // Places where nothing can be written: every write is 75, every read a default, and what
    // stands there is left as it was.
    void unwritablePlaces_data() {
        QTest::addColumn<QString>("klasör");
        QTest::newRow("a device as the folder") << QStringLiteral("/dev/null");
        QTest::newRow("a folder of the kernel") << QStringLiteral("/proc/self/fdinfo");
        QTest::newRow("a name longer than the system allows")
            << QDir::tempPath() + u'/' + QString(300, u'ş');
        QTest::newRow("a path longer than the system allows")
            << QDir::tempPath() + QStringLiteral("/a").repeated(3000);
    }
    void unwritablePlaces() {
        QFETCH(QString, klasör);
        AyarKlasörünüKur(klasör);
        VarsayılanlarOkunur();
        QCOMPARE(KaydetmeHatası(), 75);
        QCOMPARE(HataNumarası([] { DeleteSetting(Uygulama, Oyun); }), 5);
        {
            AyarToplusu topluluk;
            SaveSetting(Uygulama, Oyun, QStringLiteral("Foto-0"), QStringLiteral("8B"));
            QCOMPARE(HataNumarası([&] { topluluk.Yaz(); }), 75);
        }
        VarsayılanlarOkunur();
        QVERIFY(!QFileInfo::exists(klasör + QStringLiteral("/Nuv Zovevav")));
    }

    // The file's own place taken by things that are not files. None may block a read (a FIFO
    // blocks whoever opens it until a writer comes), pour endless bytes into it (a device), or
    // be replaced blindly.
    void settingsFileThatIsNoRegularFile_data() {
        QTest::addColumn<QString>("tür");
        QTest::newRow("folder") << QStringLiteral("folder");
        QTest::newRow("fifo") << QStringLiteral("fifo");
        QTest::newRow("device like /dev/zero") << QStringLiteral("zero");
        QTest::newRow("dangling link") << QStringLiteral("dangling");
    }
    void settingsFileThatIsNoRegularFile() {
        QFETCH(QString, tür);
        QVERIFY(QDir().mkpath(QFileInfo(dosya_).absolutePath()));
        const QByteArray yol = QFile::encodeName(dosya_);
        if (tür == u"folder")
            QVERIFY(QDir().mkpath(dosya_));
        else if (tür == u"fifo")
            QCOMPARE(mkfifo(yol.constData(), 0600), 0);
        else if (tür == u"zero") {
            // A private copy of /dev/zero, behind a link as a player's dotfiles might have it:
            // should the store ever write through it, only this copy is lost, never the
            // system's device.
            const QByteArray aygıt = QFile::encodeName(klasör_->filePath(QStringLiteral("sıfır")));
            if (mknod(aygıt.constData(), S_IFCHR | 0600, makedev(1, 5)) != 0)
                QSKIP("cannot make a device node here (not root)");
            QCOMPARE(symlink(aygıt.constData(), yol.constData()), 0);
        } else
            QCOMPARE(
                symlink(QFile::encodeName(klasör_->filePath(QStringLiteral("yok/hiç"))).constData(),
                        yol.constData()),
                0);

        const auto sonuç = ÇocuktaÇalıştır(
            [] {
                const bool varsayılan = GetSetting(Uygulama, Ayarlar, QStringLiteral("Son Bolme"),
                                                   QStringLiteral("0")) == QStringLiteral("0") &&
                                        GetAllSettings(Uygulama, Oyun).empty();
                return QByteArray(varsayılan ? "defaults" : "other values");
            },
            std::chrono::seconds(10));
        QVERIFY2(!sonuç.takıldı, "the store blocked on the settings file");
        QVERIFY(sonuç.bitti);
        QCOMPARE(sonuç.çıktı, QByteArray("defaults"));

        // Nothing is written through a link, not even one that points nowhere: the player's
        // link stays as it is.
        QCOMPARE(KaydetmeHatası(), 75);
        const QFileInfo bilgi(dosya_);
        QVERIFY(tür != u"folder" || bilgi.isDir());
        QVERIFY(tür != u"zero" ||
                (bilgi.isSymLink() && !QFileInfo(bilgi.symLinkTarget()).isFile()));
        QVERIFY(tür != u"dangling" || bilgi.isSymLink());
        QVERIFY(tür != u"fifo" || (!bilgi.isFile() && !bilgi.isDir()));
    }

    // A file far larger than any settings file is not read (a sparse one costs no disk here)
    // and the next save replaces it.
    void hugeFileIsNotRead() {
        Yaz(dosya_, "[Ayarlar]\nSon Bolme=2\n");
        QVERIFY(QFile::resize(dosya_, qint64(65) * 1024 * 1024));
        AyarlarıUnut();
        VarsayılanlarOkunur();
        QCOMPARE(KaydetmeHatası(), 0);
        QCOMPARE(QFileInfo(dosya_).size(), qint64(sizeof("[Ayarlar]\nSon Bolme=2\n") - 1));
    }

    // A line of a megabyte, NUL characters and ten thousand headers read without trouble.
    void oddButValidFiles() {
        QByteArray metin = "[Ayarlar]\nSon Fotograf=" + QByteArray(1 << 20, 'x') + "\n";
        metin += QByteArray("Son Klasor=a\0b\n", 15);
        for (int i = 0; i < 10000; ++i)
            metin += "[B" + QByteArray::number(i) + "]\n";
        metin += "[Ayarlar]\nSon Bolme=1\n";
        Yaz(dosya_, metin);
        AyarlarıUnut();
        QCOMPARE(GetSetting(Uygulama, Ayarlar, QStringLiteral("Son Fotograf")).size(), 1 << 20);
        QCOMPARE(GetSetting(Uygulama, Ayarlar, QStringLiteral("Son Klasor")),
                 QString::fromUtf8("a\0b", 3));
        QCOMPARE(GetSetting(Uygulama, Ayarlar, QStringLiteral("Son Bolme")), QStringLiteral("1"));
        SaveSetting(Uygulama, Ayarlar, QStringLiteral("Son Bolme"), QStringLiteral("2"));
        AyarlarıUnut();
        QCOMPARE(GetSetting(Uygulama, Ayarlar, QStringLiteral("Son Klasor")),
                 QString::fromUtf8("a\0b", 3));
        QCOMPARE(
            GetSetting(Uygulama, QStringLiteral("B9999"), QStringLiteral("x"), QStringLiteral("-")),
            QStringLiteral("-"));
    }
};

QTEST_GUILESS_MAIN(BadSettingsStoreTest)
#include "test_kotu_ayarlar.moc"
