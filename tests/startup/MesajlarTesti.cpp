// Centred message boxes and the error report.
#include "resources/DizgiTablosu.h"
#include "startup/OrtakYordamlarModulu.h"
#include "toolkit/HataPolitikasi.h"
#include "toolkit/MesajKutusu.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QtTest>
#include <functional>

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

class MesajlarTesti : public QObject {
    Q_OBJECT

private slots:
    void init() {
        bitişSayısı_ = 0;
        SüreciBitir = [this] { ++bitişSayısı_; };
    }

    void centredPosition_data() {
        QTest::addColumn<QRect>("sahip");
        QTest::addColumn<QSize>("kutu");
        QTest::addColumn<QPoint>("konum");
        // Owner (100, 100, 700, 500) as left, top, right, bottom.
        const QRect sahip(QPoint(100, 100), QSize(600, 400));
        QTest::newRow("örnek") << sahip << QSize(300, 150) << QPoint(250, 225);
        QTest::newRow("249.5 çifte") << sahip << QSize(301, 150) << QPoint(250, 225);
        QTest::newRow("248.5 çifte") << sahip << QSize(303, 151) << QPoint(248, 224);
        QTest::newRow("tek sahip") << QRect(0, 0, 101, 51) << QSize(10, 10) << QPoint(46, 20);
        QTest::newRow("kutu sahipten büyük")
            << QRect(10, 10, 100, 100) << QSize(300, 200) << QPoint(-90, -40);
        QTest::newRow("köşede sıfır")
            << QRect(0, 0, 1280, 1024) << QSize(200, 100) << QPoint(540, 462);
    }
    void centredPosition() {
        QFETCH(QRect, sahip);
        QFETCH(QSize, kutu);
        QFETCH(QPoint, konum);
        QCOMPARE(OrtalanmışKonum(sahip, kutu), std::optional<QPoint>(konum));
    }

    void negativeOwnerIsNotCentred_data() {
        QTest::addColumn<QRect>("sahip");
        QTest::newRow("sol") << QRect(-1, 10, 400, 300);
        QTest::newRow("üst") << QRect(10, -5, 400, 300);
        QTest::newRow("soldaki ekran") << QRect(-1280, 0, 800, 600);
        QTest::newRow("simge durumu") << QRect(-32000, -32000, 160, 24);
    }
    void negativeOwnerIsNotCentred() {
        QFETCH(QRect, sahip);
        QCOMPARE(OrtalanmışKonum(sahip, QSize(300, 150)), std::nullopt);
    }

    // The box lands centred on the window that was active when MesajıOrtala ran, even where
    // that puts it partly off the screen (the toolkit alone would pull it back in).
    void boxIsCentredOnActiveWindow() {
        const QRect ekran = QGuiApplication::primaryScreen()->geometry();
        QWidget sahip;
        sahip.setGeometry(ekran.right() - 300, ekran.bottom() - 200, 641, 481);
        sahip.show();
        QApplication::setActiveWindow(&sahip);
        QVERIFY(QTest::qWaitForWindowActive(&sahip));

        QPoint konum, beklenen;
        MesajıOrtala();
        KutuyuYanıtla(QMessageBox::Ok, [&](QMessageBox &kutu) {
            konum = kutu.pos();
            beklenen = *OrtalanmışKonum(sahip.frameGeometry(), kutu.frameGeometry().size());
        });
        MsgBox(QStringLiteral("ortada mı?"), vbInformation);
        QCOMPARE(konum, beklenen);
    }

    void boxWithoutActiveWindowIsCentredOnScreen() {
        QVERIFY(!QApplication::activeWindow());
        QPoint konum, beklenen;
        MesajıOrtala();
        KutuyuYanıtla(QMessageBox::Ok, [&](QMessageBox &kutu) {
            konum = kutu.pos();
            beklenen = *OrtalanmışKonum(QGuiApplication::primaryScreen()->geometry(),
                                        kutu.frameGeometry().size());
        });
        MsgBox(QStringLiteral("ekranın ortasında mı?"), vbInformation);
        QCOMPARE(konum, beklenen);
    }

    // One MesajıOrtala places one box: the next box is left where the toolkit puts it.
    void hookIsOneShot() {
        int hazırlanan = 0;
        SonrakiMesajKutusunuHazırla([&](QMessageBox &) { ++hazırlanan; });
        KutuyuYanıtla(QMessageBox::Ok);
        MsgBox(QStringLiteral("bir"), vbInformation);
        KutuyuYanıtla(QMessageBox::Ok);
        MsgBox(QStringLiteral("iki"), vbInformation);
        QCOMPARE(hazırlanan, 1);
    }

