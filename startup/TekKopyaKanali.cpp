// The single-instance channel.
#include "startup/TekKopyaKanali.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalSocket>
#include <QLockFile>

#ifdef Q_OS_UNIX
#include <pwd.h>
#include <unistd.h>
#endif

namespace {
const QByteArray İstek = QByteArrayLiteral("goster\n");
constexpr int BeklemeSüresi = 1000; // ms; a running copy answers in about one
} // namespace

TekKopyaKanalı::TekKopyaKanalı(const QString &pencereBaşlığı)
    : ad_(SoketAdı(pencereBaşlığı, KullanıcıAdı())) {
    QObject::connect(&sunucu_, &QLocalServer::newConnection, &sunucu_,
                     [this] { BağlantıyıKarşıla(); });
}

QString TekKopyaKanalı::SoketAdı(const QString &pencereBaşlığı, const QString &kullanıcı) {
    const QByteArray özet = QCryptographicHash::hash(
        (pencereBaşlığı + QChar(0) + kullanıcı).toUtf8(), QCryptographicHash::Sha256);
    return QStringLiteral("Mozeta-") + QString::fromLatin1(özet.toHex().left(32));
}

QString TekKopyaKanalı::KullanıcıAdı() {
#ifdef Q_OS_UNIX
    if (const passwd *kayıt = getpwuid(geteuid()))
        return QString::fromLocal8Bit(kayıt->pw_name);
    return QString::number(geteuid());
#else
    return qEnvironmentVariable("USERNAME");
#endif
}

bool TekKopyaKanalı::ÇalışanKopyayıEtkinleştir() {
    // Connect-or-listen is one step under a lock file, so that copies started at the same
    // moment cannot both end up listening. A lock left by a copy that died is taken over; when
    // the lock cannot be had at all (an unwritable folder) the step runs unguarded.
    QLockFile kilit(QDir(QDir::tempPath()).filePath(ad_ + QStringLiteral(".lock")));
    kilit.tryLock(3 * BeklemeSüresi);

    QLocalSocket soket;
    soket.connectToServer(ad_);
    if (soket.waitForConnected(BeklemeSüresi)) {
        soket.write(İstek);
        soket.waitForBytesWritten(BeklemeSüresi);
        soket.disconnectFromServer();
        if (soket.state() != QLocalSocket::UnconnectedState)
            soket.waitForDisconnected(BeklemeSüresi);
        return true;
    }

    // Nobody answered. A socket file left by a copy that crashed would make listen() fail.
    QLocalServer::removeServer(ad_);
    sunucu_.setSocketOptions(QLocalServer::UserAccessOption);
    // A copy that cannot listen still runs; later copies just do not find it.
    sunucu_.listen(ad_);
    return false;
}

void TekKopyaKanalı::BağlantıyıKarşıla() {
    while (QLocalSocket *soket = sunucu_.nextPendingConnection()) {
        QObject::connect(soket, &QLocalSocket::disconnected, soket, &QObject::deleteLater);
        QObject::connect(soket, &QLocalSocket::readyRead, soket, [this, soket] {
            if (soket->bytesAvailable() < İstek.size())
                return;
            if (soket->read(İstek.size()) == İstek && Göster)
                Göster();
            soket->abort();
        });
    }
}
