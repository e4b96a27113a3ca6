// Shared ground for end-to-end tests: Xvfb, the game's environment and the X tools.
#include "tests/e2e/E2eOrtam.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QThread>

const QString E2eOrtamı::AnaPencereBaşlığı = QStringLiteral("Nuv Vorudov - Mozeta 1.21");

namespace {

// xdotool takes POSIX extended expressions; the exact title is checked again afterwards.
QString DüzenliİfadeKaçışı(const QString &metin) {
    QString sonuç;
    for (const QChar c : metin) {
        if (QStringLiteral(".[]()*+?{}|^$\\").contains(c))
            sonuç += u'\\';
        sonuç += c;
    }
    return sonuç;
}

void Bekle(int ms) { QThread::msleep(ms); }

} // namespace

E2eOrtamı::E2eOrtamı() {
    for (const char *alt : {"home/.config", "home/.cache", "home/.local/share", "tmp", "run"})
        QDir(kök_.path()).mkpath(QString::fromLatin1(alt));
    QFile::setPermissions(kök_.filePath(QStringLiteral("run")),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

E2eOrtamı::~E2eOrtamı() {
    OyunlarıBitir();
    if (xvfb_.state() != QProcess::NotRunning) {
        xvfb_.terminate();
        if (!xvfb_.waitForFinished(3000))
            xvfb_.kill();
        xvfb_.waitForFinished(3000);
    }
}

bool E2eOrtamı::Başlat() {
    for (const char *araç : {"Xvfb", "xdotool", "import"}) {
        if (QStandardPaths::findExecutable(QString::fromLatin1(araç)).isEmpty()) {
            sorun_ = QStringLiteral("%1 is not installed (Debian: xvfb xdotool imagemagick)")
                         .arg(QString::fromLatin1(araç));
            return false;
        }
    }
    if (!QFile::exists(OyunYolu())) {
        sorun_ = QStringLiteral("the game is not built: ") + OyunYolu();
        return false;
    }
    // A display number of our own choosing, not -displayfd: an Xvfb started with -displayfd
    // leaves no lock file, and another one probing the same number unlinks its socket, so that
    // nobody can connect any more. A numbered Xvfb takes the lock file atomically; the range is
    // one that xvfb-run (from 99) and -displayfd servers (from 0) rarely reach.
    const int ilk = int(QRandomGenerator::global()->bounded(400));
    for (int deneme = 0; deneme < 40; ++deneme) {
        const int numara = 200 + (ilk + deneme * 7) % 400;
        if (QFile::exists(QStringLiteral("/tmp/.X%1-lock").arg(numara)) ||
            QFile::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(numara)))
            continue;
        if (XvfbBaşlat(numara))
            return true;
    }
    sorun_ = QStringLiteral("Xvfb did not start (see its log in %1)").arg(kök_.path());
    kök_.setAutoRemove(false);
    return false;
}

bool E2eOrtamı::XvfbBaşlat(int numara) {
    const QString ekran = QStringLiteral(":%1").arg(numara);
    xvfb_.setProcessChannelMode(QProcess::MergedChannels);
    xvfb_.setStandardOutputFile(kök_.filePath(QStringLiteral("xvfb.log")), QIODevice::Append);
    // -noreset: by default the server resets when its last client leaves, and a game started
    // during the reset cannot connect.
    xvfb_.start(QStringLiteral("Xvfb"),
                {ekran, QStringLiteral("-screen"), QStringLiteral("0"),
                 QStringLiteral("1280x1024x24"), QStringLiteral("-nolisten"), QStringLiteral("tcp"),
                 QStringLiteral("-noreset")});
    if (!xvfb_.waitForStarted(5000))
        return false;
    const QString soket = QStringLiteral("/tmp/.X11-unix/X%1").arg(numara);
    const QDeadlineTimer süre(10000);
    while (!QFile::exists(soket) && !süre.hasExpired())
        if (xvfb_.waitForFinished(50)) // it lost the race for this number
            return false;
    if (!QFile::exists(soket) || xvfb_.state() != QProcess::Running) {
        xvfb_.kill();
        xvfb_.waitForFinished(3000);
        return false;
    }
    ekran_ = ekran;
    return true;
}

QString E2eOrtamı::EvKlasörü() const { return kök_.filePath(QStringLiteral("home")); }
QString E2eOrtamı::AyarlarKlasörü() const { return kök_.filePath(QStringLiteral("home/.config")); }

QString E2eOrtamı::GeçiciKlasör() const { return kök_.filePath(QStringLiteral("tmp")); }

QProcessEnvironment E2eOrtamı::Ortam() const {
    QProcessEnvironment ortam = QProcessEnvironment::systemEnvironment();
    for (const char *ad : {"WAYLAND_DISPLAY", "SESSION_MANAGER", "XAUTHORITY", "QT_SCALE_FACTOR",
                           "QT_SCREEN_SCALE_FACTORS", "QT_FONT_DPI"})
        ortam.remove(QString::fromLatin1(ad));
    ortam.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    ortam.insert(QStringLiteral("DISPLAY"), ekran_);
    ortam.insert(QStringLiteral("HOME"), EvKlasörü());
    ortam.insert(QStringLiteral("XDG_CONFIG_HOME"), AyarlarKlasörü());
    ortam.insert(QStringLiteral("XDG_CACHE_HOME"), kök_.filePath(QStringLiteral("home/.cache")));
    ortam.insert(QStringLiteral("XDG_DATA_HOME"),
                 kök_.filePath(QStringLiteral("home/.local/share")));
    ortam.insert(QStringLiteral("XDG_RUNTIME_DIR"), kök_.filePath(QStringLiteral("run")));
    // The single-instance socket and its lock live here.
    ortam.insert(QStringLiteral("TMPDIR"), GeçiciKlasör());
    return ortam;
}

QString E2eOrtamı::OyunYolu() { return QStringLiteral(MOZETA_OYUN); }

QProcess *E2eOrtamı::OyunuBaşlat(const QStringList &argümanlar) {
    auto oyun = std::make_unique<QProcess>();
    oyun->setProcessEnvironment(Ortam());
    oyun->setWorkingDirectory(EvKlasörü());
    oyun->setProcessChannelMode(QProcess::ForwardedChannels);
    oyun->start(OyunYolu(), argümanlar);
    oyun->waitForStarted(10000);
    oyunlar_.push_back(std::move(oyun));
    return oyunlar_.back().get();
}

void E2eOrtamı::OyunlarıBitir() {
    for (const auto &oyun : oyunlar_)
        if (oyun->state() != QProcess::NotRunning)
            oyun->terminate();
    for (const auto &oyun : oyunlar_) {
        if (oyun->state() != QProcess::NotRunning && !oyun->waitForFinished(3000))
            oyun->kill();
        oyun->waitForFinished(3000);
    }
    oyunlar_.clear();
}

bool E2eOrtamı::Çalıştır(const QString &program, const QStringList &argümanlar, QString *çıktı,
                         int ms) const {
    QProcess araç;
    araç.setProcessEnvironment(Ortam());
    araç.start(program, argümanlar);
    if (!araç.waitForFinished(ms)) {
        araç.kill();
        araç.waitForFinished(1000);
        return false;
    }
    if (çıktı)
        *çıktı = QString::fromUtf8(araç.readAllStandardOutput());
    return araç.exitStatus() == QProcess::NormalExit && araç.exitCode() == 0;
}

QString E2eOrtamı::PencereBaşlığı(const QString &pencere) const {
    QString ad;
    if (!Çalıştır(QStringLiteral("xdotool"), {QStringLiteral("getwindowname"), pencere}, &ad))
        return {};
    if (ad.endsWith(u'\n'))
        ad.chop(1);
    return ad;
}

QStringList E2eOrtamı::Pencereler(const QString &başlık) const {
    QString çıktı;
    // xdotool exits with 1 when nothing matches: that is an empty list, not an error.
    Çalıştır(QStringLiteral("xdotool"),
             {QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--name"),
              u'^' + DüzenliİfadeKaçışı(başlık) + u'$'},
             &çıktı);
    QStringList sonuç;
    for (const QString &pencere : çıktı.split(u'\n', Qt::SkipEmptyParts))
        if (PencereBaşlığı(pencere) == başlık) // the search ignores case
            sonuç << pencere;
    return sonuç;
}

QString E2eOrtamı::PencereyiBekle(const QString &başlık, int ms) const {
    const QDeadlineTimer süre(ms);
    do {
        const QStringList bulunan = Pencereler(başlık);
        if (!bulunan.isEmpty())
            return bulunan.first();
        Bekle(50);
    } while (!süre.hasExpired());
    return {};
}

QRect E2eOrtamı::PencereGeometrisi(const QString &pencere) const {
    QString çıktı;
    if (!Çalıştır(QStringLiteral("xdotool"),
                  {QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), pencere},
                  &çıktı))
        return {};
    int x = 0, y = 0, w = 0, h = 0;
    for (const QString &satır : çıktı.split(u'\n', Qt::SkipEmptyParts)) {
        const QString ad = satır.section(u'=', 0, 0);
        const int değer = satır.section(u'=', 1).toInt();
        if (ad == u"X")
            x = değer;
        else if (ad == u"Y")
            y = değer;
        else if (ad == u"WIDTH")
            w = değer;
        else if (ad == u"HEIGHT")
            h = değer;
    }
    return QRect(x, y, w, h);
}

bool E2eOrtamı::EkranGörüntüsü(const QString &dosya) const {
    return Çalıştır(QStringLiteral("import"),
                    {QStringLiteral("-window"), QStringLiteral("root"), dosya});
}

bool E2eOrtamı::Tıkla(const QString &pencere, int x, int y) const {
    return Çalıştır(QStringLiteral("xdotool"),
                    {QStringLiteral("mousemove"), QStringLiteral("--window"), pencere,
                     QString::number(x), QString::number(y), QStringLiteral("click"),
                     QStringLiteral("1")});
}

bool E2eOrtamı::TuşBas(const QString &pencere, const QString &tuşlar) const {
    const QRect alan = PencereGeometrisi(pencere);
    if (alan.isEmpty())
        return false;
    return Çalıştır(QStringLiteral("xdotool"),
                    {QStringLiteral("mousemove"), QStringLiteral("--window"), pencere,
                     QString::number(alan.width() / 2), QString::number(alan.height() / 2)}) &&
           Çalıştır(QStringLiteral("xdotool"),
                    QStringList{QStringLiteral("key")} + tuşlar.split(u' ', Qt::SkipEmptyParts));
}