    void untitledBoxShowsApplicationTitle() {
        QString başlık, düğme;
        KutuyuYanıtla(QMessageBox::Ok, [&](QMessageBox &kutu) {
            başlık = kutu.windowTitle();
            düğme = kutu.button(QMessageBox::Ok)->text();
        });
        QCOMPARE(MsgBox(QStringLiteral("bilgi"), vbInformation), int(vbOK));
        QCOMPARE(başlık, QStringLiteral("Mozeta"));
        QCOMPARE(düğme, QStringLiteral("Tamam"));
    }

    void errorReportText() {
        const QString metin = HataRaporuMetni(ÇalışmaHatası(53));
        QCOMPARE(metin, QStringLiteral(u"Program, aşağıdaki hata nedeniyle doğru "
                                       u"çalışmayabilir! \nYine de devam etmek istiyor "
                                       u"musunuz?\r\n\r\nHata Kodu : 53\r\n\r\n"
                                       u"Hata Mesajı : Dosya bulunamadı"));
    }

    void errorReportTextWithEmptyDescription() {
        const ÇalışmaHatası hata(-2147, QStringLiteral(""));
        QVERIFY(hata.Açıklama().isEmpty());
        const QStringList satırlar = HataRaporuMetni(hata).split(QStringLiteral("\r\n"));
        QCOMPARE(satırlar.size(), 5);
        QCOMPARE(satırlar[0], LoadResString(40));
        QCOMPARE(satırlar[1], QString());
        QCOMPARE(satırlar[2], QStringLiteral("Hata Kodu : -2147"));
        QCOMPARE(satırlar[3], QString());
        QCOMPARE(satırlar[4], QStringLiteral(u"Hata Mesajı : "));
    }

    void errorReportYesReturns() {
        QString başlık, metin;
        QMessageBox::Icon simge = QMessageBox::NoIcon;
        QStringList düğmeler;
        QAbstractButton *varsayılan = nullptr, *evet = nullptr;
        KutuyuYanıtla(QMessageBox::Yes, [&](QMessageBox &kutu) {
            başlık = kutu.windowTitle();
            metin = kutu.text();
            simge = kutu.icon();
            for (QAbstractButton *düğme : kutu.buttons())
                düğmeler << düğme->text();
            varsayılan = static_cast<QAbstractButton *>(kutu.defaultButton());
            evet = kutu.button(QMessageBox::Yes);
        });
        HataRaporu(ÇalışmaHatası(53));
        QCOMPARE(bitişSayısı_, 0);
        QCOMPARE(başlık, QStringLiteral(u"Hata oluştu!"));
        QCOMPARE(metin, HataRaporuMetni(ÇalışmaHatası(53)));
        QCOMPARE(simge, QMessageBox::Critical);
        düğmeler.sort();
        QCOMPARE(düğmeler, QStringList({QStringLiteral("&Evet"), QStringLiteral(u"&Hayır")}));
        QCOMPARE(varsayılan, evet);
    }

    void errorReportNoEnds() {
        KutuyuYanıtla(QMessageBox::No);
        HataRaporu(ÇalışmaHatası(76));
        QCOMPARE(bitişSayısı_, 1);
    }

    // Esc or the close button must not pick "Hayır", which ends the program.
    void errorReportIgnoresEscapeAndClose() {
        QTimer::singleShot(0, [] {
            QPointer<QMessageBox> kutu =
                qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(kutu);
            QTest::keyClick(kutu, Qt::Key_Escape);
            kutu->close();
            QTimer::singleShot(50, [kutu] {
                QVERIFY(kutu && kutu->isVisible());
                kutu->button(QMessageBox::Yes)->click();
            });
        });
        HataRaporu(ÇalışmaHatası(5));
        QCOMPARE(bitişSayısı_, 0);
    }

    // The error policy's report-and-continue style goes through the error report: "Evet"
    // resumes with the next step.
    void reportAndContinueResumes() {
        HataKapanı::BildiriciKur(HataRaporu);
        HataKapanı adım(HataTarzı::BildirVeDevamEt);
        QStringList yapılan;
        KutuyuYanıtla(QMessageBox::Yes);
        adım([&] { throw ÇalışmaHatası(ÇalışmaHatası::DosyaBulunamadı); });
        adım([&] { yapılan << QStringLiteral("sonraki"); });
        QCOMPARE(yapılan, QStringList{QStringLiteral("sonraki")});
        QCOMPARE(adım.HataSayısı(), 1);
        QCOMPARE(bitişSayısı_, 0);
    }

private:
    int bitişSayısı_ = 0;
};

QTEST_MAIN(MesajlarTesti)
#include "MesajlarTesti.moc"
