// The photo chooser on a temporary folder tree: lists, preview, OK, Cancel and the keys.
#include "SeciciYardimcisi.h"
#include "chooser/FotografSecFormu.h"
#include "resources/DizgiTablosu.h"
#include "tests/ortak/PencereOrtami.h"

#include <QComboBox>
#include <QListWidget>
#include <QStorageInfo>

namespace {

// The main window's test ground with a photo folder, the board cut 3 x 3 from a grey photo.
// The program's folder holds kırmızı.jpg; the photo folder photos of several kinds, a
// sub-folder and hidden entries.
struct Ortam : PencereOrtamı {
    QTemporaryDir fotoKlasörü;
    const QString foto = fotoKlasörü.path(), prog = program.path();
    std::unique_ptr<AnaForm> anaForm = Pencere();

    Ortam() {
        for (const char *ad : {"alt klasör", ".gizli"})
            QDir(foto).mkdir(ad);
        const std::pair<QString, QColor> fotoğraflar[] = {
            {prog + "/kırmızı.jpg", Çeyrekler[0]}, {foto + "/a mavi.jpg", Çeyrekler[2]},
            {foto + "/B YEŞİL.JPG", Çeyrekler[1]}, {foto + "/c sarı.bmp", Çeyrekler[3]},
            {foto + "/d beyaz.jpeg", Qt::white},   {foto + "/e siyah.png", Qt::black},
            {foto + "/.gizli.jpg", Qt::black},     {foto + "/alt klasör/mor.jpg", Qt::magenta}};
        for (const auto &[yol, renk] : fotoğraflar)
            if (!DüzFotoğraf(renk).save(yol, nullptr, 95))
                qFatal("cannot write %s", qPrintable(yol));
        anaForm->OrjinalFotoğrafKutusu->SetPicture(DüzFotoğraf(Qt::gray));
        anaForm->ParçalaraBölSeçeneği_Click(0);
    }

    QString SonKlasör() const { return GetSetting(UygulamaAdı, "Ayarlar", "Son Klasor"); }
    QStringList Kutular() const {
        QStringList metinler;
        for (const auto &kutu : kutular.Kutular)
            metinler << kutu.metin;
        return metinler;
    }
};

QStringList Adlar(const QListWidget *liste) {
    QStringList adlar;
    for (int i = 0; i < liste->count(); ++i)
        adlar << liste->item(i)->text();
    return adlar;
}

QColor Ortası(const QImage &resim) { return resim.pixelColor(resim.rect().center()); }

} // namespace

class PencereTesti : public QObject {
    Q_OBJECT

    std::unique_ptr<Ortam> o;

    // Opens the chooser over the main window, active, with `sonKlasör` as the saved folder.
    std::unique_ptr<FotoğrafSeçFormu> Aç(const QString &sonKlasör = {}) {
        if (!sonKlasör.isEmpty())
            SaveSetting(UygulamaAdı, "Ayarlar", "Son Klasor", sonKlasör);
        auto form = std::make_unique<FotoğrafSeçFormu>(*o->anaForm);
        QObject::connect(form.get(), &FotografSecFormu::FotografSecildi, o->anaForm.get(),
                         [this](const QString &yol, const QImage &resim, QSize boyut) {
                             o->anaForm->FotoğrafıAç(yol, Fotoğraf{resim, boyut});
                         });
        form->show();
        QApplication::setActiveWindow(form.get());
        if (!QTest::qWaitForWindowActive(form.get()))
            qWarning("the chooser did not become active");
        return form;
    }

    // Selects a file; `bekle` waits for its photo, which is decoded off the window's thread.
    static void Seç(FotoğrafSeçFormu &form, const QString &ad, bool bekle = true) {
        const auto bulunan = form.DosyaListesi->findItems(ad, Qt::MatchExactly);
        QVERIFY2(bulunan.size() == 1, qPrintable(ad));
        form.DosyaListesi->setCurrentItem(bulunan.front());
        if (bekle)
            QTRY_VERIFY(!form.FotoğrafBekleniyor());
    }

    static QListWidgetItem *KlasörÖğesi(FotoğrafSeçFormu &form, const QString &yol) {
        for (int i = 0; i < form.KlasörListesi->count(); ++i)
            if (form.KlasörListesi->item(i)->data(Qt::UserRole).toString() == yol)
                return form.KlasörListesi->item(i);
        qFatal("no folder %s in the list", qPrintable(yol));
    }

    // As a double-click on the folder does.
    static void KlasörüAç(FotoğrafSeçFormu &form, const QString &yol) {
        emit form.KlasörListesi->itemActivated(KlasörÖğesi(form, yol));
    }

private slots:
    void init() { o = std::make_unique<Ortam>(); }
    void cleanup() { o.reset(); }

