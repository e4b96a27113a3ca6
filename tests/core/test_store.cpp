// Tests of the settings store: levels, order, round trips, damaged files, failed and atomic writes.
#include "CekirdekTestleri.h"
#include "toolkit/AyarDeposu.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const QString Uygulama = QStringLiteral("Nuv Zovevav\\Mozeta-Tr");
const QString Ayarlar = QStringLiteral("Ayarlar");
const QString Oyun = QStringLiteral("Oyun");
const QString Bilgiler = QStringLiteral("Oyun\\Bilgiler");

QByteArray DosyaİçeriğiOf(const QString &yol) {
    QFile dosya(yol);
    return dosya.open(QIODevice::ReadOnly) ? dosya.readAll() : QByteArray();
}

void DosyaYaz(const QString &yol, const QByteArray &içerik) {
    QDir().mkpath(QFileInfo(yol).absolutePath());
    QFile dosya(yol);
    QVERIFY(dosya.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(dosya.write(içerik), içerik.size());
}

QStringList Anahtarlar(const AyarListesi &satırlar) {
    QStringList anahtarlar;
    for (const auto &satır : satırlar)
        anahtarlar.append(satır.first);
    return anahtarlar;
}

} // namespace

class StoreTest : public QObject {
    Q_OBJECT

    QTemporaryDir *klasör_ = nullptr;
    QString dosya_;

private slots:
    void init() {
        klasör_ = new QTemporaryDir;
        QVERIFY(klasör_->isValid());
        AyarKlasörünüKur(klasör_->path());
        dosya_ = klasör_->path() + QStringLiteral("/Nuv Zovevav/Mozeta-Tr.ini");
    }
    void cleanup() {
        AyarKlasörünüKur({});
        delete klasör_;
        klasör_ = nullptr;
    }

    void defaultFolderFollowsXdg() {
        AyarKlasörünüKur({});
        QVERIFY(AyarKlasörü().endsWith(QStringLiteral("/.config")) ||
                AyarKlasörü() == qEnvironmentVariable("XDG_CONFIG_HOME"));
        AyarKlasörünüKur(klasör_->path());
        QCOMPARE(AyarKlasörü(), klasör_->path());
    }

    void defaultsWhenAbsent() {
        QCOMPARE(GetSetting(Uygulama, Ayarlar, QStringLiteral("Son Bolme"), QStringLiteral("0")),
                 QStringLiteral("0"));
        QVERIFY(GetSetting(Uygulama, Ayarlar, QStringLiteral("Son Klasor")).isEmpty());
        QVERIFY(GetAllSettings(Uygulama, Oyun).empty());
        QVERIFY(!QFile::exists(dosya_)); // reading writes nothing

        SaveSetting(Uygulama, Ayarlar, QStringLiteral("Son Fotograf"), QString());
        // A stored empty text is a value; only an absent key takes the default.
        QCOMPARE(GetSetting(Uygulama, Ayarlar, QStringLiteral("Son Fotograf"),
                            QStringLiteral("/x/Sample-1.jpg")),
                 QString());
        QCOMPARE(GetSetting(Uygulama, Ayarlar, QStringLiteral("Yok"), QStringLiteral("1")),
                 QStringLiteral("1"));
        QCOMPARE(GetSetting(Uygulama, Oyun, QStringLiteral("Son Fotograf"), QStringLiteral("d")),
                 QStringLiteral("d"));
    }

    void humanReadableFile() {
        SaveSetting(Uygulama, Ayarlar, QStringLiteral("Son Bolme"), QStringLiteral("1"));
        SaveSetting(Uygulama, Ayarlar, QStringLiteral("Son Fotograf"),
                    QStringLiteral(u"/home/ayşe/Resimler/deniz.jpg"));
        SaveSetting(Uygulama, Oyun, QStringLiteral("Foto-0"), QStringLiteral("8B"));
        SaveSetting(Uygulama, Bilgiler, QStringLiteral("Saniye Bilgisi"), QStringLiteral("5"));
        QCOMPARE(QString::fromUtf8(DosyaİçeriğiOf(dosya_)),
                 QStringLiteral(u"[Ayarlar]\nSon Bolme=1\nSon Fotograf=/home/ayşe/Resimler/"
                                u"deniz.jpg\n\n[Oyun]\nFoto-0=8B\n\n[Oyun\\Bilgiler]\n"
                                u"Saniye Bilgisi=5\n"));
    }

