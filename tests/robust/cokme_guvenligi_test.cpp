// Crash safety of the settings file: this program, started again as a writer that saves a large,
// changing document as the game saves at close, is killed with SIGKILL at random moments, again
// and again; after each kill the file holds exactly the last generation announced or the next.
#include "toolkit/AyarBelgesi.h"
#include "toolkit/AyarDeposu.h"

#include <QDir>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>
#include <csignal>
#include <cstdio>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString Uygulama = u"Nuv Zovevav\\Mozeta-Tr"_s;

// Generation n: every section differs in size and content from one generation to the next.
std::vector<std::pair<QString, AyarListesi>> Nesil(int n) {
    AyarListesi oyun;
    for (int i = 0; i < 50 + (n * 37) % 700; ++i)
        oyun.emplace_back(u"Foto-%1"_s.arg(i),
                          u"%1.%2 "_s.arg(n).arg(i) + QString((n + i) % 60, u'ş'));
    return {{u"Ayarlar"_s,
             {{u"Nesil"_s, QString::number(n)},
              {u"Son Fotograf"_s, u"/home/ayşe/%1/"_s.arg(n).repeated(1 + n % 7) + u"a.jpg"_s}}},
            {u"Oyun"_s, oyun},
            {u"Oyun\\Bilgiler"_s,
             {{u"Saniye Bilgisi"_s, QString::number(n % 60)},
              {u"Hamle Bilgisi"_s, QString::number(n * 7)}}}};
}

// The writer: saves generation after generation, printing "+n" as a save begins and "n" once it
// is on disk, until it is killed.
int Yazıcı(const char *klasör) {
    AyarKlasörünüKur(QString::fromLocal8Bit(klasör));
    for (int n = GetSetting(Uygulama, u"Ayarlar"_s, u"Nesil"_s, u"0"_s).toInt() + 1;; ++n) {
        std::printf("+%d\n", n);
        std::fflush(stdout);
        AyarToplusu topluluk; // one change, as at close: old sections removed, new ones written
        for (const auto &[bölüm, satırlar] : Nesil(n)) {
            if (bölüm != u"Ayarlar" && !GetAllSettings(Uygulama, bölüm).empty())
                DeleteSetting(Uygulama, bölüm);
            for (const auto &[anahtar, değer] : satırlar)
                SaveSetting(Uygulama, bölüm, anahtar, değer);
        }
        topluluk.Yaz(); // a failure ends the writer: the test sees no further generation
        std::printf("%d\n", n);
        std::fflush(stdout);
    }
}

// The generation the file holds: 0 when there is none, -1 when its text is not one whole
// generation.
int DosyadakiNesil(const QString &yol) {
    QFile dosya(yol);
    if (!dosya.exists())
        return 0;
    if (!dosya.open(QIODevice::ReadOnly))
        return -1;
    const AyarBelgesi belge = AyarBelgesi::Oku(dosya.readAll());
    const QString *değer = belge.Değer({u"Ayarlar"_s}, u"Nesil"_s);
    const int n = değer ? değer->toInt() : 0;
    if (n <= 0)
        return -1;
    for (const auto &[bölüm, satırlar] : Nesil(n)) {
        const AyarListesi *okunan = belge.Satırlar(bölüm.split(u'\\'));
        if (!okunan || *okunan != satırlar)
            return -1;
    }
    return n;
}

} // namespace

class CrashSafetyTest : public QObject {
    Q_OBJECT

private slots:
    void killedWriterLeavesOldOrNewFileWhole() {
        QTemporaryDir klasör;
        const QString dosya = klasör.path() + u"/Nuv Zovevav/Mozeta-Tr.ini"_s;
        QRandomGenerator üreteç(20240611);
        constexpr int Öldürme = 50;
        int bilinen = 0; // the last generation known to be on disk
        int yarıda = 0;  // kills that fell inside a save
        for (int tur = 0; tur < Öldürme; ++tur) {
            QProcess yazıcı;
            yazıcı.setProcessChannelMode(QProcess::ForwardedErrorChannel);
            yazıcı.start(QCoreApplication::applicationFilePath(), {u"--yaz"_s, klasör.path()});
            QVERIFY2(yazıcı.waitForStarted(10000), qPrintable(yazıcı.errorString()));
            // Half of the kills at any moment from the start, the others once saving is under
            // way.
            if (tur % 2)
                QVERIFY(yazıcı.waitForReadyRead(20000));
            QThread::usleep(üreteç.bounded(tur % 2 ? 30000 : 300000));
            ::kill(pid_t(yazıcı.processId()), SIGKILL);
            QVERIFY(yazıcı.waitForFinished(10000));

            int duyurulan = bilinen;
            bool kayıtta = false;
            for (const QByteArray &satır : yazıcı.readAllStandardOutput().split('\n'))
                if (!satır.isEmpty() && !(kayıtta = satır.startsWith('+')))
                    duyurulan = satır.toInt();
            yarıda += kayıtta;
            const int dosyada = DosyadakiNesil(dosya);
            QVERIFY2(
                dosyada == duyurulan || dosyada == duyurulan + 1,
                qPrintable(u"after kill %1 the file holds generation %2, announced %3"_s.arg(tur)
                               .arg(dosyada)
                               .arg(duyurulan)));
            bilinen = dosyada;
        }
        qInfo("%d kills, %d inside a save; generation %d reached", Öldürme, yarıda, bilinen);
        QVERIFY2(bilinen > Öldürme / 2, "the writer hardly ever got a generation written");
        QVERIFY2(yarıda >= Öldürme / 4, "too few kills fell inside a save to prove anything");
    }
};

int main(int argc, char **argv) {
    if (argc == 3 && qstrcmp(argv[1], "--yaz") == 0)
        return Yazıcı(argv[2]);
    QCoreApplication uygulama(argc, argv);
    CrashSafetyTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "cokme_guvenligi_test.moc"
