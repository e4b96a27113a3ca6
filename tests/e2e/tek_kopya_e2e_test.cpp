// SPDX-License-Identifier: GPL-3.0-or-later
// End to end, one copy per session under Xvfb: on the session bus (the test runs under its own
// dbus-run-session) a later start brings a minimised copy back or hands it a photo and ends;
// without any bus a lock file still refuses a second copy, and one left by a killed copy does
// not stop the next. A text file named x.jpg is refused from the command line and from a later
// start; nothing of the game's lands in the temporary folder.
#include "tests/e2e/E2eOrtam.h"
#include "toolkit/AyarDeposu.h"
#include "toolkit/Twip.h"

#include <QtTest>

namespace {

const QString Uygulama = u"Nuv Zovevav\\Mozeta-Tr"_s;

// The middle of the board, inside its middle place whatever the grid.
QPoint TahtanınOrtası(const QString &pencere, const E2eOrtamı &ortam) {
    return TwipDikdörtgeni(270, 270, 5745, 4485).center() + ortam.Geometri(pencere).topLeft();
}

bool Benzer(QRgb a, QRgb b) {
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
               std::abs(qBlue(a) - qBlue(b)) <
           40;
}

// Copies that end by themselves end at once and quietly (exit code 0).
bool KendiliğindenBitti(QProcess *oyun) {
    // The limit only catches a hang: a second copy ends within a second.
    return oyun->waitForFinished(E2eOrtamı::Sınır) && oyun->exitStatus() == QProcess::NormalExit &&
           oyun->exitCode() == 0;
}

} // namespace

class SingleInstanceE2eTest : public QObject {
    Q_OBJECT

    E2eOrtamı ortam_;
    QTemporaryDir fotoğraflar_;
    QString renkli_, metin_; // a magenta photo; a text file named x.jpg

    // The game's own view of its window: viewable (mapped) or not.
    bool Görünür(const QString &pencere) {
        QString çıktı;
        ortam_.Çalıştır(u"xwininfo"_s, {u"-id"_s, pencere}, &çıktı);
        return çıktı.contains(u"Map State: IsViewable"_s);
    }
    QString Odak() {
        QString çıktı;
        ortam_.Çalıştır(u"xdotool"_s, {u"getwindowfocus"_s}, &çıktı);
        return çıktı;
    }
    QRgb Renk(const QPoint &yer) { return ortam_.Görüntü().pixel(yer); }
    // Esc, with the keyboard given back to the window (a closed box leaves it nowhere when no
    // window manager runs).
    void Kapat(const QString &pencere) {
        ortam_.Çalıştır(u"xdotool"_s, {u"windowfocus"_s, u"--sync"_s, pencere});
        ortam_.TuşBas(pencere, u"Escape"_s);
    }

    // Four copies started together leave exactly one window; the others end by themselves.
    QString DörtKopyaBaşlat(const QProcessEnvironment &değişenler = {}) {
        const QList<QProcess *> kopyalar = ortam_.OyunlarıBaşlat(4, {}, değişenler);
        const QString pencere = ortam_.AnaPencereyiBekle();
        int biten = 0;
        for (const QDeadlineTimer süre(E2eOrtamı::Sınır); biten < 3 && !süre.hasExpired();
             QThread::msleep(50))
            biten = int(std::count_if(kopyalar.begin(), kopyalar.end(), [](QProcess *k) {
                return k->state() == QProcess::NotRunning || k->waitForFinished(0);
            }));
        if (biten != 3 || ortam_.AnaPencereler() != QStringList{pencere})
            return {};
        return pencere;
    }

    // Answers the information box ("Tamam") standing over the game, after checking it is there.
    bool KutuyuKapat() {
        for (const QDeadlineTimer süre(E2eOrtamı::Sınır); !süre.hasExpired(); QThread::msleep(50))
            if (const QStringList kutu = ortam_.Pencereler(u"^Mozeta$"_s); !kutu.isEmpty()) {
                ortam_.TuşBas(kutu.first(), u"Return"_s);
                for (const QDeadlineTimer kapanış(E2eOrtamı::Sınır); !kapanış.hasExpired();
                     QThread::msleep(50))
                    if (ortam_.Pencereler(u"^Mozeta$"_s).isEmpty())
                        return true;
                return false;
            }
        return false;
    }

private slots:
    void initTestCase() {
        if (!ortam_.Başlat())
            QSKIP(qPrintable(ortam_.Sorun));
        AyarKlasörünüKur(ortam_.AyarlarKlasörü());
        renkli_ = fotoğraflar_.filePath(u"pembe.jpg"_s);
        QImage pembe(300, 200, QImage::Format_RGB32);
        pembe.fill(Qt::magenta);
        QVERIFY(pembe.save(renkli_, nullptr, 95));
        metin_ = fotoğraflar_.filePath(u"x.jpg"_s);
        QFile metin(metin_);
        QVERIFY(metin.open(QIODevice::WriteOnly) && metin.write("bir metin\n") > 0);
    }

