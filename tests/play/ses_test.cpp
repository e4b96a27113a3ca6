// The sounds on the real window: turned off, or on a machine without sound, nothing plays and
// nothing else changes; without an audio output no sound object is made and nothing is logged.
#include "game/OyunSaati.h"
#include "tests/ortak/PencereOrtami.h"

#include <QCheckBox>
#include <QFile>

namespace {
bool Yüklü(const char *kitaplık) {
    QFile haritalar(u"/proc/self/maps"_s);
    return haritalar.open(QIODevice::ReadOnly) && haritalar.readAll().contains(kitaplık);
}

QStringList uyarılar;
void UyarıTopla(QtMsgType tür, const QMessageLogContext &, const QString &metin) {
    if (tür != QtDebugMsg)
        uyarılar << metin;
}
} // namespace

class SoundTest : public QObject {
    Q_OBJECT

private slots:
    // First: the sound libraries cost every start memory and time, so the module that links
    // them is loaded at the first sound, never by making the player.
    void soundLibrariesLoadAtTheFirstSound() {
        QVERIFY(!Yüklü("libQt6Multimedia"));
        SesOynatıcı ses;
        QVERIFY(!Yüklü("mozeta-ses") && !Yüklü("libQt6Multimedia"));
        ses.AygıtVarMı();
        QVERIFY(Yüklü("mozeta-ses") && Yüklü("libQt6Multimedia"));
    }

    void soundsOffOrNoDeviceChangeNothingElse_data() {
        QTest::addColumn<bool>("sesKapalı");
        QTest::addColumn<bool>("aygıtVar");
        QTest::newRow("sesler açık") << false << true;
        QTest::newRow("sesler kapalı") << true << true;
        QTest::newRow("ses aygıtı yok") << false << false;
    }
    void soundsOffOrNoDeviceChangeNothingElse() {
        QFETCH(bool, sesKapalı);
        QFETCH(bool, aygıtVar);
        PencereOrtamı ortam;
        ortam.ÖrnekYaz();
        auto p = ortam.Yükle();
        p->SesleriKapatOnayı->setChecked(sesKapalı);
        p->Ses().AygıtVarMı = [aygıtVar] { return aygıtVar; };
        p->YeniOyunDüğmesi_Click(); // then the solved board with the empty place at 7
        for (int yer = 0; yer < 7; ++yer)
            p->Tahta.YeriKur(yer, yer, QString::number(yer));
        p->Tahta.BoşYeriKur(7);
        p->Tahta.YeriKur(8, 7, u"7"_s);
        p->TahtayıGöster();

        p->DağınıkParçalar_Click(0);
        p->DağınıkParçalar_Click(8);

        const bool duyulur = !sesKapalı && aygıtVar;
        QCOMPARE(ortam.sesler,
                 duyulur ? (QStringList{u"DUR"_s, u"TAMAM"_s, u"TEBRIK"_s}) : QStringList{});
        QCOMPARE(ortam.kutular.Kutular.size(), std::size_t(1));
        QCOMPARE(ortam.kutular.Kutular[0].metin, TebrikMetni(OyunSaati{}, 1));
        QCOMPARE(p->SüreHesapla.Interval(), 0);
        QCOMPARE(p->DağınıkParçalar(8)->Picture(), p->SıralıParçalar(8)->Image());
    }

    void noDeviceMakesNoSoundObjects() {
        // Forced, and (on a machine without a sound server) as Qt itself reports it.
        const bool qtAygıtBulur = SesOynatıcı().AygıtVarMı();
        for (bool zorla : {true, false}) {
            if (!zorla && qtAygıtBulur)
                continue;
            SesOynatıcı ses;
            QStringList çalınan;
            ses.Çalındı = [&](const QString &ad) { çalınan << ad; };
            if (zorla)
                ses.AygıtVarMı = [] { return false; };
            uyarılar.clear();
            const auto önceki = qInstallMessageHandler(UyarıTopla);
            for (int kez = 0; kez < 20; ++kez)
                ses.Çal(kez % 2 ? u"TAMAM"_s : u"DUR"_s);
            qInstallMessageHandler(önceki);
            QVERIFY(çalınan.isEmpty());
            QVERIFY2(uyarılar.isEmpty(), qPrintable(uyarılar.join(u'\n')));
        }
    }
};

QTEST_MAIN(SoundTest)
#include "ses_test.moc"
