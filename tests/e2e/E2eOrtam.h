// SPDX-License-Identifier: GPL-3.0-or-later
// Ground for end-to-end tests: the real game on a private Xvfb display with a fresh home,
// settings and temporary folder (so it neither sees nor disturbs a copy running on this
// machine), and the X tools to look at it and drive it. Without a window manager there are no
// frames and no activation: key presses go to the window under the pointer.
#pragma once

#include <QDeadlineTimer>
#include <QDir>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <memory>
#include <vector>
#ifdef MOZETA_XCB
#include <xcb/xcb.h>
#endif

using namespace Qt::Literals::StringLiterals;

class E2eOrtamı {
public:
    QString Sorun; // why Başlat() failed
    // Deadlines that only catch a hang: ten times a start under the sanitizers on a busy machine.
    static constexpr int Sınır = 60000;
    int YinelenenBaşlatmalar = 0; // starts that could not connect to the display, made again

    ~E2eOrtamı() { // games still running end unsaved (SIGTERM, then SIGKILL)
        for (const auto &oyun : oyunlar_)
            Durdur(*oyun);
        Durdur(xvfb_);
    }

    // Starts Xvfb on a display it finds free itself (-displayfd: it prints the number once it
    // takes connections); false when a tool is missing or the server did not come up.
    bool Başlat() {
        for (const QString &araç : {u"Xvfb"_s, u"xdotool"_s, u"import"_s})
            if (QStandardPaths::findExecutable(araç).isEmpty()) {
                Sorun = araç + u" is not installed (Debian: xvfb xdotool imagemagick)"_s;
                return false;
            }
        for (const QString &alt : {u"home/.config"_s, u"tmp"_s, u"run"_s})
            QDir(kök_.path()).mkpath(alt);
        QFile::setPermissions(kök_.filePath(u"run"_s),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        xvfb_.setStandardErrorFile(kök_.filePath(u"xvfb.log"_s));
        // -noreset: a reset when the last client leaves would refuse a game started meanwhile.
        // -audit 4 logs each client's process id as it connects.
        xvfb_.start(u"Xvfb"_s, {u"-displayfd"_s, u"1"_s, u"-screen"_s, u"0"_s, u"1280x1024x24"_s,
                                u"-nolisten"_s, u"tcp"_s, u"-noreset"_s, u"-audit"_s, u"4"_s});
        xvfb_.waitForReadyRead(Sınır);
        ekran_ = u':' + QString::fromLatin1(xvfb_.readLine().trimmed());
        if (ekran_.size() > 1)
            return true;
        Sorun = u"Xvfb did not start (see its log in %1)"_s.arg(kök_.path());
        kök_.setAutoRemove(false);
        return false;
    }

    QString AyarlarKlasörü() const { return kök_.filePath(u"home/.config"_s); }
    QString GeçiciKlasör() const { return kök_.filePath(u"tmp"_s); } // the game's TMPDIR
    const QString &Ekran() const { return ekran_; }

    // The built game on the display (`sayı` of them started at the same moment, with
    // `argümanlar` and `değişenler` set in their environment), once connected to it or ended. Under
    // Xvfb a start now and then cannot connect while other clients come and go (a bare Qt window
    // fails as often): it is made once more and counted, not taken for a fault of the game.
    QProcess *OyunuBaşlat(const QStringList &argümanlar = {},
                          const QProcessEnvironment &değişenler = {}) {
        return OyunlarıBaşlat(1, argümanlar, değişenler).front();
    }
    QList<QProcess *> OyunlarıBaşlat(int sayı, const QStringList &argümanlar = {},
                                     const QProcessEnvironment &değişenler = {}) {
        QProcessEnvironment ortam = Ortam();
        ortam.insert(değişenler);
        QList<QProcess *> yeni;
        while (yeni.size() < sayı)
            yeni << oyunlar_.emplace_back(new QProcess).get();
        for (const bool ilk : {true, false}) {
            QList<QProcess *> başlayan;
            for (QProcess *oyun : yeni) {
                if (!ilk && (oyun->state() != QProcess::NotRunning ||
                             !oyun->peek(1 << 20).contains("could not connect to display")))
                    continue;
                if (!ilk)
                    qInfo("start %d could not connect, made again: %s", ++YinelenenBaşlatmalar,
                          oyun->readAll().constData());
                oyun->setProcessEnvironment(ortam);
                oyun->setWorkingDirectory(kök_.filePath(u"home"_s));
                oyun->setProcessChannelMode(QProcess::MergedChannels);
                oyun->start(QStringLiteral(MOZETA_OYUN), argümanlar);
                başlayan << oyun;
            }
            QFile günlük(kök_.filePath(u"xvfb.log"_s)); // where the server logs " pid=N )"
            günlük.open(QIODevice::ReadOnly);
            QByteArray okunan;
            const QDeadlineTimer süre(Sınır);
            for (QProcess *oyun : başlayan)
                for (const QByteArray pid = " pid=" + QByteArray::number(oyun->processId()) + " )";
                     !süre.hasExpired() && oyun->state() != QProcess::NotRunning &&
                     !(okunan += günlük.readAll()).contains(pid);)
                    oyun->waitForFinished(20);
        }
        return yeni;
    }
    // Runs an X tool on the display: true when it exits with 0; its standard output in `çıktı`.
    bool Çalıştır(const QString &program, const QStringList &argümanlar,
                  QString *çıktı = nullptr) const {
        QProcess araç;
        araç.setProcessEnvironment(Ortam());
        araç.start(program, argümanlar);
        if (!araç.waitForFinished(Sınır))
            Durdur(araç);
        if (çıktı)
            *çıktı = QString::fromUtf8(araç.readAllStandardOutput()).trimmed();
        return araç.exitStatus() == QProcess::NormalExit && araç.exitCode() == 0;
    }

    // Mapped windows whose title matches `ifade` (an extended regular expression, in any case):
    // by default the main window and any box over it.
    QStringList Pencereler(const QString &ifade = u"Mozeta"_s) const {
        QString çıktı;
        Çalıştır(u"xdotool"_s, {u"search"_s, u"--onlyvisible"_s, u"--name"_s, ifade}, &çıktı);
        return çıktı.split(u'\n', Qt::SkipEmptyParts);
    }
    // Those titled as this release's main window, with nothing added.
    QStringList AnaPencereler() const { return Pencereler(u"^Nuv Vorudov - Mozeta 1\\.21$"_s); }
    // Waits until such a window is mapped; its id, or empty after Sınır.
    QString AnaPencereyiBekle() const {
        for (const QDeadlineTimer süre(Sınır); !süre.hasExpired(); QThread::msleep(50))
            if (const QStringList bulunan = AnaPencereler(); !bulunan.isEmpty())
                return bulunan.first();
        return {};
    }
    QRect Geometri(const QString &pencere) const {
        QString çıktı; // WINDOW=, X=, Y=, WIDTH=, HEIGHT=, SCREEN= on lines of their own
        Çalıştır(u"xdotool"_s, {u"getwindowgeometry"_s, u"--shell"_s, pencere}, &çıktı);
        const QStringList s = çıktı.split(u'\n');
        const auto değer = [&](int satır) { return s.value(satır).section(u'=', 1).toInt(); };
        return QRect(değer(1), değer(2), değer(3), değer(4));
    }
    QImage Görüntü() const { // the whole screen
        const QString dosya = kök_.filePath(u"ekran.png"_s);
        return Çalıştır(u"import"_s, {u"-window"_s, u"root"_s, dosya}) ? QImage(dosya) : QImage();
    }
    // Puts the pointer over the window, then presses the keys (xdotool names).
    bool TuşBas(const QString &pencere, const QString &tuşlar) const {
        return Çalıştır(u"xdotool"_s, QStringList{u"mousemove"_s, u"--window"_s, pencere, u"300"_s,
                                                  u"200"_s, u"key"_s} +
                                          tuşlar.split(u' '));
    }

    // Asks the window to close as its close box would (WM_DELETE_WINDOW); false when this build
    // cannot talk to the X server itself.
    bool Kapat(const QString &pencere) const {
#ifdef MOZETA_XCB
        xcb_connection_t *x = xcb_connect(ekran_.toLatin1().constData(), nullptr);
        if (xcb_connection_has_error(x)) {
            xcb_disconnect(x);
            return false;
        }
        const auto atom = [&](const char *ad) {
            const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> yanıt(
                xcb_intern_atom_reply(x, xcb_intern_atom(x, 0, uint16_t(qstrlen(ad)), ad), nullptr),
                &std::free);
            return yanıt ? yanıt->atom : xcb_atom_t(XCB_ATOM_NONE);
        };
        xcb_client_message_event_t olay{};
        olay.response_type = XCB_CLIENT_MESSAGE;
        olay.format = 32;
        olay.window = pencere.toUInt();
        olay.type = atom("WM_PROTOCOLS");
        olay.data.data32[0] = atom("WM_DELETE_WINDOW");
        olay.data.data32[1] = XCB_CURRENT_TIME;
        // Checked, so that the server has the message before the connection goes (unchecked,
        // it was now and then lost).
        xcb_generic_error_t *hata =
            xcb_request_check(x, xcb_send_event_checked(x, 0, olay.window, XCB_EVENT_MASK_NO_EVENT,
                                                        reinterpret_cast<const char *>(&olay)));
        const bool gitti = !hata;
        std::free(hata);
        xcb_disconnect(x);
        return gitti;
#else
        Q_UNUSED(pencere);
        return false;
#endif
    }

private:
    static void Durdur(QProcess &süreç) {
        if (süreç.state() != QProcess::NotRunning &&
            (süreç.terminate(), !süreç.waitForFinished(3000)))
            süreç.kill(), süreç.waitForFinished(3000);
    }

    QProcessEnvironment Ortam() const {
        QProcessEnvironment ortam = QProcessEnvironment::systemEnvironment();
        for (const char *ad :
             {"WAYLAND_DISPLAY", "SESSION_MANAGER", "XAUTHORITY", "QT_SCALE_FACTOR",
              "QT_SCREEN_SCALE_FACTORS", "QT_FONT_DPI", "XDG_CACHE_HOME", "XDG_DATA_HOME"})
            ortam.remove(QString::fromLatin1(ad));
        ortam.insert(u"QT_QPA_PLATFORM"_s, u"xcb"_s);
        ortam.insert(u"DISPLAY"_s, ekran_);
        ortam.insert(u"HOME"_s, kök_.filePath(u"home"_s));
        ortam.insert(u"XDG_CONFIG_HOME"_s, AyarlarKlasörü());
        ortam.insert(u"XDG_RUNTIME_DIR"_s, kök_.filePath(u"run"_s));
        ortam.insert(u"TMPDIR"_s, kök_.filePath(u"tmp"_s)); // the game must leave it empty
        return ortam;
    }

    QTemporaryDir kök_;
    QProcess xvfb_;
    QString ekran_;
    std::vector<std::unique_ptr<QProcess>> oyunlar_;
};