    void onTheSessionBus() {
        if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
            QSKIP("no session bus (the test command runs this under dbus-run-session)");
        const QString pencere = DörtKopyaBaşlat();
        QVERIFY2(!pencere.isEmpty(), "four copies started together did not leave exactly one");
        const QPoint orta = TahtanınOrtası(pencere, ortam_);
        const QRgb örnek = Renk(orta);

        // Minimised as a window manager does it; a later start brings it back, active.
#ifdef MOZETA_XCB
        xcb_connection_t *x = xcb_connect(ortam_.Ekran().toLatin1().constData(), nullptr);
        QVERIFY(!xcb_connection_has_error(x));
        auto *atom = xcb_intern_atom_reply(x, xcb_intern_atom(x, 0, 8, "WM_STATE"), nullptr);
        QVERIFY(atom);
        const uint32_t simge[] = {3 /* IconicState */, XCB_NONE};
        xcb_unmap_window(x, pencere.toUInt());
        xcb_change_property(x, XCB_PROP_MODE_REPLACE, pencere.toUInt(), atom->atom, atom->atom, 32,
                            2, simge);
        std::free(atom);
        std::free(xcb_get_input_focus_reply(x, xcb_get_input_focus(x), nullptr)); // a round trip
        xcb_disconnect(x);
        QVERIFY(!Görünür(pencere));
        QVERIFY(KendiliğindenBitti(ortam_.OyunuBaşlat()));
        QTRY_VERIFY_WITH_TIMEOUT(Görünür(pencere), E2eOrtamı::Sınır);
        QTRY_COMPARE_WITH_TIMEOUT(Odak(), pencere, E2eOrtamı::Sınır);
        QCOMPARE(ortam_.AnaPencereler(), QStringList{pencere});
#endif

        // A text file named x.jpg is refused with the chooser's box; the board keeps its photo.
        QVERIFY(KendiliğindenBitti(ortam_.OyunuBaşlat({metin_})));
        QVERIFY2(KutuyuKapat(), "no box refused x.jpg");
        QCOMPARE(Renk(orta), örnek);

        // A photo from a later start (a relative path) shows on the board and is stored.
        const QString evden = QDir(QFileInfo(ortam_.AyarlarKlasörü()).absolutePath())
                                  .relativeFilePath(renkli_); // the game starts in the home folder
        QVERIFY(KendiliğindenBitti(ortam_.OyunuBaşlat({evden})));
        QTRY_VERIFY_WITH_TIMEOUT(Benzer(Renk(orta), qRgb(255, 0, 255)), E2eOrtamı::Sınır);
        Kapat(pencere);
        QTRY_VERIFY_WITH_TIMEOUT(ortam_.AnaPencereler().isEmpty(), E2eOrtamı::Sınır);
        AyarlarıUnut();
        QCOMPARE(GetSetting(Uygulama, u"Ayarlar"_s, u"Son Fotograf"_s), renkli_);

        // x.jpg on the first copy's own command line: refused, the stored photo stays.
        ortam_.OyunuBaşlat({metin_});
        const QString ikinci = ortam_.AnaPencereyiBekle();
        QVERIFY(!ikinci.isEmpty());
        QVERIFY2(KutuyuKapat(), "no box refused x.jpg");
        QTRY_VERIFY_WITH_TIMEOUT(Benzer(Renk(TahtanınOrtası(ikinci, ortam_)), qRgb(255, 0, 255)),
                                 E2eOrtamı::Sınır);
        Kapat(ikinci);
        QTRY_VERIFY_WITH_TIMEOUT(ortam_.AnaPencereler().isEmpty(), E2eOrtamı::Sınır);
    }

    // With the bus pointing nowhere: a copy killed outright leaves its lock behind, which does
    // not stop the next start; of four copies started together one runs, the others end and
    // say why on standard error.
    void withoutABus() {
        QProcessEnvironment otobüssüz;
        otobüssüz.insert(u"DBUS_SESSION_BUS_ADDRESS"_s,
                         u"unix:path=%1/yok"_s.arg(fotoğraflar_.path()));
        QProcess *ilk = ortam_.OyunuBaşlat({}, otobüssüz);
        QVERIFY(!ortam_.AnaPencereyiBekle().isEmpty());
        ilk->kill();
        QVERIFY(ilk->waitForFinished(E2eOrtamı::Sınır));
        QTRY_VERIFY_WITH_TIMEOUT(ortam_.AnaPencereler().isEmpty(), E2eOrtamı::Sınır);

        QVERIFY2(!DörtKopyaBaşlat(otobüssüz).isEmpty(),
                 "four copies started together did not leave exactly one");
        QProcess *ikinci = ortam_.OyunuBaşlat({}, otobüssüz);
        QVERIFY(KendiliğindenBitti(ikinci));
        QVERIFY(!ikinci->readAll().isEmpty());
    }

    void cleanupTestCase() {
        if (!ortam_.GeçiciKlasör().isEmpty())
            QCOMPARE(QDir(ortam_.GeçiciKlasör())
                         .entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden),
                     QStringList{});
    }
};

QTEST_GUILESS_MAIN(SingleInstanceE2eTest)
#include "tek_kopya_e2e_test.moc"
