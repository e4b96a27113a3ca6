// SPDX-License-Identifier: GPL-3.0-or-later
// Tests of the settings store: file, key order, round trips, levels, damage, failed writes.
#include "HataNumarasi.h"
#include "toolkit/AyarDeposu.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <sys/resource.h>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString Uygulama = u"Nuv Zovevav\\Mozeta-Tr"_s;
const QString Ayarlar = u"Ayarlar"_s, Oyun = u"Oyun"_s, Bilgiler = u"Oyun\\Bilgiler"_s;

QByteArray İçerik(const QString &yol) {
    QFile dosya(yol);
    return dosya.open(QIODevice::ReadOnly) ? dosya.readAll() : QByteArray();
}

} // namespace

class StoreTest : public QObject {
    Q_OBJECT

    QTemporaryDir xdg_; // the default folder while this test runs, never the real one
    std::unique_ptr<QTemporaryDir> klasör_;
    QString dosya_;

private slots:
    void initTestCase() { qputenv("XDG_CONFIG_HOME", QFile::encodeName(xdg_.path())); }
    void init() {
        klasör_ = std::make_unique<QTemporaryDir>();
        AyarKlasörünüKur(klasör_->path());
        dosya_ = klasör_->path() + u"/Nuv Zovevav/Mozeta-Tr.ini"_s;
        SaveSetting(Uygulama, Ayarlar, u"Son Bolme"_s, u"1"_s);
    }
    void cleanup() { AyarKlasörünüKur({}); }

    // Names ignore case and keep the spelling and the place they were first written with.
    void humanReadableFileUnderXdgConfigHome() {
        AyarKlasörünüKur({});
        const QString dosya = xdg_.path() + u"/Nuv Zovevav/Mozeta-Tr.ini"_s;
        QCOMPARE(GetSetting(Uygulama, Ayarlar, u"Son Bolme"_s, u"0"_s), u"0"_s);
        QVERIFY(!QFile::exists(dosya)); // reading writes nothing
        SaveSetting(Uygulama, Ayarlar, u"Son Bolme"_s, u"1"_s);
        SaveSetting(Uygulama, Ayarlar, u"Son Fotograf"_s, u"/home/ayşe/deniz.jpg"_s);
        SaveSetting(Uygulama, Bilgiler, u"Saniye Bilgisi"_s, u"5"_s);
        SaveSetting(Uygulama, u"AYARLAR"_s, u"son bolme"_s, u"2"_s);
        QCOMPARE(QString::fromUtf8(İçerik(dosya)),
                 u"[Ayarlar]\nSon Bolme=2\nSon Fotograf=/home/ayşe/deniz.jpg\n\n[Oyun\\Bilgiler]\n"
                 "Saniye Bilgisi=5\n"_s);
    }

    void awkwardTextsRoundTrip() {
        const QStringList metinler = {
            // the file's own syntax
            u""_s, u"a=b"_s, u"=başta"_s, u"[Oyun]"_s, u"# not"_s, u"; not"_s, u"\t"_s,
            u"  baştaki \\ ve sondaki boşluk  "_s,
            // quotes, escapes, line breaks, beyond ASCII
            u"\"tırnak\""_s, u"satır\nsonu\r\nve\rdahası"_s, u"C:\\Belgeler\\foto.jpg"_s,
            u"\\n \\\" \\u0041 \\"_s, u"İstanbul ığüşöç ĞÜŞİÖÇ 😀"_s,
            u"\0boş karakter\x01\x1f\x7f"_s, u"\xD800yalnız vekil\xDC00"_s,
            u"\u00a0bölünmez boşluk\u00a0"_s, u"\ufeffBOM"_s};
        // Each text as a value, and as a key (keys hold '=' and leading brackets too).
        AyarListesi değerler, anahtarlar;
        for (int i = 0; i < metinler.size(); ++i) {
            değerler.emplace_back(u"Değer-%1"_s.arg(i), metinler[i]);
            anahtarlar.emplace_back(metinler[i] + u'.', QString::number(i));
            SaveSetting(Uygulama, Bilgiler, değerler[i].first, değerler[i].second);
            SaveSetting(Uygulama, Oyun, anahtarlar[i].first, anahtarlar[i].second);
        }
        AyarlarıUnut();
        QCOMPARE(GetAllSettings(Uygulama, Bilgiler), değerler);
        QCOMPARE(GetAllSettings(Uygulama, Oyun), anahtarlar);
        // A stored empty text is a value: only an absent key takes the default.
        QCOMPARE(GetSetting(Uygulama, Bilgiler, u"Değer-0"_s, u"d"_s), QString());
    }

