// End to end: the game starts with its exact title, and only one copy of it ever runs.
#include "tests/e2e/E2eOrtam.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QThread>
#include <QtTest>

class TekKopyaE2eTesti : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        if (!ortam_.Başlat())
            QSKIP(qPrintable(ortam_.Sorun()));
    }
    void cleanup() { ortam_.OyunlarıBitir(); }

    void firstCopyShowsItsWindow() {
        QVERIFY(QDir(ortam_.AyarlarKlasörü()).isEmpty());
        QProcess *oyun = ortam_.OyunuBaşlat();
        const QString pencere = ortam_.PencereyiBekle(E2eOrtamı::AnaPencereBaşlığı);
        QVERIFY2(!pencere.isEmpty(), "no window titled exactly \"Nuv Vorudov - Mozeta 1.21\"");
        QCOMPARE(ortam_.PencereBaşlığı(pencere), E2eOrtamı::AnaPencereBaşlığı);
        QVERIFY(!ortam_.PencereGeometrisi(pencere).isEmpty());
        QCOMPARE(oyun->state(), QProcess::Running);
        QVERIFY(ortam_.EkranGörüntüsü(QDir::current().filePath(QStringLiteral("tek_kopya.png"))));
    }

    void secondCopyEndsWithoutWindow() {
        ortam_.OyunuBaşlat();
        const QString ilk = ortam_.PencereyiBekle(E2eOrtamı::AnaPencereBaşlığı);
        QVERIFY(!ilk.isEmpty());

        QProcess *ikinci = ortam_.OyunuBaşlat();
        QVERIFY2(ikinci->waitForFinished(5000), "the second copy is still running");
        QCOMPARE(ikinci->exitStatus(), QProcess::NormalExit);
        QCOMPARE(ikinci->exitCode(), 0);
        QThread::msleep(300); // a late window would show up by now
        QCOMPARE(ortam_.Pencereler(E2eOrtamı::AnaPencereBaşlığı), QStringList{ilk});
    }

    // A copy killed outright leaves its socket file behind; the next start must still run.
    void crashedCopyDoesNotBlockNextStart() {
        QProcess *çöken = ortam_.OyunuBaşlat();
        QVERIFY(!ortam_.PencereyiBekle(E2eOrtamı::AnaPencereBaşlığı).isEmpty());
        çöken->kill();
        QVERIFY(çöken->waitForFinished(5000));
        QTRY_VERIFY(ortam_.Pencereler(E2eOrtamı::AnaPencereBaşlığı).isEmpty());

        QProcess *yeni = ortam_.OyunuBaşlat();
        const QString pencere = ortam_.PencereyiBekle(E2eOrtamı::AnaPencereBaşlığı);
        QVERIFY2(!pencere.isEmpty(), "a crashed copy kept the next one from starting");
        QCOMPARE(yeni->state(), QProcess::Running);

        QProcess *sonraki = ortam_.OyunuBaşlat();
        QVERIFY(sonraki->waitForFinished(5000));
        QCOMPARE(sonraki->exitCode(), 0);
        QCOMPARE(ortam_.Pencereler(E2eOrtamı::AnaPencereBaşlığı), QStringList{pencere});
    }

    // A copy that ends normally (Esc is the exit button) takes its socket with it, and the
    // next start runs on its own.
    void closedCopyFreesItsChannel() {
        QProcess *ilk = ortam_.OyunuBaşlat();
        const QString pencere = ortam_.PencereyiBekle(E2eOrtamı::AnaPencereBaşlığı);
        QVERIFY(!pencere.isEmpty());
        QVERIFY(ortam_.TuşBas(pencere, QStringLiteral("Escape")));
        QVERIFY2(ilk->waitForFinished(5000), "Esc did not end the game");
        QCOMPARE(ilk->exitStatus(), QProcess::NormalExit);
        QCOMPARE(ilk->exitCode(), 0);
        QCOMPARE(QDir(ortam_.GeçiciKlasör())
                     .entryList({QStringLiteral("Mozeta-*")}, QDir::System | QDir::Files),
                 QStringList());

        QProcess *sonraki = ortam_.OyunuBaşlat();
        QVERIFY(!ortam_.PencereyiBekle(E2eOrtamı::AnaPencereBaşlığı).isEmpty());
        QCOMPARE(sonraki->state(), QProcess::Running);
    }

    // Copies started at the same moment: exactly one of them runs the game.
    void copiesStartedTogetherGiveOneWindow() {
        constexpr int Sayı = 4;
        QList<QProcess *> kopyalar;
        for (int i = 0; i < Sayı; ++i)
            kopyalar << ortam_.OyunuBaşlat();
        QVERIFY(!ortam_.PencereyiBekle(E2eOrtamı::AnaPencereBaşlığı).isEmpty());

        const auto bitenler = [&] {
            QList<QProcess *> sonuç;
            for (QProcess *kopya : kopyalar)
                if (kopya->state() == QProcess::NotRunning || kopya->waitForFinished(20))
                    sonuç << kopya;
            return sonuç;
        };
        const QDeadlineTimer süre(10000);
        while (bitenler().size() < Sayı - 1 && !süre.hasExpired())
            QThread::msleep(20);
        const QList<QProcess *> biten = bitenler();
        QCOMPARE(biten.size(), Sayı - 1);
        for (QProcess *kopya : biten) {
            QCOMPARE(kopya->exitStatus(), QProcess::NormalExit);
            QCOMPARE(kopya->exitCode(), 0);
        }
        QThread::msleep(300);
        QCOMPARE(ortam_.Pencereler(E2eOrtamı::AnaPencereBaşlığı).size(), 1);
    }

private:
    E2eOrtamı ortam_;
};

QTEST_GUILESS_MAIN(TekKopyaE2eTesti)
#include "TekKopyaE2eTesti.moc"