    void keysKeepFirstWrittenOrder() {
        for (int i = 0; i < 16; ++i)
            SaveSetting(Uygulama, Oyun, QStringLiteral("Foto-%1").arg(i), QString::number(15 - i));
        SaveSetting(Uygulama, Oyun, QStringLiteral("Foto-3"), QStringLiteral("yeni"));
        QStringList beklenen;
        for (int i = 0; i < 16; ++i)
            beklenen.append(QStringLiteral("Foto-%1").arg(i));
        QCOMPARE(Anahtarlar(GetAllSettings(Uygulama, Oyun)), beklenen);
        AyarlarıUnut(); // and the same from the file
        const AyarListesi satırlar = GetAllSettings(Uygulama, Oyun);
        QCOMPARE(Anahtarlar(satırlar), beklenen);
        QCOMPARE(satırlar[3].second, QStringLiteral("yeni"));
        QCOMPARE(satırlar[10].second, QStringLiteral("5"));
    }

    void namesIgnoreCaseAndKeepTheirSpelling() {
        SaveSetting(Uygulama, Ayarlar, QStringLiteral("Son Bolme"), QStringLiteral("1"));
        SaveSetting(Uygulama, QStringLiteral("AYARLAR"), QStringLiteral("son bolme"),
                    QStringLiteral("2"));
        const AyarListesi satırlar = GetAllSettings(Uygulama, Ayarlar);
        QCOMPARE(satırlar.size(), std::size_t(1));
        QCOMPARE(satırlar[0].first, QStringLiteral("Son Bolme"));
        QCOMPARE(satırlar[0].second, QStringLiteral("2"));
    }

    void awkwardTextsRoundTrip() {
        const QStringList metinler = {
            QString(),
            QStringLiteral("a=b"),
            QStringLiteral("=başta"),
            QStringLiteral("[Oyun]"),
            QStringLiteral("]"),
            QStringLiteral("# not"),
            QStringLiteral("; not"),
            QStringLiteral("  baştaki ve sondaki boşluk  "),
            QStringLiteral("\t"),
            QStringLiteral("\"tırnak\""),
            QStringLiteral("\"yarım"),
            QStringLiteral(u"İstanbul ığüşöç ĞÜŞİÖÇ"),
            QStringLiteral(u"😀 çift birimli"),
            QStringLiteral("satır\nsonu\r\nve\rdahası"),
            QStringLiteral("C:\\Belgeler\\foto.jpg"),
            QStringLiteral("\\n \\\" \\u0041 \\"),
            QStringLiteral("sonda ters bölü\\"),
            QString(QChar(0)) + QStringLiteral("boş karakter\x01\x1f\x7f"),
            QString(QChar(0xD800)) + QStringLiteral("yalnız vekil") + QChar(0xDC00),
            QStringLiteral(u"\u00a0bölünmez boşluk\u00a0"),
            QStringLiteral(u"\ufeffBOM"),
        };
        int i = 0;
        for (const QString &metin : metinler) {
            // Every text as a value, and (but the empty one) as a key.
            SaveSetting(Uygulama, Ayarlar, QStringLiteral("Değer-%1").arg(i++), metin);
            if (!metin.isEmpty())
                SaveSetting(Uygulama, QStringLiteral("Anahtarlar"), metin, QString::number(i));
        }
        for (int tur = 0; tur < 2; ++tur) {
            AyarlarıUnut();
            const AyarListesi değerler = GetAllSettings(Uygulama, Ayarlar);
            const AyarListesi anahtarlar = GetAllSettings(Uygulama, QStringLiteral("Anahtarlar"));
            QCOMPARE(değerler.size(), std::size_t(metinler.size()));
            QCOMPARE(anahtarlar.size(), std::size_t(metinler.size() - 1));
            for (int j = 0, k = 0; j < metinler.size(); ++j) {
                QCOMPARE(değerler[j].second, metinler[j]);
                if (!metinler[j].isEmpty())
                    QCOMPARE(anahtarlar[k++].first, metinler[j]);
            }
            // Rewriting what was read gives the same file.
            const QByteArray önce = DosyaİçeriğiOf(dosya_);
            SaveSetting(Uygulama, Ayarlar, QStringLiteral("Değer-0"), QString());
            QCOMPARE(DosyaİçeriğiOf(dosya_), önce);
        }
        const QByteArray içerik = DosyaİçeriğiOf(dosya_);
        QVERIFY(QString::fromUtf8(içerik).toUtf8() == içerik); // plain UTF-8 throughout
    }

