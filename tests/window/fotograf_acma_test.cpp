// SPDX-License-Identifier: GPL-3.0-or-later
// A photo dropped on the main window: the drag cursor takes exactly one photo file and refuses
// anything else; the drop opens it as the chooser's OK does, or refuses it with the same message.
#include "resources/DizgiTablosu.h"
#include "tests/ortak/PencereOrtami.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>

namespace {

// Sends a drag that enters the window and, when it is taken, drops it; true when it was taken.
bool Bırak(AnaForm &form, const QList<QUrl> &adresler, const QString &metin = {}) {
    QMimeData veri;
    if (!adresler.isEmpty())
        veri.setUrls(adresler);
    if (!metin.isEmpty())
        veri.setText(metin);
    const QPointF yer = form.rect().center();
    QDragEnterEvent giriş(yer.toPoint(), Qt::CopyAction, &veri, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&form, &giriş);
    if (!giriş.isAccepted())
        return false;
    QDropEvent bırakma(yer, Qt::CopyAction, &veri, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&form, &bırakma);
    return bırakma.isAccepted();
}

} // namespace

class PhotoOpenTest : public QObject {
    Q_OBJECT

private slots:
    void dragCursorTakesOnePhotoFile_data() {
        QTest::addColumn<QStringList>("adlar");
        QTest::addColumn<bool>("alınır");
        QTest::newRow("one .jpg") << QStringList{u"a.jpg"_s} << true;
        QTest::newRow("one .JPEG") << QStringList{u"b.JPEG"_s} << true;
        QTest::newRow("one .bmp") << QStringList{u"c.bmp"_s} << true;
        QTest::newRow("two photos") << QStringList{u"a.jpg"_s, u"c.bmp"_s} << false;
        QTest::newRow("a .png") << QStringList{u"d.png"_s} << false;
        QTest::newRow("a folder named .jpg") << QStringList{u"klasör.jpg"_s} << false;
        QTest::newRow("a missing file") << QStringList{u"yok.jpg"_s} << false;
        QTest::newRow("a web address") << QStringList{u"http://example.com/a.jpg"_s} << false;
        QTest::newRow("text only") << QStringList{} << false;
    }

    void dragCursorTakesOnePhotoFile() {
        QFETCH(QStringList, adlar);
        QFETCH(bool, alınır);
        PencereOrtamı ortam;
        QTemporaryDir klasör;
        for (const char *ad : {"a.jpg", "b.JPEG", "c.bmp", "d.png"})
            ÖrnekFotoğraf(QSize(40, 30)).save(klasör.filePath(QString::fromUtf8(ad)), "BMP");
        QDir(klasör.path()).mkdir(u"klasör.jpg"_s);
        QList<QUrl> adresler;
        for (const QString &ad : adlar)
            adresler << (ad.contains(u':') ? QUrl(ad) : QUrl::fromLocalFile(klasör.filePath(ad)));
        auto form = ortam.Yükle();
        QCOMPARE(Bırak(*form, adresler, u"a.jpg"_s), alınır);
        if (alınır)
            QTRY_COMPARE(FotoğrafYolu, klasör.filePath(adlar.first()));
        QVERIFY(ortam.kutular.Kutular.empty() && ortam.hatalar.isEmpty());
    }

    // With a game running the dropped photo is cut with the current grid and dealt anew. A text
    // file named x.jpg gets the chooser's message and the board keeps its photo and its game.
    void dropOpensThePhotoOrRefusesIt() {
        PencereOrtamı ortam;
        ortam.ÖrnekYaz();
        QTemporaryDir klasör;
        const QString yeni = klasör.filePath(u"yeni.jpg"_s), metin = klasör.filePath(u"x.jpg"_s);
        QVERIFY(ÖrnekFotoğraf(QSize(800, 600)).mirrored(true, true).save(yeni, nullptr, 95));
        QFile dosya(metin);
        QVERIFY(dosya.open(QIODevice::WriteOnly) && dosya.write("bir metin\n") > 0);
        dosya.close();
        auto form = ortam.Yükle();
        form->ParçalaraBölSeçeneği_Click(1);
        form->YeniOyunDüğmesi_Click();
        const int boş = form->Tahta.BoşParça();
        form->DağınıkParçalar_Click(boş - 1);
        QCOMPARE(form->HamleSayısı, 1);

        QVERIFY(Bırak(*form, {QUrl::fromLocalFile(metin)}));
        QTRY_COMPARE(ortam.kutular.Kutular.size(), std::size_t(1));
        QCOMPARE(ortam.kutular.Kutular[0].metin, LoadResString(2300));
        QCOMPARE(FotoğrafYolu, ortam.program.filePath(u"Sample-1.jpg"_s));
        QCOMPARE(form->HamleSayısı, 1);

        QVERIFY(Bırak(*form, {QUrl::fromLocalFile(yeni)}));
        QTRY_COMPARE(FotoğrafYolu, yeni);
        QCOMPARE(form->Tahta.YerSayısı(), 16);
        QCOMPARE(form->HamleSayısı, 0);
        QCOMPARE(form->SüreHesapla.Interval(), 1000);
        // The mirrored photo: its first piece is the bottom-right corner of the sample colours.
        QVERIFY(RenkYakın(OrtaRenk(form->SıralıParçalar(0)->Picture()),
                          ÖrnekRengi(800 - 100, 600 - 75, QSize(800, 600)), 24));
        QCOMPARE(ortam.kutular.Kutular.size(), std::size_t(1));
        QVERIFY(ortam.hatalar.isEmpty());
    }
};

QTEST_MAIN(PhotoOpenTest)
#include "fotograf_acma_test.moc"
