// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up and the routines every window shares.
#include "startup/BaslangicBildirimi.h"
#include "startup/BaslangicModulu.h"
#include "startup/KilitKlasoru.h"
#include "startup/OrtakYordamlarModulu.h"
#include "tests/ortak/Yardimcilar.h"
#include "toolkit/DosyaAdresi.h"
#include "toolkit/HataPolitikasi.h"
#include "toolkit/MesajKutusu.h"
#include "toolkit/ResimKutusu.h"

#include <QtTest>
#include <QtWidgets>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace {

// Answers the next modal message box from the event loop, after `incele` has looked at it.
void KutuyuYanıtla(QMessageBox::StandardButton yanıt, std::function<void(QMessageBox &)> incele) {
    QTimer::singleShot(0, [yanıt, incele] {
        auto *kutu = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(kutu);
        incele(*kutu);
        kutu->button(yanıt)->click();
    });
}

} // namespace

class BaslangicTesti : public QObject {
    Q_OBJECT

    int bitişSayısı_ = 0;

private slots:
    void initTestCase() {
        OrtakHizmetleriKur();
        SüreciBitir = [this] { ++bitişSayısı_; };
    }

    // The photo on the command line: a path, or a file URI of this machine (one of another host is
    // kept to be refused); options end at "--". A later start sends it as an escaped URI.
    void startUp() {
        QCOMPARE(PencereBaşlığınıOluştur(1, 2, 10), u"Nuv Vorudov - Mozeta 1.210"_s);
        QCOMPARE(AyırıcıylaBiten(u"/opt/mozeta"_s), u"/opt/mozeta/"_s);
        QCOMPARE(AyırıcıylaBiten(u"/"_s), u"/"_s);
        const std::pair<QStringList, QString> satırlar[] = {
            {{}, {}},
            {{u"a/ş.jpg"_s}, QDir::current().filePath(u"a/ş.jpg"_s)},
            {{u"file:///tmp/g%C3%BCl%20a.jpg"_s}, u"/tmp/gül a.jpg"_s},
            {{u"file://LocalHost/tmp/a.jpg"_s}, u"/tmp/a.jpg"_s},
            {{u"file://tmp/a.jpg"_s}, u"file://tmp/a.jpg"_s},
            {{u"-x"_s, u"--"_s, u"-x.jpg"_s}, QDir::current().filePath(u"-x.jpg"_s)},
            {{u"-x.jpg"_s}, {}}};
        for (const auto &[bağımsızlar, foto] : satırlar)
            QCOMPARE(KomutSatırıFotoğrafı(QStringList{u"Mozeta-Tr"_s} + bağımsızlar), foto);
        QCOMPARE(FotoğrafAdresi(u"/tmp/Türkçe klasör/#1.jpg"_s),
                 u"file:///tmp/T%C3%BCrk%C3%A7e%20klas%C3%B6r/%231.jpg"_s);
        QCOMPARE(FotoğrafAdresi(u"file://tmp/a.jpg"_s), u"file://tmp/a.jpg"_s);
        // The start-up id a launcher handed on, as the message that completes its start.
        QCOMPARE(TamamlamaMesajı(u"a b\\\"ş_TIME5"_s),
                 QByteArray("remove: ID=a\\ b\\\\\\\"\xc5\x9f_TIME5") + '\0');
    }

    // Qt's Turkish texts: its catalogue is read at the first text asked for, not at start-up.
    void qtTextsReadAtTheFirstAsked() {
        QtÇevirisi çeviri;
        QCoreApplication::installTranslator(&çeviri);
        QVERIFY(!Eşlenmiş("qtbase_tr"));
        QCOMPARE(QLineEdit::tr("&Copy"), u"&Kopyala"_s);
        QVERIFY(Eşlenmiş("qtbase_tr"));
        QCoreApplication::removeTranslator(&çeviri);
    }

    // The lock lies in the runtime folder only when it is the user's own with mode 0700, else in a
    // folder made 0700 under XDG_CACHE_HOME when absolute, else ~/.cache, taken only when private.
    void lockFolder() {
        QTemporaryDir kök;
        const auto yol = [&](const char *ad) { return kök.filePath(QString::fromUtf8(ad)); };
        const auto kur = [&](const char *ad, int kip) {
            return QDir().mkpath(yol(ad)) && chmod(QFile::encodeName(yol(ad)), kip) == 0;
        };
        QVERIFY(kur("özel", 0700) && kur("açık", 0755) && kur("ö/Mozeta-Tr", 0755) &&
                kur("ev", 0700) && kur("b", 0700) && kur("başkası", 0700) &&
                QDir::setCurrent(kök.path()) && QFile::link(yol("özel"), yol("b/Mozeta-Tr")));
        // Another user's folder: made so as root, else root's own.
        QVERIFY(geteuid() != 0 || chown(QFile::encodeName(yol("başkası")), 65534, 65534) == 0);
        qputenv("HOME", QFile::encodeName(yol("ev")));
        const std::tuple<QString, const char *, QString> satırlar[] = {
            {yol("özel"), "", yol("özel")},
            {yol("açık"), "ö1", yol("ö1/Mozeta-Tr")},
            {geteuid() ? u"/root"_s : yol("başkası"), "ö2", yol("ö2/Mozeta-Tr")},
            {u"özel"_s, nullptr, yol("ev/.cache/Mozeta-Tr")}, // both relative
            {yol("açık"), "b", {}},
            {yol("açık"), "ö", {}}};
        for (const auto &[çalışma, önbellek, beklenen] : satırlar) {
            qputenv("XDG_RUNTIME_DIR", QFile::encodeName(çalışma));
            qputenv("XDG_CACHE_HOME", önbellek ? QFile::encodeName(yol(önbellek)) : "ö3");
            const QFileInfo klasör(KilitKlasörü());
            QCOMPARE(klasör.filePath(), beklenen);
            QVERIFY(beklenen.isEmpty() ||
                    (klasör.ownerId() == geteuid() && (klasör.permissions() & 0x7077) == 0x7000));
        }
    }