    void awkwardSectionNamesRoundTrip() {
        const QStringList bölümler = {QStringLiteral("a]b"), QStringLiteral(" baştan"),
                                      QStringLiteral("\"x\"\\alt"), QStringLiteral("[iç]\\[içte]"),
                                      QStringLiteral("satır\nsonu")};
        for (const QString &bölüm : bölümler)
            SaveSetting(Uygulama, bölüm, QStringLiteral("k"), bölüm);
        AyarlarıUnut();
        for (const QString &bölüm : bölümler)
            QCOMPARE(GetSetting(Uygulama, bölüm, QStringLiteral("k")), bölüm);
    }

    void sectionsAreLevels() {
        SaveSetting(Uygulama, Oyun, QStringLiteral("Foto-0"), QStringLiteral("0"));
        SaveSetting(Uygulama, Bilgiler, QStringLiteral("Hamle Bilgisi"), QStringLiteral("57"));
        // The same level reached through a longer application name.
        QCOMPARE(GetSetting(Uygulama + QStringLiteral("\\Oyun"), QStringLiteral("Bilgiler"),
                            QStringLiteral("Hamle Bilgisi")),
                 QStringLiteral("57"));
        // A section lists its own keys, not those of the levels inside it.
        QCOMPARE(Anahtarlar(GetAllSettings(Uygulama, Oyun)), QStringList{QStringLiteral("Foto-0")});

        DeleteSetting(Uygulama + QStringLiteral("\\Oyun"), QStringLiteral("Bilgiler"));
        QVERIFY(GetAllSettings(Uygulama, Bilgiler).empty());
        QCOMPARE(GetAllSettings(Uygulama, Oyun).size(), std::size_t(1));

        SaveSetting(Uygulama, Bilgiler, QStringLiteral("Hamle Bilgisi"), QStringLiteral("58"));
        SaveSetting(Uygulama, Ayarlar, QStringLiteral("Son Bolme"), QStringLiteral("2"));
        DeleteSetting(Uygulama, Oyun);
        QVERIFY(GetAllSettings(Uygulama, Oyun).empty());
        QVERIFY(GetAllSettings(Uygulama, Bilgiler).empty());
        QCOMPARE(GetSetting(Uygulama, Ayarlar, QStringLiteral("Son Bolme")), QStringLiteral("2"));
        AyarlarıUnut();
        QVERIFY(GetAllSettings(Uygulama, Bilgiler).empty());
        QVERIFY(!DosyaİçeriğiOf(dosya_).contains("Oyun"));
    }

    void deletingAParentWithOnlyAChild() {
        SaveSetting(Uygulama, Bilgiler, QStringLiteral("Saat Bilgisi"), QStringLiteral("1"));
        QCOMPARE(HataNumarası([] { DeleteSetting(Uygulama, Oyun); }), 0);
        QVERIFY(GetAllSettings(Uygulama, Bilgiler).empty());
    }

    void deletingAMissingSectionIsError5() {
        QCOMPARE(HataNumarası([] { DeleteSetting(Uygulama, Oyun); }), 5);
        SaveSetting(Uygulama, Ayarlar, QStringLiteral("Son Bolme"), QStringLiteral("1"));
        QCOMPARE(HataNumarası([] { DeleteSetting(Uygulama, Bilgiler); }), 5);
        QCOMPARE(HataNumarası([] { DeleteSetting(Uygulama, QStringLiteral("Ayar")); }), 5);
        QCOMPARE(GetSetting(Uygulama, Ayarlar, QStringLiteral("Son Bolme")), QStringLiteral("1"));
    }

