// The real game under Xvfb: deal, slide, save on Esc, restore, and play the restored game to
// its end with the shortest solution.
#include "OyunE2e.h"

#include "toolkit/AyarDeposu.h"
#include "toolkit/HataPolitikasi.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>
#include <array>
#include <deque>
#include <unordered_map>

namespace {

const QString Uygulama = QStringLiteral("Nuv Zovevav\\Mozeta-Tr");

// Screenshots for a person to look at, when MOZETA_E2E_GORUNTULER names a folder.
void Sakla(const QImage &görüntü, const QString &ad) {
    const QString klasör = qEnvironmentVariable("MOZETA_E2E_GORUNTULER");
    if (!klasör.isEmpty())
        görüntü.save(QDir(klasör).filePath(ad + QStringLiteral(".png")));
}

using Düzen = std::array<int, 9>; // per place its piece, 8 for the empty place

std::uint32_t Kod(const Düzen &düzen) {
    std::uint32_t kod = 0;
    for (int parça : düzen)
        kod = kod * 9 + static_cast<std::uint32_t>(parça);
    return kod;
}

// The places to click, in order, that put a 3 x 3 board in order by the fewest moves.
std::optional<std::vector<int>> EnKısaÇözüm(const Düzen &başlangıç) {
    Düzen hedef{0, 1, 2, 3, 4, 5, 6, 7, 8};
    std::unordered_map<std::uint32_t, std::pair<std::uint32_t, int>>
        geldiği; // state -> (from, click)
    std::unordered_map<std::uint32_t, Düzen> düzenler;
    std::deque<Düzen> sıra{başlangıç};
    geldiği[Kod(başlangıç)] = {Kod(başlangıç), -1};
    düzenler[Kod(başlangıç)] = başlangıç;
    while (!sıra.empty()) {
        const Düzen düzen = sıra.front();
        sıra.pop_front();
        if (düzen == hedef) {
            std::vector<int> tıklamalar;
            for (std::uint32_t kod = Kod(düzen); geldiği[kod].second >= 0; kod = geldiği[kod].first)
                tıklamalar.insert(tıklamalar.begin(), geldiği[kod].second);
            return tıklamalar;
        }
        const int boş = static_cast<int>(std::find(düzen.begin(), düzen.end(), 8) - düzen.begin());
        for (int komşu : {boş - 3, boş + 3, boş % 3 ? boş - 1 : -1, boş % 3 != 2 ? boş + 1 : -1}) {
            if (komşu < 0 || komşu > 8)
                continue;
            Düzen yeni = düzen;
            std::swap(yeni[boş], yeni[komşu]);
            if (geldiği.emplace(Kod(yeni), std::pair{Kod(düzen), komşu}).second)
                sıra.push_back(yeni);
        }
    }
    return std::nullopt;
}

// The part of the screen the 3 x 3 board covers, from its empty place and the step between
// places.
QRect TahtaBölgesi(QPoint sağAltMerkez, QSize yer, QSize adım) {
    const QPoint solÜst = sağAltMerkez - QPoint(2 * adım.width() + yer.width() / 2,
                                                2 * adım.height() + yer.height() / 2);
    return QRect(solÜst, QSize(2 * adım.width() + yer.width(), 2 * adım.height() + yer.height()));
}

} // namespace

class PlayE2eTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        if (!ortam_.Başlat())
            QSKIP(qPrintable(ortam_.Sorun()));
    }
    void init() {
        AyarKlasörünüKur(ortam_.AyarlarKlasörü());
        for (const QString &bölüm : {QStringLiteral("Oyun"), QStringLiteral("Ayarlar")})
            HataKapanı(HataTarzı::YoksayVeDevamEt)([&] { DeleteSetting(Uygulama, bölüm); });
    }
    void cleanup() { ortam_.OyunlarıBitir(); }

    void dealSlideSaveRestoreAndComplete();
    void closeBoxAsksFirst();

private:
    E2eOrtamı ortam_;
};

