// Ground for end-to-end tests: Xvfb, the game's environment and the X tools.
#include "tests/e2e/E2eOrtam.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QMap>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QThread>
#include <cstdlib>

#ifdef MOZETA_XCB
#include <xcb/xcb.h>
#endif

const QString E2eOrtamı::AnaPencereBaşlığı = QStringLiteral("Nuv Vorudov - Mozeta 1.21");

E2eOrtamı::E2eOrtamı() {
    for (const char *alt : {"home/.config", "tmp", "run"})
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
    // A display number of our own choosing, not -displayfd: an Xvfb started with -displayfd
    // leaves no lock file, and another one probing the same number unlinks its socket. A
    // numbered Xvfb takes the lock file atomically; xvfb-run (from 99) and -displayfd servers
    // (from 0) rarely reach this range.
    const int ilk = int(QRandomGenerator::global()->bounded(400));
    for (int deneme = 0; deneme < 40; ++deneme) {
        const int numara = 200 + (ilk + deneme * 7) % 400;
        if (!QFile::exists(QStringLiteral("/tmp/.X%1-lock").arg(numara)) &&
            !QFile::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(numara)) && XvfbBaşlat(numara))
            return true;
    }
    sorun_ = QStringLiteral("Xvfb did not start (see its log in %1)").arg(kök_.path());
    kök_.setAutoRemove(false);
    return false;
}

