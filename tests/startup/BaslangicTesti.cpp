// Start-up: the window title, the version decision, the program folder and the single-instance
// channel.
#include "startup/BaslangicModulu.h"
#include "startup/TekKopyaKanali.h"

#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QWidget>
#include <QtTest>

#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

class BaslangicTesti : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        // Sockets and lock files of the channel live in the temporary folder: keep them apart
        // from any copy of the game that runs on this machine.
        QVERIFY(geçici_.isValid());
        qputenv("TMPDIR", geçici_.path().toLocal8Bit());
        QCOMPARE(QDir::tempPath(), QDir::cleanPath(geçici_.path()));
    }

    void title_data() {
        QTest::addColumn<int>("major");
        QTest::addColumn<int>("minor");
        QTest::addColumn<int>("revision");
        QTest::addColumn<QString>("başlık");
        QTest::newRow("bu sürüm") << 1 << 2 << 1 << QStringLiteral("Nuv Vorudov - Mozeta 1.21");
        QTest::newRow("revizyon 10")
            << 1 << 2 << 10 << QStringLiteral("Nuv Vorudov - Mozeta 1.210");
        QTest::newRow("minor 20") << 1 << 20 << 1 << QStringLiteral("Nuv Vorudov - Mozeta 1.201");
        QTest::newRow("sıfırlar") << 2 << 0 << 0 << QStringLiteral("Nuv Vorudov - Mozeta 2.00");
    }
    void title() {
        QFETCH(int, major);
        QFETCH(int, minor);
        QFETCH(int, revision);
        QFETCH(QString, başlık);
        QCOMPARE(PencereBaşlığı(major, minor, revision), başlık);
    }
    void titleOfThisRelease() {
        QCOMPARE(PencereBaşlığı(), QStringLiteral("Nuv Vorudov - Mozeta 1.21"));
    }

    void versionDecision_data() {
        QTest::addColumn<unsigned>("platform");
        QTest::addColumn<unsigned>("major");
        QTest::addColumn<QString>("paket");
        QTest::addColumn<bool>("kabul");
        const QString sp1 = QStringLiteral("Service Pack 1"),
                      sp2 = QStringLiteral("Service Pack 2");
        QTest::newRow("9x her şey") << 1u << 0u << sp1 << true;
        QTest::newRow("9x sürüm 4") << 1u << 4u << sp2 << true;
        QTest::newRow("win32s") << 0u << 3u << QString() << true;
        QTest::newRow("NT 3") << 2u << 3u << QStringLiteral("Service Pack 5") << false;
        QTest::newRow("NT 4 SP1") << 2u << 4u << sp1 << false;
        QTest::newRow("NT 4 SP2") << 2u << 4u << sp2 << false;
        QTest::newRow("NT 4 SP2 NUL sonrası")
            << 2u << 4u << sp2 + QChar(0) + QStringLiteral("x") << false;
        QTest::newRow("NT 4 SP3") << 2u << 4u << QStringLiteral("Service Pack 3") << true;
        QTest::newRow("NT 4 SP6a") << 2u << 4u << QStringLiteral("Service Pack 6a") << true;
        QTest::newRow("NT 4 küçük harf") << 2u << 4u << QStringLiteral("service pack 2") << true;
        QTest::newRow("NT 4 sonda boşluk") << 2u << 4u << QStringLiteral("Service Pack 2 ") << true;
        QTest::newRow("NT 4 paketsiz") << 2u << 4u << QString() << true;
        QTest::newRow("NT 5 SP1") << 2u << 5u << sp1 << true;
        QTest::newRow("NT 10") << 2u << 10u << QString() << true;
    }
    void versionDecision() {
        QFETCH(unsigned, platform);
        QFETCH(unsigned, major);
        QFETCH(QString, paket);
        QFETCH(bool, kabul);
        QCOMPARE(SürümKabulEdilirMi(platform, major, paket), kabul);
    }

    void programFolderEndsInOneSeparator() {
        QCOMPARE(AyırıcıylaBiten(QStringLiteral("/opt/mozeta")), QStringLiteral("/opt/mozeta/"));
        QCOMPARE(AyırıcıylaBiten(QStringLiteral("/")), QStringLiteral("/"));
    }

    void socketNameDependsOnTitleAndUser() {
        const QString ad = TekKopyaKanalı::SoketAdı(QStringLiteral("Nuv Vorudov - Mozeta 1.21"),
                                                    QStringLiteral("ayşe"));
        QVERIFY(ad.size() < 48);
        QVERIFY(QRegularExpression(QStringLiteral("^[A-Za-z0-9-]+$")).match(ad).hasMatch());
        QCOMPARE(ad, TekKopyaKanalı::SoketAdı(QStringLiteral("Nuv Vorudov - Mozeta 1.21"),
                                              QStringLiteral("ayşe")));
        QVERIFY(ad != TekKopyaKanalı::SoketAdı(QStringLiteral("Nuv Vorudov - Mozeta 1.21"),
                                               QStringLiteral("ali")));
        QVERIFY(ad != TekKopyaKanalı::SoketAdı(QStringLiteral("Nuv Vorudov - Mozeta 1.210"),
                                               QStringLiteral("ayşe")));
        QVERIFY(!TekKopyaKanalı::KullanıcıAdı().isEmpty());
    }

    // A second copy restores the first one's minimised window and is told to end.
    void secondCopyShowsTheFirstWindow() {
        const QString başlık = QStringLiteral("ikinci kopya");
        QWidget pencere;
        pencere.showMinimized();
        QVERIFY(pencere.isMinimized());

        TekKopyaKanalı ilk(başlık);
        QVERIFY(!ilk.ÇalışanKopyayıEtkinleştir());
        QVERIFY(ilk.Dinliyor());
        int istek = 0;
        ilk.Göster = [&] {
            ++istek;
            pencere.showNormal();
            pencere.raise();
            pencere.activateWindow();
        };

        TekKopyaKanalı ikinci(başlık);
        QVERIFY(ikinci.ÇalışanKopyayıEtkinleştir());
        QVERIFY(!ikinci.Dinliyor());
        QTRY_COMPARE(istek, 1);
        QVERIFY(!pencere.isMinimized());
        QVERIFY(pencere.isVisible());

        TekKopyaKanalı üçüncü(başlık);
        QVERIFY(üçüncü.ÇalışanKopyayıEtkinleştir());
        QTRY_COMPARE(istek, 2);
    }

    // A copy that crashed leaves its socket file behind; the next start must not take that
    // for a running copy, nor fail to listen because of it.
    void staleSocketDoesNotBlock() {
        const QString başlık = QStringLiteral("çökmüş kopya");
        TekKopyaKanalı yeni(başlık);
        const QByteArray yol = QDir(QDir::tempPath()).filePath(yeni.Ad()).toLocal8Bit();
        {
            const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
            QVERIFY(fd >= 0);
            sockaddr_un adres{};
            adres.sun_family = AF_UNIX;
            QVERIFY(size_t(yol.size()) < sizeof adres.sun_path);
            std::memcpy(adres.sun_path, yol.constData(), yol.size());
            QCOMPARE(::bind(fd, reinterpret_cast<sockaddr *>(&adres), sizeof adres), 0);
            QCOMPARE(::listen(fd, 1), 0);
            ::close(fd); // the file stays, as after SIGKILL
        }
        QVERIFY(QFileInfo::exists(QString::fromLocal8Bit(yol)));

        QVERIFY(!yeni.ÇalışanKopyayıEtkinleştir());
        QVERIFY(yeni.Dinliyor());
        int istek = 0;
        yeni.Göster = [&] { ++istek; };
        TekKopyaKanalı sonraki(başlık);
        QVERIFY(sonraki.ÇalışanKopyayıEtkinleştir());
        QTRY_COMPARE(istek, 1);
    }

    // Anything but the request is not a reason to show the window.
    void strayConnectionIsIgnored() {
        const QString başlık = QStringLiteral("yabancı bağlantı");
        TekKopyaKanalı ilk(başlık);
        QVERIFY(!ilk.ÇalışanKopyayıEtkinleştir());
        int istek = 0;
        ilk.Göster = [&] { ++istek; };
        QLocalSocket yabancı;
        yabancı.connectToServer(ilk.Ad());
        QVERIFY(yabancı.waitForConnected(1000));
        yabancı.write("merhaba dünya\n");
        QVERIFY(yabancı.waitForBytesWritten(1000));
        QTRY_COMPARE(yabancı.state(), QLocalSocket::UnconnectedState);
        QCOMPARE(istek, 0);
    }

    // Different titles (another version) do not see each other.
    void otherVersionIsAnotherProgram() {
        TekKopyaKanalı eski(PencereBaşlığı(1, 2, 0));
        QVERIFY(!eski.ÇalışanKopyayıEtkinleştir());
        TekKopyaKanalı yeni(PencereBaşlığı(1, 2, 1));
        QVERIFY(!yeni.ÇalışanKopyayıEtkinleştir());
        QVERIFY(eski.Dinliyor() && yeni.Dinliyor());
    }

private:
    QTemporaryDir geçici_;
};

QTEST_MAIN(BaslangicTesti)
#include "BaslangicTesti.moc"