    // First the program's drive and folder; then the saved folder with its visible photos of any
    // case; once that is deleted, the program's folder again, silently.
    void opensAtTheSavedFolderOrTheProgramsOne() {
        const QString kök = QStorageInfo(o->prog).rootPath();
        const auto programda = [&](const FotoğrafSeçFormu &form) {
            QCOMPARE(form.SürücüListesiKökü(), kök);
            QCOMPARE(form.KlasörListesi->item(0)->text(), kök);
            QCOMPARE(form.KlasörListesi->currentItem()->data(Qt::UserRole).toString(), o->prog);
            QCOMPARE(Adlar(form.DosyaListesi), QStringList{"kırmızı.jpg"});
            QCOMPARE(form.DosyaListesi->currentRow(), -1);
        };
        programda(*Aç());
        auto form = Aç(o->foto);
        QCOMPARE(form->SürücüListesiKökü(), kök);
        QCOMPARE(Adlar(form->DosyaListesi),
                 (QStringList{"a mavi.jpg", "B YEŞİL.JPG", "c sarı.bmp", "d beyaz.jpeg"}));
        const int altlar = form->KlasörListesi->currentRow() + 1;
        QCOMPARE(Adlar(form->KlasörListesi).mid(altlar), QStringList{"alt klasör"});
        form.reset();
        QVERIFY(QDir(o->foto).removeRecursively());
        programda(*Aç(o->foto));
        QVERIFY(o->Kutular().isEmpty());
    }

    // A click selects a folder, a double-click or Enter opens it. A folder deleted meanwhile
    // gives the current directory, silently; a drive that cannot be read gives 2200 and the
    // program's drive.
    void foldersOpenAndFailuresFallBack() {
        auto form = Aç(o->foto);
        QListWidget *klasörler = form->KlasörListesi;
        const QString alt = o->foto + "/alt klasör";
        const QPoint yer = klasörler->visualItemRect(KlasörÖğesi(*form, alt)).center();
        QTest::mouseClick(klasörler->viewport(), Qt::LeftButton, {}, yer);
        QCOMPARE(form->KlasörListesiYolu(), o->foto);
        QTest::mouseDClick(klasörler->viewport(), Qt::LeftButton, {}, yer);
        QCOMPARE(Adlar(form->DosyaListesi), QStringList{"mor.jpg"});
        klasörler->setFocus();
        QTest::keyClick(klasörler, Qt::Key_Up);
        QTest::keyClick(klasörler, Qt::Key_Return);
        QCOMPARE(form->KlasörListesiYolu(), o->foto);

        const QString önceki = QDir::currentPath();
        QDir::setCurrent(o->prog);
        QVERIFY(QDir(alt).removeRecursively());
        KlasörüAç(*form, alt);
        QDir::setCurrent(önceki);
        QCOMPARE(Adlar(form->DosyaListesi), QStringList{"kırmızı.jpg"});
        QVERIFY(o->Kutular().isEmpty());

        const int programınki = form->SürücüListesi->currentIndex();
        form->SürücüListesi->addItem("/yok [BOŞ]", o->foto + "/yok");
        form->SürücüListesi->setCurrentIndex(form->SürücüListesi->count() - 1);
        QCOMPARE(o->Kutular(), QStringList{LoadResString(2200)});
        QCOMPARE(form->SürücüListesi->currentIndex(), programınki);
        QCOMPARE(form->KlasörListesiYolu(), QStorageInfo(o->prog).rootPath());
    }