bool E2eOrtamı::XvfbBaşlat(int numara) {
    xvfb_.setProcessChannelMode(QProcess::MergedChannels);
    xvfb_.setStandardOutputFile(kök_.filePath(QStringLiteral("xvfb.log")), QIODevice::Append);
    // -noreset: by default the server resets when its last client leaves, and a game started
    // during the reset cannot connect.
    xvfb_.start(QStringLiteral("Xvfb"),
                {QStringLiteral(":%1").arg(numara), QStringLiteral("-screen"), QStringLiteral("0"),
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
    ekran_ = QStringLiteral(":%1").arg(numara);
    return true;
}

QString E2eOrtamı::AyarlarKlasörü() const { return kök_.filePath(QStringLiteral("home/.config")); }

QProcessEnvironment E2eOrtamı::Ortam() const {
    QProcessEnvironment ortam = QProcessEnvironment::systemEnvironment();
    for (const char *ad :
         {"WAYLAND_DISPLAY", "SESSION_MANAGER", "XAUTHORITY", "QT_SCALE_FACTOR",
          "QT_SCREEN_SCALE_FACTORS", "QT_FONT_DPI", "XDG_CACHE_HOME", "XDG_DATA_HOME"})
        ortam.remove(QString::fromLatin1(ad));
    ortam.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    ortam.insert(QStringLiteral("DISPLAY"), ekran_);
    ortam.insert(QStringLiteral("HOME"), kök_.filePath(QStringLiteral("home")));
    ortam.insert(QStringLiteral("XDG_CONFIG_HOME"), AyarlarKlasörü());
    ortam.insert(QStringLiteral("XDG_RUNTIME_DIR"), kök_.filePath(QStringLiteral("run")));
    // The single-instance socket and its lock live here.
    ortam.insert(QStringLiteral("TMPDIR"), kök_.filePath(QStringLiteral("tmp")));
    return ortam;
}

QProcess *E2eOrtamı::OyunuBaşlat() {
    auto oyun = std::make_unique<QProcess>();
    oyun->setProcessEnvironment(Ortam());
    oyun->setWorkingDirectory(kök_.filePath(QStringLiteral("home")));
    oyun->setProcessChannelMode(QProcess::MergedChannels);
    oyun->start(QStringLiteral(MOZETA_OYUN), {});
    oyun->waitForStarted(10000);
    oyunlar_.push_back(std::move(oyun));
    return oyunlar_.back().get();
}

void E2eOrtamı::OyunlarıBitir() {
    for (const auto &oyun : oyunlar_)
        oyun->terminate();
    for (const auto &oyun : oyunlar_)
        if (!oyun->waitForFinished(3000))
            oyun->kill(), oyun->waitForFinished(3000);
    oyunlar_.clear();
}

bool E2eOrtamı::Çalıştır(const QString &program, const QStringList &argümanlar,
                         QString *çıktı) const {
    QProcess araç;
    araç.setProcessEnvironment(Ortam());
    araç.start(program, argümanlar);
    if (!araç.waitForFinished(10000)) {
        araç.kill();
        araç.waitForFinished(1000);
        return false;
    }
    if (çıktı)
        *çıktı = QString::fromUtf8(araç.readAllStandardOutput()).trimmed();
    return araç.exitStatus() == QProcess::NormalExit && araç.exitCode() == 0;
}

// Mapped windows whose title contains "Mozeta" in any case (none: xdotool exits with 1).
QStringList E2eOrtamı::Mozetalar() const {
    QString çıktı;
    Çalıştır(QStringLiteral("xdotool"),
             {QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--name"),
              QStringLiteral("Mozeta")},
             &çıktı);
    return çıktı.split(u'\n', Qt::SkipEmptyParts);
}

QStringList E2eOrtamı::Pencereler(const QString &başlık) const {
    QStringList sonuç;
    for (const QString &pencere : Mozetalar()) {
        QString ad;
        if (Çalıştır(QStringLiteral("xdotool"), {QStringLiteral("getwindowname"), pencere}, &ad) &&
            ad == başlık)
            sonuç << pencere;
    }
    return sonuç;
}

QString E2eOrtamı::PencereyiBekle(const QString &başlık, int ms) const {
    const QDeadlineTimer süre(ms);
    for (QStringList bulunan; !süre.hasExpired(); QThread::msleep(50))
        if (!(bulunan = Pencereler(başlık)).isEmpty())
            return bulunan.first();
    return {};
}

QRect E2eOrtamı::PencereGeometrisi(const QString &pencere) const {
    QString çıktı;
    Çalıştır(QStringLiteral("xdotool"),
             {QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), pencere}, &çıktı);
    QMap<QString, int> değerler;
    for (const QString &satır : çıktı.split(u'\n'))
        değerler[satır.section(u'=', 0, 0)] = satır.section(u'=', 1).toInt();
    return QRect(değerler[QStringLiteral("X")], değerler[QStringLiteral("Y")],
                 değerler[QStringLiteral("WIDTH")], değerler[QStringLiteral("HEIGHT")]);
}

QImage E2eOrtamı::Görüntü() const {
    const QString dosya = kök_.filePath(QStringLiteral("ekran.png"));
    if (!Çalıştır(QStringLiteral("import"),
                  {QStringLiteral("-window"), QStringLiteral("root"), dosya}))
        return {};
    return QImage(dosya);
}

bool E2eOrtamı::Tıkla(QPoint ekranda) const {
    return Çalıştır(QStringLiteral("xdotool"),
                    {QStringLiteral("mousemove"), QString::number(ekranda.x()),
                     QString::number(ekranda.y()), QStringLiteral("click"), QStringLiteral("1")});
}

bool E2eOrtamı::TuşBas(const QString &pencere, const QString &tuşlar) const {
    const QRect alan = PencereGeometrisi(pencere);
    return !alan.isEmpty() &&
           Çalıştır(QStringLiteral("xdotool"),
                    {QStringLiteral("mousemove"), QString::number(alan.center().x()),
                     QString::number(alan.center().y())}) &&
           Çalıştır(QStringLiteral("xdotool"),
                    QStringList{QStringLiteral("key")} + tuşlar.split(u' ', Qt::SkipEmptyParts));
}

std::optional<QRect> E2eOrtamı::BoşYeriBul(const QImage &görüntü) {
    // The rows holding a run of at least a dozen pixels of the colour, and the runs' extent: a
    // few such pixels in a photo make no run.
    QRect blok;
    for (int y = 0; y < görüntü.height(); ++y)
        for (int x = 0, baş = 0; x < görüntü.width(); ++x) {
            if ((görüntü.pixel(x, y) & 0xFFFFFF) != 0xFFFFC0)
                baş = x + 1;
            else if (x - baş == 11)
                blok |= QRect(baş, y, 1, 1);
            else if (x - baş > 11)
                blok |= QRect(x, y, 1, 1);
        }
    return blok.height() >= 12 ? std::optional(blok) : std::nullopt;
}

bool E2eOrtamı::KapatmaİsteğiGönder(const QString &pencere) const {
#ifdef MOZETA_XCB
    xcb_connection_t *bağlantı = xcb_connect(ekran_.toLatin1().constData(), nullptr);
    if (xcb_connection_has_error(bağlantı)) {
        xcb_disconnect(bağlantı);
        return false;
    }
    const auto atom = [&](const char *ad) {
        auto *yanıt = xcb_intern_atom_reply(
            bağlantı, xcb_intern_atom(bağlantı, 0, uint16_t(qstrlen(ad)), ad), nullptr);
        const xcb_atom_t sonuç = yanıt ? yanıt->atom : xcb_atom_t(XCB_ATOM_NONE);
        std::free(yanıt);
        return sonuç;
    };
    xcb_client_message_event_t olay{};
    olay.response_type = XCB_CLIENT_MESSAGE;
    olay.format = 32;
    olay.window = pencere.toUInt();
    olay.type = atom("WM_PROTOCOLS");
    olay.data.data32[0] = atom("WM_DELETE_WINDOW");
    olay.data.data32[1] = XCB_CURRENT_TIME;
    // A round trip, so that the server has handled the request before the connection goes
    // (without it the message was now and then lost).
    xcb_generic_error_t *hata = xcb_request_check(
        bağlantı, xcb_send_event_checked(bağlantı, 0, olay.window, XCB_EVENT_MASK_NO_EVENT,
                                         reinterpret_cast<const char *>(&olay)));
    const bool gitti = hata == nullptr;
    std::free(hata);
    xcb_disconnect(bağlantı);
    return gitti;
#else
    Q_UNUSED(pencere);
    return false;
#endif
}
