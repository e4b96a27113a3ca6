// SPDX-License-Identifier: GPL-3.0-or-later
// Crash safety of the settings file: this program, run again as a writer saving as the game does
// at close, is killed inside its saves; the file then holds the last generation saved or the next.
#include "toolkit/AyarBelgesi.h"
#include "toolkit/AyarDeposu.h"

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
    return {{u"Ayarlar"_s, {{u"Nesil"_s, QString::number(n)}}}, {u"Oyun"_s, oyun}};
}

// The writer: saves generation after generation until it is killed, printing n once n is on disk.
int Yazıcı(const char *klasör) {
    AyarKlasörünüKur(QString::fromLocal8Bit(klasör));
    for (int n = GetSetting(Uygulama, u"Ayarlar"_s, u"Nesil"_s, u"0"_s).toInt() + 1;; ++n) {
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

// The generation the file in `klasör` holds; -1 when it holds no whole generation or is not there.
int DosyadakiNesil(const QString &klasör) {
    QFile dosya(klasör + u"/Nuv Zovevav/Mozeta-Tr.ini"_s);
    dosya.open(QIODevice::ReadOnly);
    const AyarBelgesi belge = AyarBelgesi::Oku(dosya.readAll());
    const QString *değer = belge.Değer({u"Ayarlar"_s}, u"Nesil"_s);
    const int n = değer ? değer->toInt() : 0;
    for (const auto &[bölüm, satırlar] : Nesil(n)) {
        const AyarListesi *okunan = belge.Satırlar(bölüm.split(u'\\'));
        if (n <= 0 || !okunan || *okunan != satırlar)
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
        QRandomGenerator üreteç(20240611);
        int bilinen = 0; // the generation on disk
        for (int öldürme = 0; öldürme < 40; ++öldürme) {
            QProcess yazıcı;
            yazıcı.start(QCoreApplication::applicationFilePath(), {u"--yaz"_s, klasör.path()});
            // Once one save is on disk, a kill at a random point of the saves that follow: the
            // writer is always inside one. The wait catches a hang only.
            QVERIFY(yazıcı.waitForReadyRead(60000));
            QThread::usleep(üreteç.bounded(20000));
            ::kill(pid_t(yazıcı.processId()), SIGKILL);
            QVERIFY(yazıcı.waitForFinished(60000));
            const QList<QByteArray> yazılan = yazıcı.readAllStandardOutput().trimmed().split('\n');
            const int son = yazılan.last().toInt(), dosyada = DosyadakiNesil(klasör.path());
            QCOMPARE(yazılan.first().toInt(), bilinen + 1); // it went on from the file
            QVERIFY2(dosyada == son || dosyada == son + 1,
                     qPrintable(u"generation %1 on disk, %2 saved last"_s.arg(dosyada).arg(son)));
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