void PlayE2eTest::dealSlideSaveRestoreAndComplete() {
    QRect ilkBoş, ikinciBoş;
    QImage kaydedilen;
    {
        OyunSüreci oyun(ortam_);
        const QString pencere = oyun.PencereyiBekle();
        QVERIFY2(!pencere.isEmpty(), qPrintable(oyun.Çıktı()));
        QVERIFY(!BoşYeriBul(Görüntü(ortam_))); // a board in order has no empty place

        ortam_.TuşBas(pencere, QStringLiteral("alt+y")); // "&Yeni Oyun"
        QTest::qWait(500);
        QImage görüntü = Görüntü(ortam_);
        Sakla(görüntü, QStringLiteral("1-yeni-oyun"));
        const auto boş = BoşYeriBul(görüntü);
        QVERIFY2(boş, "no light-yellow empty place after \"&Yeni Oyun\"");
        ilkBoş = *boş;

        // The piece left of the empty place slides into it.
        EkrandaTıkla(ortam_, QPoint(ilkBoş.left() - ilkBoş.width() / 2, ilkBoş.center().y()));
        QTest::qWait(400);
        görüntü = Görüntü(ortam_);
        const auto kayan = BoşYeriBul(görüntü);
        QVERIFY(kayan);
        ikinciBoş = *kayan;
        QCOMPARE(ikinciBoş.size(), ilkBoş.size());
        QCOMPARE(ikinciBoş.top(), ilkBoş.top());
        QVERIFY(ikinciBoş.right() < ilkBoş.left());

        ortam_.TuşBas(pencere, QStringLiteral("alt+k")); // "Çı&kışta oyunu kaydet "
        QTest::qWait(300);
        kaydedilen = Görüntü(ortam_);
        ortam_.TuşBas(pencere, QStringLiteral("Escape"));
        QVERIFY2(oyun.BitmesiniBekle(), "Esc did not end the program");
        QCOMPARE(oyun.ÇıkışKodu(), 0);
    }

    AyarlarıUnut();
    const AyarListesi satırlar = GetAllSettings(Uygulama, QStringLiteral("Oyun"));
    QCOMPARE(static_cast<int>(satırlar.size()), 9);
    Düzen düzen{};
    for (int yer = 0; yer < 9; ++yer) {
        QCOMPARE(satırlar[yer].first, QStringLiteral("Foto-%1").arg(yer));
        düzen[yer] =
            satırlar[yer].second.endsWith(QLatin1Char('B')) ? 8 : satırlar[yer].second.toInt();
    }
    QCOMPARE(satırlar[7].second, QStringLiteral("7B"));
    QCOMPARE(GetSetting(Uygulama, QStringLiteral("Ayarlar"), QStringLiteral("Oyunu Kaydet")),
             QStringLiteral("1"));
    const auto çözüm = EnKısaÇözüm(düzen);
    QVERIFY2(çözüm, "the saved deal cannot be solved");

    // Places from the two empty places seen: the first was place 8, the second place 7.
    const QSize yer = ilkBoş.size();
    const int yatayAdım = ilkBoş.left() - ikinciBoş.left();
    const QSize adım(yatayAdım, yer.height() + (yatayAdım - yer.width()));
    const QPoint sağAlt = ilkBoş.center();
    const auto merkez = [&](int y) {
        return sağAlt - QPoint((2 - y % 3) * adım.width(), (2 - y / 3) * adım.height());
    };
    const QRect tahta = TahtaBölgesi(sağAlt, yer, adım);

    OyunSüreci oyun(ortam_);
    const QString pencere = oyun.PencereyiBekle();
    QVERIFY2(!pencere.isEmpty(), qPrintable(oyun.Çıktı()));
    QImage görüntü = Görüntü(ortam_);
    Sakla(görüntü, QStringLiteral("2-geri-yuklendi"));
    QCOMPARE(BoşYeriBul(görüntü), std::optional<QRect>(ikinciBoş));
    QCOMPARE(görüntü.copy(tahta), kaydedilen.copy(tahta));

    // The clock runs: the screen changes outside the board within two seconds.
    QTest::qWait(1500);
    const QImage sonraki = Görüntü(ortam_);
    QVERIFY2(sonraki != görüntü, "the clock does not run after the restore");
    QCOMPARE(sonraki.copy(tahta), görüntü.copy(tahta));

    // The restored game, played to its end by the shortest solution.
    for (std::size_t sıra = 0; sıra < çözüm->size(); ++sıra) {
        const int tıklanan = (*çözüm)[sıra];
        EkrandaTıkla(ortam_, merkez(tıklanan));
        if (sıra + 1 == çözüm->size())
            break;
        QTest::qWait(60);
        const auto boş = BoşYeriBul(Görüntü(ortam_));
        QVERIFY2(
            boş && boş->contains(merkez(tıklanan)),
            qPrintable(
                QStringLiteral("move %1 (place %2) did not slide").arg(sıra + 1).arg(tıklanan)));
    }

    // The congratulation opens over the whole photo.
    QTRY_COMPARE_WITH_TIMEOUT(MozetaPencereSayısı(ortam_), 2, 5000);
    görüntü = Görüntü(ortam_);
    Sakla(görüntü, QStringLiteral("3-tebrik"));
    ortam_.Çalıştır(QStringLiteral("xdotool"), {QStringLiteral("key"), QStringLiteral("Return")});
    QTRY_COMPARE_WITH_TIMEOUT(MozetaPencereSayısı(ortam_), 1, 5000);
    QTest::qWait(200);
    görüntü = Görüntü(ortam_);
    Sakla(görüntü, QStringLiteral("4-tamamlandi"));
    QVERIFY2(!BoşYeriBul(görüntü), "the corner stays empty after completion");

    // The finished game is gone from the store at once: it was the one restored.
    AyarlarıUnut();
    QVERIFY(GetAllSettings(Uygulama, QStringLiteral("Oyun")).empty());
    QVERIFY(GetAllSettings(Uygulama, QStringLiteral("Oyun\\Bilgiler")).empty());

    // Without a window manager nobody gives the window back its activation once the box has
    // gone, and Esc works only in the active window.
    ortam_.Çalıştır(QStringLiteral("xdotool"), {QStringLiteral("windowfocus"), pencere});
    ortam_.TuşBas(pencere, QStringLiteral("Escape"));
    QVERIFY2(oyun.BitmesiniBekle(), "Esc did not end the program after the game");
    AyarlarıUnut();
    QVERIFY(GetAllSettings(Uygulama, QStringLiteral("Oyun")).empty());

    // A machine without sound stays quiet: at most Qt's one line when it first looks for a
    // sound server, never a warning per sound.
    const QString çıktı = oyun.Çıktı();
    QVERIFY2(!çıktı.contains(QStringLiteral("No audio device")), qPrintable(çıktı));
    QVERIFY2(çıktı.count(QLatin1Char('\n')) <= 1, qPrintable(çıktı));
}