    // A section lists its own keys, not those of the levels inside it; deleting it takes them.
    void sectionsAreLevels() {
        SaveSetting(Uygulama, Oyun, u"Foto-0"_s, u"0"_s);
        SaveSetting(Uygulama, Bilgiler, u"Hamle Bilgisi"_s, u"57"_s);
        QCOMPARE(GetSetting(Uygulama + u"\\Oyun"_s, u"Bilgiler"_s, u"Hamle Bilgisi"_s), u"57"_s);
        QCOMPARE(GetAllSettings(Uygulama, Oyun), (AyarListesi{{u"Foto-0"_s, u"0"_s}}));
        QCOMPARE(HataNumarası([] { DeleteSetting(Uygulama, Oyun); }), 0);
        QVERIFY(GetAllSettings(Uygulama, Bilgiler).empty());
        QCOMPARE(HataNumarası([] { DeleteSetting(Uygulama, Oyun); }), 5); // missing section
    }

    // What can be read of a damaged file is read, also when it changed behind the store's back.
    void damagedLinesAreDropped() {
        QCOMPARE(GetSetting(Uygulama, Ayarlar, u"Son Bolme"_s), u"1"_s);
        // A stray line before any section, broken lines and quotes, a doubled level separator.
        QFile dosya(dosya_);
        QVERIFY(dosya.open(QIODevice::WriteOnly | QIODevice::Truncate));
        dosya.write(
            "\xef\xbb\xbf; yorum\r\nserseri satır\r\n[Ayarlar]\r\nSon Bolme=1\r\nbozuk satır\r\n"
            "\"yarım=2\r\nDeğer=\"kapanmamış\r\nDeğer2=\"kötü \\q kaçış\"\r\nSon Bolme = 2 \r\n"
            "[Oyun\\\\Bilgiler]\r\nKayıp=1\r\n[Oyun]\r\nFoto-0 = \"8B\"  \r\n");
        dosya.close();
        QCOMPARE(GetAllSettings(Uygulama, Ayarlar), (AyarListesi{{u"Son Bolme"_s, u"2"_s}}));
        QCOMPARE(GetAllSettings(Uygulama, Oyun), (AyarListesi{{u"Foto-0"_s, u"8B"_s}}));
        QVERIFY(GetAllSettings(Uygulama, Bilgiler).empty());
    }

    // A save broken off on a full disk (here a file-size limit, whose signal the store ignores) is
    // error 61, leaves the old file, and shows what it holds.
    void failedWriteLeavesTheOldFile() {
        rlimit önceki{};
        getrlimit(RLIMIT_FSIZE, &önceki);
        const rlimit sınır{4096, önceki.rlim_max};
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &sınır), 0);
        const int numara = HataNumarası([] {
            SaveSetting(Uygulama, Ayarlar, u"Son Fotograf"_s, QString(100000, QChar(u'ş')));
        });
        setrlimit(RLIMIT_FSIZE, &önceki);
        QCOMPARE(numara, 61);
        QCOMPARE(İçerik(dosya_), QByteArray("[Ayarlar]\nSon Bolme=1\n"));
        QCOMPARE(QDir(QFileInfo(dosya_).absolutePath()).entryList(QDir::Files),
                 QStringList{u"Mozeta-Tr.ini"_s});
        QVERIFY(GetSetting(Uygulama, Ayarlar, u"Son Fotograf"_s).isEmpty());
    }

    // The save at close is one change: one write when the outermost group ends.
    void groupWritesOnceAtTheOutermostEnd() {
        {
            AyarToplusu dış;
            {
                AyarToplusu iç;
                SaveSetting(Uygulama, Ayarlar, u"Son Bolme"_s, u"2"_s);
                iç.Yaz(); // an inner group writes nothing
            }
            QCOMPARE(GetSetting(Uygulama, Ayarlar, u"Son Bolme"_s), u"2"_s); // sees its changes
            QCOMPARE(İçerik(dosya_), QByteArray("[Ayarlar]\nSon Bolme=1\n"));
        }
        QCOMPARE(İçerik(dosya_), QByteArray("[Ayarlar]\nSon Bolme=2\n"));
    }

    // A killed save's temporary file goes at the next first read; a save under way and others stay.
    void leftoverOfAKilledSaveGoes() {
        const QDir klasör = QFileInfo(dosya_).absoluteDir();
        const QStringList adlar{u"Mozeta-Tr.ini.a1B2c3"_s, u"Mozeta-Tr.ini.d4E5f6"_s,
                                u"Mozeta-Tr.ini.yedek"_s, u"Başka.ini.a1B2c3"_s};
        for (const QString &ad : adlar) {
            QFile dosya(klasör.filePath(ad));
            QVERIFY(dosya.open(QIODevice::WriteOnly));
            if (ad != adlar[1]) // written now, by a save of this run
                QVERIFY(dosya.setFileTime(QDateTime::currentDateTime().addDays(-1),
                                          QFileDevice::FileModificationTime));
        }
        AyarlarıUnut();
        QCOMPARE(GetSetting(Uygulama, Ayarlar, u"Son Bolme"_s), u"1"_s);
        QCOMPARE(klasör.entryList(QDir::Files, QDir::Name),
                 (QStringList{u"Başka.ini.a1B2c3"_s, u"Mozeta-Tr.ini"_s, u"Mozeta-Tr.ini.d4E5f6"_s,
                              u"Mozeta-Tr.ini.yedek"_s}));
    }
};

QTEST_GUILESS_MAIN(StoreTest)
#include "test_store.moc"
