// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up and the routines every window shares: title, program folder, the photo on the command
// line, error report, centred message boxes and window texts.
#include "resources/DizgiTablosu.h"
#include "startup/BaslangicModulu.h"
#include "startup/OrtakYordamlarModulu.h"
#include "toolkit/DosyaAdresi.h"
#include "toolkit/HataPolitikasi.h"
#include "toolkit/MesajKutusu.h"
#include "toolkit/ResimKutusu.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QtTest>

using namespace Qt::Literals::StringLiterals;

namespace {

// Answers the next modal message box from the event loop, after `incele` has looked at it.
void KutuyuYanıtla(QMessageBox::StandardButton yanıt,
                   std::function<void(QMessageBox &)> incele = {}) {
    QTimer::singleShot(0, [yanıt, incele] {
        auto *kutu = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(kutu);
        if (incele)
            incele(*kutu);
        kutu->button(yanıt)->click();
    });
}

} // namespace

class BaslangicTesti : public QObject {
    Q_OBJECT

    int bitişSayısı_ = 0;

private slots:
    void initTestCase() { OrtakHizmetleriKur(); }
    void init() {
        bitişSayısı_ = 0;
        SüreciBitir = [this] { ++bitişSayısı_; };
    }

    // ---- Start-up ----

    void titleAndFolder() {
        QCOMPARE(PencereBaşlığınıOluştur(1, 2, 10), u"Nuv Vorudov - Mozeta 1.210"_s);
        QCOMPARE(PencereBaşlığınıOluştur(1, 20, 1), u"Nuv Vorudov - Mozeta 1.201"_s);
        QCOMPARE(AyırıcıylaBiten(u"/opt/mozeta"_s), u"/opt/mozeta/"_s);
        QCOMPARE(AyırıcıylaBiten(u"/"_s), u"/"_s);
    }

    // The photo on the command line: a path from the current folder, or a file URI of this
    // machine as some launchers pass it; a URI of another host is kept to be refused; options
    // are passed over until "--"; nothing or an empty argument is no photo. A later start sends
    // the photo as an escaped URI.
    void photoOnTheCommandLine() {
        const QString oyun = u"Mozeta-Tr"_s;
        QCOMPARE(KomutSatırıFotoğrafı({oyun}), QString());
        QCOMPARE(KomutSatırıFotoğrafı({oyun, QString()}), QString());
        QCOMPARE(KomutSatırıFotoğrafı({oyun, u"a/ş.jpg"_s}),
                 QDir::current().filePath(u"a/ş.jpg"_s));
        QCOMPARE(KomutSatırıFotoğrafı({oyun, u"file:///tmp/g%C3%BCl%20a.jpg"_s}),
                 u"/tmp/gül a.jpg"_s);
        QCOMPARE(KomutSatırıFotoğrafı({oyun, u"file://LocalHost/tmp/a.jpg"_s}), u"/tmp/a.jpg"_s);
        QCOMPARE(KomutSatırıFotoğrafı({oyun, u"file://tmp/a.jpg"_s}), u"file://tmp/a.jpg"_s);
        QCOMPARE(KomutSatırıFotoğrafı({oyun, u"-x"_s, u"--"_s, u"-x.jpg"_s}),
                 QDir::current().filePath(u"-x.jpg"_s));
        QCOMPARE(KomutSatırıFotoğrafı({oyun, u"-x.jpg"_s}), QString());
        QCOMPARE(FotoğrafAdresi(u"/tmp/Türkçe klasör/#1.jpg"_s),
                 u"file:///tmp/T%C3%BCrk%C3%A7e%20klas%C3%B6r/%231.jpg"_s);
        QCOMPARE(FotoğrafAdresi(u"file://tmp/a.jpg"_s), u"file://tmp/a.jpg"_s);
    }

    void errorReportText() {
        QCOMPARE(HataRaporuMetni(ÇalışmaHatası(53)),
                 u"Program, aşağıdaki hata nedeniyle doğru çalışmayabilir! \nYine de devam etmek "
                 "istiyor musunuz?\r\n\r\nHata Kodu : 53\r\n\r\nHata Mesajı : Dosya bulunamadı"_s);
        QCOMPARE(HataRaporuMetni(ÇalışmaHatası(-2147, u""_s)),
                 LoadResString(40) + u"\r\n\r\nHata Kodu : -2147\r\n\r\nHata Mesajı : "_s);
    }

    // A failing step of a report-and-continue routine shows the report; Esc and the close
    // button do nothing there (they would otherwise pick "Hayır", which ends the program) and
    // "Evet" goes on.
    void errorReportYesGoesOn() {
        HataKapanı::BildiriciKur(HataRaporu);
        QString başlık, metin;
        QStringList düğmeler;
        bool evetVarsayılan = false, açıkKaldı = false;
        QMessageBox::Icon simge = QMessageBox::NoIcon;
        KutuyuYanıtla(QMessageBox::Yes, [&](QMessageBox &kutu) {
            başlık = kutu.windowTitle();
            metin = kutu.text();
            for (QAbstractButton *düğme : kutu.buttons())
                düğmeler << düğme->text();
            evetVarsayılan = kutu.defaultButton() == kutu.button(QMessageBox::Yes);
            simge = kutu.icon();
            QTest::keyClick(&kutu, Qt::Key_Escape);
            kutu.close();
            açıkKaldı = kutu.isVisible();
        });
        HataKapanı adım(HataTarzı::BildirVeDevamEt);
        QVERIFY(!adım([] { throw ÇalışmaHatası(ÇalışmaHatası::DosyaBulunamadı); }));
        HataKapanı::BildiriciKur({});
        QCOMPARE(bitişSayısı_, 0);
        QCOMPARE(başlık, u"Hata oluştu!"_s);
        QCOMPARE(metin, HataRaporuMetni(ÇalışmaHatası(53)));
        düğmeler.sort();
        QCOMPARE(düğmeler, (QStringList{u"&Evet"_s, u"&Hayır"_s}));
        QVERIFY(evetVarsayılan && simge == QMessageBox::Critical);
        QVERIFY(açıkKaldı);
    }