void PlayE2eTest::closeBoxAsksFirst() {
    OyunSüreci oyun(ortam_);
    const QString pencere = oyun.PencereyiBekle();
    QVERIFY2(!pencere.isEmpty(), qPrintable(oyun.Çıktı()));
    ortam_.TuşBas(pencere, QStringLiteral("alt+y"));
    ortam_.TuşBas(pencere, QStringLiteral("alt+k"));
    QTest::qWait(300);
    if (!KapatmaİsteğiGönder(ortam_, pencere))
        QSKIP("this build cannot send a close request to the window");

    // "Hayır": the question goes, the game goes on, nothing is written.
    QTRY_COMPARE_WITH_TIMEOUT(MozetaPencereSayısı(ortam_), 2, 5000);
    Sakla(Görüntü(ortam_), QStringLiteral("5-cikis-sorusu"));
    ortam_.Çalıştır(QStringLiteral("xdotool"), {QStringLiteral("key"), QStringLiteral("alt+h")});
    QTRY_COMPARE_WITH_TIMEOUT(MozetaPencereSayısı(ortam_), 1, 5000);
    QVERIFY(!oyun.BitmesiniBekle(500));
    QVERIFY(GetAllSettings(Uygulama, QStringLiteral("Ayarlar")).empty());
    const QImage önce = Görüntü(ortam_);
    QTest::qWait(1200);
    QVERIFY2(Görüntü(ortam_) != önce, "the clock stopped after \"Hayır\"");

    // "Evet": the program ends and keeps the game.
    QVERIFY(KapatmaİsteğiGönder(ortam_, pencere));
    QTRY_COMPARE_WITH_TIMEOUT(MozetaPencereSayısı(ortam_), 2, 5000);
    ortam_.Çalıştır(QStringLiteral("xdotool"), {QStringLiteral("key"), QStringLiteral("alt+e")});
    QVERIFY2(oyun.BitmesiniBekle(), "\"Evet\" did not end the program");
    QCOMPARE(oyun.ÇıkışKodu(), 0);
    AyarlarıUnut();
    const AyarListesi satırlar = GetAllSettings(Uygulama, QStringLiteral("Oyun"));
    QCOMPARE(satırlar.size(), std::size_t(9));
    QCOMPARE(satırlar[8].second, QStringLiteral("8B"));
}

QTEST_GUILESS_MAIN(PlayE2eTest)
#include "uctan_uca_test.moc"
