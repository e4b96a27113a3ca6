// Crash safety of the settings file: a writer saving a large, changing document is killed with
// SIGKILL at random moments, again and again; after each kill the file holds exactly the last
// generation announced or the one after it, whole.
// The writer is a separate program (robust_ayar_yazici) that saves as the game does at close.
#include "tests/robust/NesilBelgesi.h"
#include "toolkit/AyarBelgesi.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>
#include <csignal>

namespace {

// The generation a settings file holds: 0 when there is no file, -1 (with the reason) when its
// text does not match one generation completely.
int DosyadakiNesil(const QString &yol, QString &neden) {
    QFile dosya(yol);
    if (!dosya.exists())
        return 0;
    if (!dosya.open(QIODevice::ReadOnly))
        return neden = QStringLiteral("cannot be read"), -1;
    const AyarBelgesi belge = AyarBelgesi::Oku(dosya.readAll());
    const QString *değer = belge.Değer({QStringLiteral("Ayarlar")}, QStringLiteral("Nesil"));
    bool sayı = false;
    const int nesil = değer ? değer->toInt(&sayı) : 0;
    if (!sayı || nesil <= 0)
        return neden = QStringLiteral("no generation number"), -1;
    for (const auto &bölüm : NesilBelgesi(nesil)) {
        const AyarListesi *satırlar = belge.Satırlar(bölüm.ad.split(u'\\'));
        if (!satırlar || *satırlar != bölüm.satırlar) {
            neden =
                QStringLiteral("section %1 differs from generation %2").arg(bölüm.ad).arg(nesil);
            return -1;
        }
    }
    return nesil;
}

} // namespace

class CrashSafetyTest : public QObject {
    Q_OBJECT

private slots:
    void killedWriterLeavesOldOrNewFileWhole() {
        QTemporaryDir klasör;
        QVERIFY(klasör.isValid());
        const QString uygulamaKlasörü = klasör.path() + QStringLiteral("/Nuv Zovevav");
        const QString dosya = uygulamaKlasörü + QStringLiteral("/Mozeta-Tr.ini");
        QRandomGenerator üreteç(20240611);
        constexpr int Öldürme = 50;
        int bilinen = 0; // the last generation known to be on disk
        int yarıda = 0;  // kills that fell inside a save

        for (int tur = 0; tur < Öldürme; ++tur) {
            QProcess yazıcı;
            yazıcı.setProcessChannelMode(QProcess::ForwardedErrorChannel);
            yazıcı.start(QStringLiteral(ROBUST_YAZICI), {klasör.path()});
            QVERIFY2(yazıcı.waitForStarted(10000), qPrintable(yazıcı.errorString()));
            // Half of the kills come at any moment from the start (before the first save is
            // done, now and then); the others once saving is under way.
            if (tur % 2 == 1)
                QVERIFY(yazıcı.waitForReadyRead(20000));
            QThread::usleep(üreteç.bounded(tur % 2 == 1 ? 30000 : 300000));
            ::kill(pid_t(yazıcı.processId()), SIGKILL);
            QVERIFY(yazıcı.waitForFinished(10000));
            QCOMPARE(yazıcı.exitStatus(), QProcess::CrashExit);

            int duyurulan = bilinen;
            bool kayıtta = false; // killed between the start and the end of a save
            for (const QByteArray &satır : yazıcı.readAllStandardOutput().split('\n')) {
                if (satır.isEmpty())
                    continue;
                kayıtta = satır.startsWith('+');
                if (!kayıtta)
                    duyurulan = satır.toInt();
            }
            yarıda += kayıtta;
            QString neden;
            const int dosyada = DosyadakiNesil(dosya, neden);
            QVERIFY2(dosyada >= 0,
                     qPrintable(QStringLiteral("after kill %1: %2").arg(tur).arg(neden)));
            QVERIFY2(dosyada == duyurulan || dosyada == duyurulan + 1,
                     qPrintable(QStringLiteral("after kill %1 the file holds generation %2, the "
                                               "writer had announced %3")
                                    .arg(tur)
                                    .arg(dosyada)
                                    .arg(duyurulan)));
            bilinen = dosyada;
        }
        qInfo("%d kills, %d of them inside a save; generation %d reached", Öldürme, yarıda,
              bilinen);
        QVERIFY2(bilinen > Öldürme / 2, "the writer hardly ever got a generation written");
        QVERIFY2(yarıda >= Öldürme / 4, "too few kills fell inside a save to prove anything");

        // A kill in the instant between linking the finished temporary file into the folder
        // and renaming it over the old one leaves it behind under its temporary name (where the
        // file system cannot make unnamed files, any kill during a write does): litter that the
        // store never reads, not a damaged settings file.
        const QStringList kalanlar =
            QDir(uygulamaKlasörü).entryList(QDir::Files | QDir::Hidden, QDir::Name);
        QVERIFY(kalanlar.contains(QStringLiteral("Mozeta-Tr.ini")));
        qInfo("files left in the folder: %s", qPrintable(kalanlar.join(u' ')));
    }
};

QTEST_GUILESS_MAIN(CrashSafetyTest)
#include "test_cokme_guvenligi.moc"