    void errorReportNoEnds() {
        KutuyuYanıtla(QMessageBox::No);
        HataRaporu(ÇalışmaHatası(76));
        QCOMPARE(bitişSayısı_, 1);
    }

    // ---- Centred message boxes ----

    // Right and bottom lie one past the last pixel of the owner, as in a Windows RECT; 249.5
    // and 248.5 go to the even neighbour; an owner with a negative coordinate leaves the box
    // where it is.
    void centredPosition() {
        const QRect sahip(100, 100, 600, 400);
        const struct {
            QRect sahip;
            QSize kutu;
            std::optional<QPoint> konum;
        } satırlar[] = {{sahip, {300, 150}, QPoint(250, 225)},
                        {sahip, {301, 150}, QPoint(250, 225)},
                        {sahip, {303, 151}, QPoint(248, 224)},
                        {{0, 0, 101, 51}, {10, 10}, QPoint(46, 20)},
                        {{10, 10, 100, 100}, {300, 200}, QPoint(-90, -40)},
                        {{-1, 10, 400, 300}, {300, 150}, std::nullopt},
                        {{10, -5, 400, 300}, {300, 150}, std::nullopt},
                        {{-32000, -32000, 160, 24}, {300, 150}, std::nullopt}};
        for (const auto &s : satırlar)
            QCOMPARE(OrtalanmışKonum(s.sahip, s.kutu), s.konum);
    }

    // On the primary screen when no window is active, else on the active window even where
    // that puts the box partly off the screen (the toolkit alone would pull it back in).
    void boxIsCentred() {
        const QRect ekran = QGuiApplication::primaryScreen()->geometry();
        QVERIFY(!QApplication::activeWindow());
        for (bool pencereli : {false, true}) {
            QWidget sahip;
            if (pencereli) {
                sahip.setGeometry(ekran.right() - 300, ekran.bottom() - 200, 641, 481);
                sahip.show();
                QApplication::setActiveWindow(&sahip);
                QVERIFY(QTest::qWaitForWindowActive(&sahip));
            }
            QPoint konum, beklenen;
            QString başlık, düğme;
            MesajıOrtala();
            KutuyuYanıtla(QMessageBox::Ok, [&](QMessageBox &kutu) {
                konum = kutu.pos();
                başlık = kutu.windowTitle();
                düğme = kutu.button(QMessageBox::Ok)->text();
                beklenen = *OrtalanmışKonum(pencereli ? sahip.frameGeometry() : ekran,
                                            kutu.frameGeometry().size());
            });
            QCOMPARE(MsgBox(u"ortada mı?"_s, BilgiSimgesi), int(TamamYanıtı));
            QCOMPARE(konum, beklenen);
            QCOMPARE(başlık, u"Mozeta"_s); // a box without a title of its own
            QCOMPARE(düğme, u"Tamam"_s);
        }
    }

    // ---- Window texts ----

    // Blanks around the number, fractions rounded half to even; a caption with no string,
    // beyond 16 bits or not a number stays as it is.
    void captionWalk() {
        const std::pair<QString, QString> satırlar[] = {
            {u" 2000 "_s, u"Tamam"_s},   {u"2000.5"_s, u"Tamam"_s}, {u"2099.5"_s, u"İptal"_s},
            {u"1900"_s, u"Önizleme "_s}, {u"12345"_s, u"12345"_s},  {u"70000"_s, u"70000"_s},
            {u"2000x"_s, u"2000x"_s}};
        QWidget form;
        form.setWindowTitle(u"2000"_s);
        QList<QPushButton *> düğmeler;
        for (const auto &s : satırlar)
            düğmeler << new QPushButton(s.first, &form);
        // Controls inside frames, panels and picture boxes too.
        auto *çerçeve = new QGroupBox(u"1900"_s, &form);
        auto *seçenek = new QRadioButton(u"210"_s, çerçeve);
        auto *onay = new QCheckBox(u"400"_s, çerçeve);
        auto *resimdeki = new QLabel(u"510"_s, new ResimKutusu(&form));
        auto *altlıktaki = new QLabel(u"520"_s, new QWidget(&form));

        FormuYerelleştir(&form);

        for (int i = 0; i < düğmeler.size(); ++i)
            QCOMPARE(düğmeler[i]->text(), satırlar[i].second);
        QCOMPARE(form.windowTitle(), u"2000"_s); // the window's own caption is not a control's
        QCOMPARE(çerçeve->title(), u"Önizleme "_s);
        QCOMPARE(seçenek->text(), u"&3 x 3 'lü Parçalar "_s);
        QCOMPARE(onay->text(), u"F&otoğrafın örneğini göster "_s);
        QCOMPARE(resimdeki->text(), u"Geçen Süre :"_s);
        QCOMPARE(altlıktaki->text(), u"Hamle Sayısı :"_s);
    }
};

QTEST_MAIN(BaslangicTesti)
#include "BaslangicTesti.moc"