    void namesThatCannotBeStored() {
        for (const auto &[uygulama, bölüm] : std::vector<std::pair<QString, QString>>{
                 {Uygulama, QString()},
                 {Uygulama, QStringLiteral("Oyun\\\\Bilgiler")},
                 {Uygulama, QStringLiteral("Oyun\\")},
                 {QStringLiteral("..\\x"), Ayarlar},
                 {QStringLiteral("a\\.."), Ayarlar},
                 {QStringLiteral("a/b\\c"), Ayarlar},
                 {QString(), Ayarlar}}) {
            QCOMPARE(HataNumarası([&] { SaveSetting(uygulama, bölüm, QStringLiteral("k"), {}); }),
                     5);
            QCOMPARE(HataNumarası([&] { DeleteSetting(uygulama, bölüm); }), 5);
            QCOMPARE(GetSetting(uygulama, bölüm, QStringLiteral("k"), QStringLiteral("v")),
                     QStringLiteral("v"));
            QVERIFY(GetAllSettings(uygulama, bölüm).empty());
        }
        QCOMPARE(QDir(klasör_->path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                 QStringList());
    }

    void oneLevelApplicationKeepsKeysAtTheTop() {
        SaveSetting(QStringLiteral("Tek"), QStringLiteral("Dosya"), QStringLiteral("k"),
                    QStringLiteral("v"));
        SaveSetting(QStringLiteral("Tek"), QStringLiteral("Dosya\\Alt"), QStringLiteral("k"),
                    QStringLiteral("w"));
        const QString yol = klasör_->path() + QStringLiteral("/Tek/Dosya.ini");
        QCOMPARE(DosyaİçeriğiOf(yol), QByteArray("k=v\n\n[Alt]\nk=w\n"));
        AyarlarıUnut();
        QCOMPARE(GetSetting(QStringLiteral("Tek"), QStringLiteral("Dosya"), QStringLiteral("k")),
                 QStringLiteral("v"));
    }

    void fileChangedByAnotherHandIsReadAgain() {
        SaveSetting(Uygulama, Ayarlar, QStringLiteral("Son Bolme"), QStringLiteral("1"));
        QCOMPARE(GetSetting(Uygulama, Ayarlar, QStringLiteral("Son Bolme")), QStringLiteral("1"));
        DosyaYaz(dosya_, "[Ayarlar]\nSon Bolme = 2 \nSesleri Kapat=1\n");
        QCOMPARE(GetSetting(Uygulama, Ayarlar, QStringLiteral("Son Bolme")), QStringLiteral("2"));
        QCOMPARE(GetSetting(Uygulama, Ayarlar, QStringLiteral("Sesleri Kapat")),
                 QStringLiteral("1"));
    }

    void unparsableFileCountsAsEmptyAndIsReplaced() {
        QByteArray çöp = "[Ayarlar]\nSon Bolme=2\n\xff\xfe\x80\x81";
        auto *üreteç = QRandomGenerator::global();
        for (int i = 0; i < 4096; ++i)
            çöp.append(char(üreteç->bounded(256)));
        DosyaYaz(dosya_, çöp);
        QCOMPARE(GetSetting(Uygulama, Ayarlar, QStringLiteral("Son Bolme"), QStringLiteral("0")),
                 QStringLiteral("0"));
        QVERIFY(GetAllSettings(Uygulama, Ayarlar).empty());
        SaveSetting(Uygulama, Ayarlar, QStringLiteral("Sesleri Kapat"), QStringLiteral("1"));
        QCOMPARE(DosyaİçeriğiOf(dosya_), QByteArray("[Ayarlar]\nSesleri Kapat=1\n"));
    }

    void damagedLinesAreDropped() {
        DosyaYaz(dosya_, "\xef\xbb\xbf; yorum\r\n"
                         "serseri satır\r\n"
                         "[Ayarlar]\r\n"
                         "Son Bolme=1\r\n"
                         "bozuk satır\r\n"
                         "\"yarım=2\r\n"
                         "Değer=\"kapanmamış\r\n"
                         "Değer2=\"kötü \\q kaçış\"\r\n"
                         "Son Bolme=2\r\n"
                         "[Oyun\\\\Bilgiler]\r\n"
                         "Kayıp=1\r\n"
                         "[Oyun]\r\n"
                         "Foto-0 = \"8B\"  \r\n");
        QCOMPARE(GetAllSettings(Uygulama, Ayarlar),
                 (AyarListesi{{QStringLiteral("Son Bolme"), QStringLiteral("2")}}));
        QCOMPARE(GetAllSettings(Uygulama, Oyun),
                 (AyarListesi{{QStringLiteral("Foto-0"), QStringLiteral("8B")}}));
        QVERIFY(GetAllSettings(Uygulama, Bilgiler).empty());
    }

    void unwritableFolderThrows75AndChangesNothing() {
        // A file where the store's folder should be: no folder can be made there.
        DosyaYaz(klasör_->path() + QStringLiteral("/Nuv Zovevav"), "bir dosya");
        QCOMPARE(HataNumarası([] {
                     SaveSetting(Uygulama, Ayarlar, QStringLiteral("Son Bolme"),
                                 QStringLiteral("1"));
                 }),
                 75);
        QCOMPARE(GetSetting(Uygulama, Ayarlar, QStringLiteral("Son Bolme"), QStringLiteral("0")),
                 QStringLiteral("0"));
        {
            AyarToplusu topluluk;
            SaveSetting(Uygulama, Ayarlar, QStringLiteral("Son Bolme"), QStringLiteral("1"));
            QCOMPARE(HataNumarası([&] { topluluk.Yaz(); }), 75);
        }
        {
            AyarToplusu topluluk; // a failing write at the end of a group is dropped quietly
            SaveSetting(Uygulama, Ayarlar, QStringLiteral("Son Bolme"), QStringLiteral("1"));
        }
        QCOMPARE(GetSetting(Uygulama, Ayarlar, QStringLiteral("Son Bolme"), QStringLiteral("0")),
                 QStringLiteral("0"));
        QCOMPARE(DosyaİçeriğiOf(klasör_->path() + QStringLiteral("/Nuv Zovevav")),
                 QByteArray("bir dosya"));
    }

    void unreadableFileIsNeverOverwritten() {
        // A folder where the file should be cannot be opened: nothing may replace it blindly.
        QVERIFY(QDir().mkpath(dosya_ + QStringLiteral("/içerik")));
        QCOMPARE(GetSetting(Uygulama, Ayarlar, QStringLiteral("Son Bolme"), QStringLiteral("0")),
                 QStringLiteral("0"));
        QCOMPARE(HataNumarası([] {
                     SaveSetting(Uygulama, Ayarlar, QStringLiteral("Son Bolme"),
                                 QStringLiteral("1"));
                 }),
                 75);
        QVERIFY(QFileInfo(dosya_ + QStringLiteral("/içerik")).isDir());
    }

    void failedWriteLeavesTheOldFile() {
        SaveSetting(Uygulama, Ayarlar, QStringLiteral("Son Bolme"), QStringLiteral("1"));
        const QByteArray eski = DosyaİçeriğiOf(dosya_);

        // Files may grow to 4 KiB only: the new file breaks off in the middle of its write,
        // as on a full disk.
        rlimit önceki{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &önceki), 0);
        const auto eskiİşleyici = std::signal(SIGXFSZ, SIG_IGN);
        rlimit sınır = önceki;
        sınır.rlim_cur = 4096;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &sınır), 0);
        const int numara = HataNumarası([] {
            SaveSetting(Uygulama, Ayarlar, QStringLiteral("Son Fotograf"),
                        QString(100000, QChar(u'ş')));
        });
        setrlimit(RLIMIT_FSIZE, &önceki);
        std::signal(SIGXFSZ, eskiİşleyici);

        QCOMPARE(numara, 75);
        QCOMPARE(DosyaİçeriğiOf(dosya_), eski);
        QCOMPARE(QDir(QFileInfo(dosya_).absolutePath()).entryList(QDir::Files),
                 QStringList{QStringLiteral("Mozeta-Tr.ini")});
        QVERIFY(GetSetting(Uygulama, Ayarlar, QStringLiteral("Son Fotograf")).isEmpty());
        SaveSetting(Uygulama, Ayarlar, QStringLiteral("Sesleri Kapat"), QStringLiteral("1"));
        QCOMPARE(Anahtarlar(GetAllSettings(Uygulama, Ayarlar)),
                 (QStringList{QStringLiteral("Son Bolme"), QStringLiteral("Sesleri Kapat")}));
    }

    void processKilledWhileWritingLeavesTheOldFile() {
        SaveSetting(Uygulama, Ayarlar, QStringLiteral("Son Bolme"), QStringLiteral("1"));
        const QByteArray eski = DosyaİçeriğiOf(dosya_);

        // The child exceeds its file-size limit half-way through the new file and is killed by
        // SIGXFSZ on the spot: a crash in the middle of a save.
        const pid_t çocuk = fork();
        QVERIFY(çocuk >= 0);
        if (çocuk == 0) {
            rlimit sınır{0, 0};
            setrlimit(RLIMIT_CORE, &sınır);
            getrlimit(RLIMIT_FSIZE, &sınır);
            sınır.rlim_cur = 4096;
            setrlimit(RLIMIT_FSIZE, &sınır);
            std::signal(SIGXFSZ, SIG_DFL);
            SaveSetting(Uygulama, Ayarlar, QStringLiteral("Son Fotograf"),
                        QString(100000, QChar(u'ş')));
            _exit(0);
        }
        int durum = 0;
        QCOMPARE(waitpid(çocuk, &durum, 0), çocuk);
        QVERIFY(WIFSIGNALED(durum));
        QCOMPARE(WTERMSIG(durum), SIGXFSZ);

        QCOMPARE(DosyaİçeriğiOf(dosya_), eski);
        AyarlarıUnut();
        QCOMPARE(GetSetting(Uygulama, Ayarlar, QStringLiteral("Son Bolme")), QStringLiteral("1"));
        SaveSetting(Uygulama, Ayarlar, QStringLiteral("Sesleri Kapat"), QStringLiteral("1"));
        QCOMPARE(GetAllSettings(Uygulama, Ayarlar).size(), std::size_t(2));
    }

    void groupWritesOnceAtTheOutermostEnd() {
        SaveSetting(Uygulama, Ayarlar, QStringLiteral("Son Bolme"), QStringLiteral("1"));
        const QByteArray önce = DosyaİçeriğiOf(dosya_);
        {
            AyarToplusu dış;
            SaveSetting(Uygulama, Ayarlar, QStringLiteral("Son Bolme"), QStringLiteral("2"));
            {
                AyarToplusu iç;
                SaveSetting(Uygulama, Oyun, QStringLiteral("Foto-0"), QStringLiteral("8B"));
                iç.Yaz(); // an inner group writes nothing
            }
            QCOMPARE(DosyaİçeriğiOf(dosya_), önce);
            // The group's own reads see its changes.
            QCOMPARE(GetSetting(Uygulama, Ayarlar, QStringLiteral("Son Bolme")),
                     QStringLiteral("2"));
            DeleteSetting(Uygulama, Oyun);
            SaveSetting(Uygulama, Oyun, QStringLiteral("Foto-1"), QStringLiteral("3"));
            QCOMPARE(DosyaİçeriğiOf(dosya_), önce);
        }
        QCOMPARE(DosyaİçeriğiOf(dosya_),
                 QByteArray("[Ayarlar]\nSon Bolme=2\n\n[Oyun]\nFoto-1=3\n"));
    }

    void tenThousandKeys() {
        constexpr int Sayı = 10000;
        {
            AyarToplusu topluluk;
            for (int i = 0; i < Sayı; ++i)
                SaveSetting(Uygulama, Oyun, QStringLiteral("Foto-%1").arg(i),
                            QStringLiteral("değer %1").arg(i));
        }
        SaveSetting(Uygulama, Oyun, QStringLiteral("Foto-5000"), QStringLiteral("yeni"));
        for (int tur = 0; tur < 2; ++tur) {
            AyarlarıUnut();
            const AyarListesi satırlar = GetAllSettings(Uygulama, Oyun);
            QCOMPARE(int(satırlar.size()), Sayı);
            for (int i = 0; i < Sayı; ++i) {
                QCOMPARE(satırlar[i].first, QStringLiteral("Foto-%1").arg(i));
                if (i != 5000)
                    QCOMPARE(satırlar[i].second, QStringLiteral("değer %1").arg(i));
            }
            QCOMPARE(satırlar[5000].second, QStringLiteral("yeni"));
            QCOMPARE(GetSetting(Uygulama, Oyun, QStringLiteral("Foto-9999")),
                     QStringLiteral("değer 9999"));
        }
        DeleteSetting(Uygulama, Oyun);
        QVERIFY(GetAllSettings(Uygulama, Oyun).empty());
    }
};

QTEST_GUILESS_MAIN(StoreTest)
#include "test_store.moc"