    // Tabbing in makes the first row current without choosing it; a click loads it, the arrow
    // keys the next ones. Of quick presses only the last choice shows, also when the folder
    // changes while a decode is under way.
    void arrowKeysUpdateThePreview() {
        auto form = Aç(o->foto);
        QListWidget *dosyalar = form->DosyaListesi;
        const auto önizlemede = [&](QColor renk) {
            QTRY_VERIFY(!form->FotoğrafBekleniyor());
            QVERIFY2(RenkBenzer(Ortası(form->ÖnizlemeKutusu->Picture()), renk),
                     qPrintable(form->DosyaListesiSeçili()));
        };
        form->KlasörListesi->setFocus();
        QTest::keyClick(form->KlasörListesi, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), dosyalar);
        QVERIFY(!form->ÖnizlemeKutusu->HasPicture());
        QTest::mouseClick(dosyalar->viewport(), Qt::LeftButton, {},
                          dosyalar->visualItemRect(dosyalar->item(0)).center());
        önizlemede(Çeyrekler[2]);
        for (const auto &[tuş, renk] : {std::pair{Qt::Key_Down, Çeyrekler[1]},
                                        {Qt::Key_Down, Çeyrekler[3]},
                                        {Qt::Key_Up, Çeyrekler[1]},
                                        {Qt::Key_End, QColor(Qt::white)}}) {
            QTest::keyClick(dosyalar, tuş);
            önizlemede(renk);
        }
        for (const int satır : {0, 1, 3, 2})
            dosyalar->setCurrentRow(satır);
        QTest::qWait(100);
        önizlemede(Çeyrekler[3]);
        // Row 0 may be decoded already (then it shows at once) or still under way: either way,
        // nothing arriving after the folder change may replace what the preview shows.
        dosyalar->setCurrentRow(0);
        KlasörüAç(*form, o->foto + "/alt klasör");
        const QColor klasörAçılınca = Ortası(form->ÖnizlemeKutusu->Picture());
        QVERIFY(RenkBenzer(klasörAçılınca, Çeyrekler[3]) ||
                RenkBenzer(klasörAçılınca, Çeyrekler[2]));
        QTest::qWait(200);
        QTRY_VERIFY(!form->FotoğrafBekleniyor());
        QCOMPARE(Ortası(form->ÖnizlemeKutusu->Picture()), klasörAçılınca);
    }

    void previewFillsTheWholeBox_data() {
        QTest::addColumn<QSize>("boyut");
        QTest::newRow("640 x 480") << QSize(640, 480);
        QTest::newRow("1200 x 300 panorama") << QSize(1200, 300);
        QTest::newRow("300 x 1200 portrait") << QSize(300, 1200);
    }

    // The photo's four quarters reach the four inner corners of the box: stretched, not framed.
    void previewFillsTheWholeBox() {
        QFETCH(QSize, boyut);
        DörtRenkliFotoğraf(boyut.width(), boyut.height()).save(o->foto + "/dört.jpg");
        auto form = Aç(o->foto);
        Seç(*form, "dört.jpg");
        const QImage görünen = form->ÖnizlemeKutusu->grab().toImage();
        const QRect iç = form->ÖnizlemeKutusu->contentsRect();
        const QPoint köşeler[] = {iç.topLeft(), iç.topRight(), iç.bottomLeft(), iç.bottomRight()};
        for (int i = 0; i < 4; ++i)
            QVERIFY2(RenkBenzer(görünen.pixelColor(köşeler[i]), Çeyrekler[i]),
                     qPrintable(görünen.pixelColor(köşeler[i]).name()));
    }

    void okIsRefusedUnlessTheShownPhotoIsSelected_data() {
        QTest::addColumn<QString>("ad");
        QTest::addColumn<QByteArray>("içerik");
        const QByteArray jpeg = Kodla(Gürültü(800, 600), "JPG");
        QTest::newRow("before any load") << "" << QByteArray();
        QTest::newRow("after a folder change") << "alt klasör" << QByteArray();
        QTest::newRow("renamed text file") << "metin.jpg" << QByteArray("Bu bir fotoğraf değil.\n");
        QTest::newRow("zero bytes") << "boş.jpg" << QByteArray("");
        QTest::newRow("truncated JPEG") << "yarım.jpg" << jpeg.left(jpeg.size() * 6 / 10);
    }

    // A file that is not a picture changes nothing and says nothing. OK then, as before any load
    // and after a folder change, says 2300 and puts the focus on the file list.
    void okIsRefusedUnlessTheShownPhotoIsSelected() {
        QFETCH(QString, ad);
        QFETCH(QByteArray, içerik);
        if (!içerik.isNull())
            DosyaYaz(o->foto + '/' + ad, içerik);
        const qint64 anaFotoğraf = o->anaForm->OrjinalFotoğrafKutusu->Picture().cacheKey();
        const QString öncekiYol = FotoğrafYolu;
        auto form = Aç(o->foto);
        if (!ad.isEmpty())
            Seç(*form, "a mavi.jpg");
        const qint64 fotoğraf = form->OrjinalFotoğrafKutusu->Picture().cacheKey();
        const qint64 önizleme = form->ÖnizlemeKutusu->Picture().cacheKey();
        if (ad == "alt klasör")
            KlasörüAç(*form, o->foto + '/' + ad);
        else if (!ad.isEmpty())
            Seç(*form, ad);
        QCOMPARE(form->OrjinalFotoğrafKutusu->Picture().cacheKey(), fotoğraf);
        QCOMPARE(form->ÖnizlemeKutusu->Picture().cacheKey(), önizleme);
        QVERIFY(o->Kutular().isEmpty() && o->hatalar.isEmpty());
        form->TamamDüğmesi->setFocus();
        form->TamamDüğmesi->click();
        QCOMPARE(o->Kutular(), QStringList{LoadResString(2300)});
        QVERIFY(form->isVisible());
        QCOMPARE(form->focusWidget(), form->DosyaListesi);
        QCOMPARE(FotoğrafYolu, öncekiYol);
        QCOMPARE(o->anaForm->OrjinalFotoğrafKutusu->Picture().cacheKey(), anaFotoğraf);
    }

    void closingOrOk_data() {
        QTest::addColumn<int>("nasıl");
        QTest::newRow("Cancel") << 0;
        QTest::newRow("Esc") << 1;
        QTest::newRow("close box") << 2;
        QTest::newRow("OK, no game, 4 x 4") << 3;
        QTest::newRow("OK, a game running, 5 x 5") << 4;
    }

    // After a preview in another folder, closing leaves the board and the photo's path as they
    // were. OK cuts the photo, decoded at a reduced size, as its natural size into the current
    // grid, and with a game running deals anew. Either way the folder is stored.
    void closingOrOk() {
        QFETCH(int, nasıl);
        AnaForm &ana = *o->anaForm;
        const bool oyunda = nasıl == 4;
        const int kenar = oyunda ? 5 : 4, son = kenar * kenar - 1;
        ana.ParçalaraBölSeçeneği_Click(kenar - 3);
        if (oyunda) {
            ana.YeniOyunDüğmesi_Click();
            ana.DağınıkParçalar_Click(son - 1); // the left neighbour of the empty corner
            QCOMPARE(ana.HamleSayısı, 1);
        }
        const qint64 anaFotoğraf = ana.OrjinalFotoğrafKutusu->Picture().cacheKey();
        const qint64 yer0 = ana.DağınıkParçalar(0)->Picture().cacheKey();
        const QString öncekiYol = FotoğrafYolu, alt = o->foto + "/alt klasör";
        DörtRenkliFotoğraf(2400, 1800).save(alt + "/büyük.jpg", nullptr, 95);
        auto form = Aç(o->foto);
        KlasörüAç(*form, alt);
        Seç(*form, "büyük.jpg");
        if (nasıl == 0)
            QTest::mouseClick(form->İptalDüğmesi, Qt::LeftButton);
        else if (nasıl == 1)
            QTest::keyClick(form->DosyaListesi, Qt::Key_Escape);
        else if (nasıl == 2)
            form->close();
        else
            form->TamamDüğmesi->click();
        QVERIFY(!form->isVisible() && o->Kutular().isEmpty() && o->hatalar.isEmpty());
        QCOMPARE(o->SonKlasör(), alt);
        if (nasıl < 3) {
            QCOMPARE(ana.OrjinalFotoğrafKutusu->Picture().cacheKey(), anaFotoğraf);
            QCOMPARE(ana.DağınıkParçalar(0)->Picture().cacheKey(), yer0);
            QCOMPARE(FotoğrafYolu, öncekiYol);
            return;
        }
        QCOMPARE(FotoğrafYolu, alt + "/büyük.jpg");
        QCOMPARE(ana.OrjinalFotoğrafKutusu->ScaleWidth(), 2400);
        QCOMPARE(ana.OrjinalFotoğrafKutusu->ScaleHeight(), 1800);
        QCOMPARE(ana.Tahta.YerSayısı(), kenar * kenar);
        const int köşeler[] = {0, kenar - 1, son - kenar + 1, son};
        for (int i = 0; i < 4; ++i) {
            QVERIFY(RenkBenzer(Ortası(ana.SıralıParçalar(köşeler[i])->Picture()), Çeyrekler[i]));
            QVERIFY(oyunda ||
                    RenkBenzer(Ortası(ana.DağınıkParçalar(köşeler[i])->Picture()), Çeyrekler[i]));
        }
        QCOMPARE(ana.SüreHesapla.Interval(), oyunda ? 1000 : 0);
        QCOMPARE(ana.HamleSayısı, 0);
        for (int yer = 0; oyunda && yer < son; ++yer)
            QVERIFY(!RenkBenzer(Ortası(ana.DağınıkParçalar(yer)->Picture()), Qt::gray, 20));
        QVERIFY(!oyunda || (ana.Tahta.BoşParça() == son && !ana.Tahta.TamamlandıMı()));
    }

    // The main window's button opens it modal and centred over the main window. The labels'
    // access keys lead to their lists; Enter never presses OK.
    void openedModalWithItsKeys() {
        o->anaForm->show();
        QVERIFY(QTest::qWaitForWindowExposed(o->anaForm.get()));
        QWidget *sahibi = nullptr;
        QPoint fark;
        QTimer::singleShot(50, [&] {
            auto *form = qobject_cast<FotoğrafSeçFormu *>(QApplication::activeModalWidget());
            if (!form)
                return;
            sahibi = form->parentWidget();
            fark = form->frameGeometry().center() - o->anaForm->frameGeometry().center();
            QTest::keyClick(form->DosyaListesi, Qt::Key_Escape);
        });
        o->anaForm->YeniFotoğrafDüğmesi->click();
        QCOMPARE(sahibi, o->anaForm.get());
        QVERIFY2(fark.manhattanLength() <= 4, qPrintable(QString::number(fark.x())));

        auto form = Aç(o->foto);
        QCOMPARE(form->windowTitle(), LoadResString(1550));
        const std::pair<Qt::Key, QWidget *> erişim[] = {{Qt::Key_F, form->DosyaListesi},
                                                        {Qt::Key_K, form->KlasörListesi},
                                                        {Qt::Key_S, form->SürücüListesi}};
        for (const auto &[tuş, liste] : erişim) {
            QTest::keyClick(form.get(), tuş, Qt::AltModifier);
            QCOMPARE(QApplication::focusWidget(), liste);
        }
        Seç(*form, "a mavi.jpg");
        const QString öncekiYol = FotoğrafYolu;
        for (QWidget *odak : std::initializer_list<QWidget *>{
                 form->DosyaListesi, form->TamamDüğmesi, form->İptalDüğmesi}) {
            odak->setFocus();
            QTest::keyClick(odak, Qt::Key_Return);
            QTest::keyClick(odak, Qt::Key_Enter);
            QVERIFY(form->isVisible());
        }
        QCOMPARE(FotoğrafYolu, öncekiYol);
        QVERIFY(o->Kutular().isEmpty());
    }

    void smallPictureShowsUntilThePhotoComes_data() {
        QTest::addColumn<int>("sonra");
        QTest::newRow("OK takes the photo") << 0;
        QTest::newRow("its photo cannot be loaded") << 1;
        QTest::newRow("a photo without one selected") << 2;
        QTest::newRow("another folder opened") << 3;
    }

    // The camera's small picture shows at once and never outlives its selection; OK at once
    // waits for the photo and takes it.
    void smallPictureShowsUntilThePhotoComes() {
        QFETCH(int, sonra);
        // Its small picture (red) differs from the photo (green), as a stale one after an edit.
        const QByteArray kamera =
            ExifliJpeg(DüzFotoğraf(Çeyrekler[1], 1600, 1200), DüzFotoğraf(Çeyrekler[0], 160, 120));
        DosyaYaz(o->foto + "/kamera.jpg", sonra == 1 ? kamera.chopped(100) : kamera);
        auto form = Aç(o->foto);
        Seç(*form, "a mavi.jpg");
        const qint64 mavi = form->ÖnizlemeKutusu->Picture().cacheKey();
        QList<QColor> görülen;
        QObject::connect(form->ÖnizlemeKutusu, &ResimKutusu::Change, form.get(),
                         [&] { görülen << form->ÖnizlemeKutusu->Picture().pixelColor(10, 10); });
        Seç(*form, "kamera.jpg", false);
        QVERIFY(RenkBenzer(görülen.value(0), Çeyrekler[0]));
        if (sonra <= 1)
            form->TamamDüğmesi->click(); // waits for the decode under way
        else if (sonra == 2)
            form->DosyaListesi->setCurrentRow(2);
        else
            KlasörüAç(*form, o->foto + "/alt klasör");
        if (sonra == 0) {
            QVERIFY(görülen.size() == 2 && RenkBenzer(görülen[1], Çeyrekler[1]));
            QVERIFY(!form->isVisible() && o->Kutular().isEmpty());
            QCOMPARE(FotoğrafYolu, o->foto + "/kamera.jpg");
            const ResimKutusu &ana = *o->anaForm->OrjinalFotoğrafKutusu;
            QCOMPARE(QSize(ana.ScaleWidth(), ana.ScaleHeight()), QSize(1600, 1200));
            QVERIFY(RenkBenzer(ana.Picture().pixelColor(10, 10), Çeyrekler[1]));
            return;
        }
        QCOMPARE(form->ÖnizlemeKutusu->Picture().cacheKey(), mavi);
        QVERIFY(!form->KüçükResimGösteriliyor());
        QCOMPARE(o->Kutular(), sonra == 1 ? QStringList{LoadResString(2300)} : QStringList());
    }
};

QTEST_MAIN(PencereTesti)
#include "PencereTesti.moc"