    // A failing step shows the report: "Evet" goes on, "Hayır" ends; Esc and the close button do
    // nothing there (they would otherwise pick "Hayır").
    void errorReport() {
        for (const auto yanıt : {QMessageBox::Yes, QMessageBox::No}) {
            QStringList görülen;
            bool açıkKritikEvetli = false;
            KutuyuYanıtla(yanıt, [&](QMessageBox &kutu) {
                QTest::keyClick(&kutu, Qt::Key_Escape);
                kutu.close();
                görülen << kutu.windowTitle() << kutu.text();
                for (QAbstractButton *düğme : kutu.buttons())
                    görülen << düğme->text();
                açıkKritikEvetli = kutu.isVisible() && kutu.icon() == QMessageBox::Critical &&
                                   kutu.defaultButton() == kutu.button(QMessageBox::Yes);
            });
            HataKapanı adım(HataTarzı::BildirVeDevamEt);
            QVERIFY(!adım([] { throw ÇalışmaHatası(ÇalışmaHatası::DosyaBulunamadı); }));
            QCOMPARE(bitişSayısı_, int(yanıt == QMessageBox::No));
            QVERIFY(açıkKritikEvetli);
            görülen.sort();
            QCOMPARE(görülen, (QStringList{u"&Evet"_s, u"&Hayır"_s, u"Hata oluştu!"_s,
                                           u"Program, aşağıdaki hata nedeniyle doğru "
                                           "çalışmayabilir! \nYine de devam etmek istiyor musunuz?"
                                           "\r\n\r\nHata Kodu : 53\r\n\r\nHata Mesajı : Dosya "
                                           "bulunamadı"_s}));
        }
    }

    // Right and bottom lie one past the owner's last pixel; halves go to the even neighbour; an
    // owner at a negative coordinate leaves the box be. A box centres on the active window even
    // partly off screen (Qt would pull it back in).
    void boxIsCentred() {
        const std::tuple<QRect, QSize, std::optional<QPoint>> satırlar[] = {
            {{100, 100, 600, 400}, {303, 151}, QPoint(248, 224)},
            {{0, 0, 101, 51}, {10, 10}, QPoint(46, 20)},
            {{10, 10, 100, 100}, {300, 200}, QPoint(-90, -40)},
            {{-1, 10, 400, 300}, {300, 150}, std::nullopt},
            {{10, -5, 400, 300}, {300, 150}, std::nullopt}};
        for (const auto &[sahip, kutu, konum] : satırlar)
            QCOMPARE(OrtalanmışKonum(sahip, kutu), konum);
        const QRect ekran = QGuiApplication::primaryScreen()->geometry();
        QWidget sahip;
        sahip.setGeometry(ekran.right() - 300, ekran.bottom() - 200, 641, 481);
        sahip.show();
        QApplication::setActiveWindow(&sahip);
        QVERIFY(QTest::qWaitForWindowActive(&sahip));
        QPoint konum, beklenen;
        QStringList metinler;
        MesajıOrtala();
        KutuyuYanıtla(QMessageBox::Ok, [&](QMessageBox &kutu) {
            konum = kutu.pos();
            metinler << kutu.windowTitle() << kutu.button(QMessageBox::Ok)->text();
            beklenen = *OrtalanmışKonum(sahip.frameGeometry(), kutu.frameGeometry().size());
        });
        QCOMPARE(MsgBox(u"ortada mı?"_s, BilgiSimgesi), int(TamamYanıtı));
        QCOMPARE(konum, beklenen);
        // A box without a title of its own bears the program's.
        QCOMPARE(metinler, (QStringList{u"Mozeta"_s, u"Tamam"_s}));
    }

    // Blanks around the number, fractions rounded half to even; a caption with no string,
    // beyond 16 bits or not a number stays as it is.
    void captionWalk() {
        QWidget form;
        form.setWindowTitle(u"2000"_s);
        auto *çerçeve = new QGroupBox(u"1900"_s, &form);
        const std::pair<QWidget *, QString> satırlar[] = {
            {new QPushButton(u" 2000.5 "_s, &form), u"Tamam"_s},
            {new QPushButton(u"2099.5"_s, &form), u"İptal"_s},
            {new QPushButton(u"12345"_s, &form), u"12345"_s},
            {new QPushButton(u"70000"_s, &form), u"70000"_s},
            {new QPushButton(u"2000x"_s, &form), u"2000x"_s},
            {new QLabel(u"510"_s, new ResimKutusu(&form)), u"Geçen Süre :"_s}};
        FormuYerelleştir(&form);
        for (const auto &[denetim, metin] : satırlar)
            QCOMPARE(denetim->property("text").toString(), metin);
        QCOMPARE(çerçeve->title(), u"Önizleme "_s);
        QCOMPARE(form.windowTitle(), u"2000"_s); // the window's own caption is not a control's
    }
};

QTEST_MAIN(BaslangicTesti)
#include "BaslangicTesti.moc"
