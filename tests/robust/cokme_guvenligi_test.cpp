// SPDX-License-Identifier: GPL-3.0-or-later
// Crash safety of the settings file: this program, started again as a writer that saves a large,
// changing document as the game saves at close, is killed with SIGKILL at random points inside its
// saves, again and again; after each kill the file holds exactly the last generation announced or
// the next.
#include "toolkit/AyarBelgesi.h"
#include "toolkit/AyarDeposu.h"

#include <QElapsedTimer>
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
            {u"Oyun\\Bilgiler"_s, {{u"Hamle Bilgisi"_s, QString::number(n * 7)}}}};
}

// The writer: saves generation after generation until it is killed. It prints "+n" and waits for
// a line on its input before each save, so that the test knows when the save begins, and "n"
// once it is on disk.
int Yazıcı(const char *klasör) {
    AyarKlasörünüKur(QString::fromLocal8Bit(klasör));
    for (int n = GetSetting(Uygulama, u"Ayarlar"_s, u"Nesil"_s, u"0"_s).toInt() + 1;; ++n) {
        std::printf("+%d\n", n);
        std::fflush(stdout);
        char başla[8];
        if (!std::fgets(başla, sizeof başla, stdin))
            return 0;         // the test has gone
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

// The writer's next line; empty when none came.
QByteArray Satır(QProcess &yazıcı) {
    while (!yazıcı.canReadLine())
        if (!yazıcı.waitForReadyRead(60000)) // catches a hang only: a save takes milliseconds
            return {};
    return yazıcı.readLine().trimmed();
}

// The generation the file holds: 0 when there is none, -1 when its text is not one whole
// generation.
int DosyadakiNesil(const QString &yol) {
    QFile dosya(yol);
    if (!dosya.open(QIODevice::ReadOnly))
        return dosya.exists() ? -1 : 0;
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
        constexpr int Öldürme = 40;          // kills that fall inside a save
        qint64 kayıtlar = 0, toplamSüre = 0; // saves seen to the end, and their time in µs
        int bilinen = 0;                     // the generation on disk
        for (int tur = 0, yarıda = 0; yarıda < Öldürme; ++tur) {
            // A hang catcher only: with every kill aimed inside a save, most land there.
            QVERIFY2(tur < 10 * Öldürme, "hardly any kill fell inside a save");
            QProcess yazıcı;
            yazıcı.setProcessChannelMode(QProcess::ForwardedErrorChannel);
            yazıcı.start(QCoreApplication::applicationFilePath(), {u"--yaz"_s, klasör.path()});
            // Up to two whole saves in this writer, then a kill at a random point inside the
            // next one, as long as a save takes on this machine.
            const int öncekiler = kayıtlar ? int(üreteç.bounded(3)) : 1;
            for (int kayıt = 0;; ++kayıt) {
                QCOMPARE(Satır(yazıcı), "+" + QByteArray::number(bilinen + 1));
                QElapsedTimer süre;
                süre.start();
                yazıcı.write("\n");
                QVERIFY(yazıcı.waitForBytesWritten(60000));
                if (kayıt == öncekiler)
                    break;
                QCOMPARE(Satır(yazıcı), QByteArray::number(++bilinen));
                toplamSüre += süre.nsecsElapsed() / 1000;
                ++kayıtlar;
            }
            QThread::usleep(üreteç.bounded(int(qMin<qint64>(toplamSüre / kayıtlar, 1 << 30)) + 1));
            ::kill(pid_t(yazıcı.processId()), SIGKILL);
            QVERIFY(yazıcı.waitForFinished(60000));

            // The kill fell inside the save unless the writer announced it finished.
            const int n = bilinen + 1, dosyada = DosyadakiNesil(dosya);
            const bool bitti = yazıcı.readAllStandardOutput().startsWith(QByteArray::number(n));
            yarıda += !bitti;
            QVERIFY2(dosyada == bilinen || dosyada == n,
                     qPrintable(u"generation %1 on disk, %2 being saved"_s.arg(dosyada).arg(n)));
            QVERIFY(!bitti || dosyada == n);
            bilinen = dosyada;
        }
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
