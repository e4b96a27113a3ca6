// The photo chooser on a temporary folder tree: lists, preview, OK, Cancel and the keys.
#include "SeciciYardimcisi.h"

#include "resources/DizgiTablosu.h"
#include "toolkit/Twip.h"

#include <QBuffer>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStorageInfo>
#include <QTest>

class PencereTesti : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void layoutTextsAndKeysAreTheDesigned();
    void openedFromTheMainWindowIsModalAndCentred();
    void firstOpeningShowsTheProgramsDriveAndFolder();
    void savedFolderIsShownAndADeletedOneFallsBack();
    void onlyVisiblePhotoFilesAreListed();
    void foldersOpenByDoubleClickAndEnter();
    void vanishedFolderMovesToTheCurrentDirectory();
    void unreadableDriveIsReportedAndTheProgramsDriveComesBack();
    void arrowKeysUpdateThePreview();
    void previewFillsTheWholeBox_data();
    void previewFillsTheWholeBox();
    void filesThatAreNotPicturesChangeNothing_data();
    void filesThatAreNotPicturesChangeNothing();
    void okBeforeAnyLoadIsRefused();
    void okAfterAFolderChangeIsRefused();
    void okHandsThePhotoAtItsNaturalSizeAndCutsIt();
    void okWithAGameRunningDealsANewOne();
    void closingChangesNothingButStoresTheFolder_data();
    void closingChangesNothingButStoresTheFolder();
    void enterDoesNotPressOk();
    void okRightAfterSelectingTakesThatPhoto();
    void onlyTheLatestChoiceArrives();

private:
    // Opens the chooser over the main window, active, as the player sees it.
    std::unique_ptr<FotoğrafSeçFormu> Aç();
    static void Seç(FotoğrafSeçFormu &form, const QString &ad);
    static void Bekle(FotoğrafSeçFormu &form);
    static QListWidgetItem *KlasörÖğesi(FotoğrafSeçFormu &form, const QString &yol);
    static QStringList Adlar(const QListWidget *liste);
    void SonKlasörüKur(const QString &yol) {
        SaveSetting(UygulamaAdı, QStringLiteral("Ayarlar"), QStringLiteral("Son Klasor"), yol);
    }

    std::unique_ptr<SeçiciOrtamı> o;
    std::unique_ptr<KutuKaydedici> kutular;
};

void PencereTesti::init() {
    o = std::make_unique<SeçiciOrtamı>();
    kutular = std::make_unique<KutuKaydedici>();
}

void PencereTesti::cleanup() {
    kutular.reset();
    o.reset();
}

std::unique_ptr<FotoğrafSeçFormu> PencereTesti::Aç() {
    auto form = std::make_unique<FotoğrafSeçFormu>(*o->anaForm);
    form->show();
    QApplication::setActiveWindow(form.get());
    if (!QTest::qWaitForWindowActive(form.get()))
        qWarning("the chooser did not become active");
    return form;
}

void PencereTesti::Seç(FotoğrafSeçFormu &form, const QString &ad) {
    const auto bulunan = form.DosyaListesi->findItems(ad, Qt::MatchExactly);
    QVERIFY2(bulunan.size() == 1, qPrintable(ad));
    form.DosyaListesi->setCurrentItem(bulunan.front());
    Bekle(form);
}

void PencereTesti::Bekle(FotoğrafSeçFormu &form) {
    // Photos are decoded off the window's thread; the picture arrives with the event loop.
    QTRY_VERIFY(!form.FotoğrafBekleniyor());
}

QListWidgetItem *PencereTesti::KlasörÖğesi(FotoğrafSeçFormu &form, const QString &yol) {
    for (int i = 0; i < form.KlasörListesi->count(); ++i)
        if (form.KlasörListesi->item(i)->data(Qt::UserRole).toString() == yol)
            return form.KlasörListesi->item(i);
    return nullptr;
}

QStringList PencereTesti::Adlar(const QListWidget *liste) {
    QStringList adlar;
    for (int i = 0; i < liste->count(); ++i)
        adlar << liste->item(i)->text();
    return adlar;
}

void PencereTesti::layoutTextsAndKeysAreTheDesigned() {
    auto form = Aç();
    QCOMPARE(form->size(), QSize(525, 264));
    QCOMPARE(form->minimumSize(), form->maximumSize());
    QVERIFY(!(form->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint |
                                     Qt::WindowContextHelpButtonHint)));
    QCOMPARE(form->windowTitle(), LoadResString(1550));
    QCOMPARE(form->parentWidget(), o->anaForm.get());

    QCOMPARE(form->SürücüListesi->geometry(), TwipDikdörtgeni(300, 600, 2205, 315));
    QCOMPARE(form->KlasörListesi->geometry(), TwipDikdörtgeni(300, 1470, 2205, 2115));
    QCOMPARE(form->DosyaListesi->geometry(), TwipDikdörtgeni(2760, 600, 2175, 3015));
    QCOMPARE(form->ÖnizlemeKutusu->geometry(), TwipDikdörtgeni(5190, 600, 2370, 1778));
    QCOMPARE(form->TamamDüğmesi->geometry(), TwipDikdörtgeni(5190, 2700, 2370, 345));
    QCOMPARE(form->İptalDüğmesi->geometry(), TwipDikdörtgeni(5190, 3120, 2370, 345));
    QVERIFY(!form->OrjinalFotoğrafKutusu->isVisible());

    for (int i = 0; i < 4; ++i) {
        QCOMPARE(form->Etiket[i]->text(), LoadResString(1600 + 100 * i));
        QVERIFY(form->Etiket[i]->width() >= form->Etiket[i]->sizeHint().width());
    }
    QCOMPARE(form->TamamDüğmesi->text(), LoadResString(2000));
    QCOMPARE(form->İptalDüğmesi->text(), LoadResString(2100));
    for (QPushButton *düğme : {form->TamamDüğmesi, form->İptalDüğmesi})
        QVERIFY(!düğme->autoDefault() && !düğme->isDefault());

    // Tab order: drives, folders, files, OK, Cancel.
    QCOMPARE(form->SürücüListesi->nextInFocusChain(), form->KlasörListesi);
    QWidget *sonraki = form->KlasörListesi;
    for (QWidget *beklenen :
         {static_cast<QWidget *>(form->DosyaListesi), static_cast<QWidget *>(form->TamamDüğmesi),
          static_cast<QWidget *>(form->İptalDüğmesi)}) {
        do
            sonraki = sonraki->nextInFocusChain();
        while (sonraki->focusPolicy() == Qt::NoFocus);
        QCOMPARE(sonraki, beklenen);
    }

    // The access keys of the labels lead to their lists.
    const std::pair<Qt::Key, QWidget *> tuşlar[] = {{Qt::Key_F, form->DosyaListesi},
                                                    {Qt::Key_K, form->KlasörListesi},
                                                    {Qt::Key_S, form->SürücüListesi}};
    for (const auto &[tuş, liste] : tuşlar) {
        QTest::keyClick(form.get(), tuş, Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget(), liste);
    }
    QVERIFY(kutular->Metinler.isEmpty());
}

void PencereTesti::openedFromTheMainWindowIsModalAndCentred() {
    SonKlasörüKur(o->foto);
    o->anaForm->show();
    QVERIFY(QTest::qWaitForWindowExposed(o->anaForm.get()));
    bool görüldü = false;
    QTimer bekçi;
    QObject::connect(&bekçi, &QTimer::timeout, [&] {
        auto *form = qobject_cast<FotoğrafSeçFormu *>(QApplication::activeModalWidget());
        if (!form || !form->isVisible() || görüldü)
            return;
        görüldü = true;
        QVERIFY(form->isModal());
        QCOMPARE(form->parentWidget(), o->anaForm.get());
        const QPoint fark = form->frameGeometry().center() - o->anaForm->frameGeometry().center();
        QVERIFY2(fark.manhattanLength() <= 4,
                 qPrintable(QStringLiteral("%1, %2").arg(fark.x()).arg(fark.y())));
        QTest::keyClick(form->DosyaListesi, Qt::Key_Escape);
    });
    bekçi.start(10);
    o->anaForm->YeniFotoğrafDüğmesi->click();
    QVERIFY(görüldü);
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    QCOMPARE(o->SonKlasör(), o->foto);
}

void PencereTesti::firstOpeningShowsTheProgramsDriveAndFolder() {
    auto form = Aç();
    const QString kök = QStorageInfo(o->program).rootPath();
    QCOMPARE(form->SürücüListesiKökü(), kök);
    QVERIFY(form->SürücüListesi->currentText().startsWith(kök));
    QCOMPARE(form->KlasörListesiYolu(), o->program);
    QCOMPARE(form->DosyaListesiYolu(), o->program);
    QCOMPARE(Adlar(form->DosyaListesi), QStringList{QStringLiteral("kırmızı.jpg")});
    QCOMPARE(form->DosyaListesi->currentRow(), -1);

    // The folder list: the drive's root, the ancestors, the program's folder highlighted.
    QCOMPARE(form->KlasörListesi->item(0)->text(), kök);
    QCOMPARE(form->KlasörListesi->currentItem()->text(), QStringLiteral("prog"));
    QCOMPARE(form->KlasörListesi->currentItem()->data(Qt::UserRole).toString(), o->program);
    QCOMPARE(form->KlasörListesi->currentRow(), form->KlasörListesi->count() - 1);
}

void PencereTesti::savedFolderIsShownAndADeletedOneFallsBack() {
    SonKlasörüKur(o->foto + QStringLiteral("/alt klasör"));
    {
        auto form = Aç();
        QCOMPARE(form->KlasörListesiYolu(), o->foto + QStringLiteral("/alt klasör"));
        QCOMPARE(Adlar(form->DosyaListesi), QStringList{QStringLiteral("mor.jpg")});
        // The drive list keeps the program's drive.
        QCOMPARE(form->SürücüListesiKökü(), QStorageInfo(o->program).rootPath());
    }
    QVERIFY(QDir(o->foto + QStringLiteral("/alt klasör")).removeRecursively());
    auto form = Aç();
    QCOMPARE(form->KlasörListesiYolu(), o->program);
    QCOMPARE(Adlar(form->DosyaListesi), QStringList{QStringLiteral("kırmızı.jpg")});
    QVERIFY(kutular->Metinler.isEmpty());
}

void PencereTesti::onlyVisiblePhotoFilesAreListed() {
    SonKlasörüKur(o->foto);
    auto form = Aç();
    QCOMPARE(Adlar(form->DosyaListesi),
             (QStringList{QStringLiteral("a mavi.jpg"), QStringLiteral("B YEŞİL.JPG"),
                          QStringLiteral("c sarı.bmp"), QStringLiteral("d beyaz.jpeg")}));
    // Sub-folders below the current one: hidden ones left out.
    const int altlar = form->KlasörListesi->currentRow() + 1;
    QCOMPARE(Adlar(form->KlasörListesi).mid(altlar), QStringList{QStringLiteral("alt klasör")});
}

void PencereTesti::foldersOpenByDoubleClickAndEnter() {
    SonKlasörüKur(o->foto);
    auto form = Aç();
    QListWidgetItem *alt = KlasörÖğesi(*form, o->foto + QStringLiteral("/alt klasör"));
    QVERIFY(alt);
    // One click only selects, as in the classic folder list.
    const QPoint yer = form->KlasörListesi->visualItemRect(alt).center();
    QTest::mouseClick(form->KlasörListesi->viewport(), Qt::LeftButton, {}, yer);
    QCOMPARE(form->KlasörListesiYolu(), o->foto);
    QTest::mouseDClick(form->KlasörListesi->viewport(), Qt::LeftButton, {}, yer);
    QCOMPARE(form->KlasörListesiYolu(), o->foto + QStringLiteral("/alt klasör"));
    QCOMPARE(Adlar(form->DosyaListesi), QStringList{QStringLiteral("mor.jpg")});
    QCOMPARE(form->KlasörListesi->currentItem()->text(), QStringLiteral("alt klasör"));

    // Up to an ancestor with the arrow keys and Enter.
    form->KlasörListesi->setFocus();
    QTest::keyClick(form->KlasörListesi, Qt::Key_Up);
    QCOMPARE(form->KlasörListesiYolu(), o->foto + QStringLiteral("/alt klasör"));
    QTest::keyClick(form->KlasörListesi, Qt::Key_Return);
    QCOMPARE(form->KlasörListesiYolu(), o->foto);
    QCOMPARE(Adlar(form->DosyaListesi).size(), 4);
    QVERIFY(form->isVisible());
}

void PencereTesti::vanishedFolderMovesToTheCurrentDirectory() {
    const QString önceki = QDir::currentPath();
    QDir::setCurrent(o->program);
    SonKlasörüKur(o->foto);
    auto form = Aç();
    QListWidgetItem *alt = KlasörÖğesi(*form, o->foto + QStringLiteral("/alt klasör"));
    QVERIFY(alt);
    QVERIFY(QDir(o->foto + QStringLiteral("/alt klasör")).removeRecursively());
    emit form->KlasörListesi->itemActivated(alt);
    QDir::setCurrent(önceki);
    QCOMPARE(form->KlasörListesiYolu(), o->program);
    QCOMPARE(Adlar(form->DosyaListesi), QStringList{QStringLiteral("kırmızı.jpg")});
    QVERIFY(kutular->Metinler.isEmpty());
}

void PencereTesti::unreadableDriveIsReportedAndTheProgramsDriveComesBack() {
    SonKlasörüKur(o->foto);
    auto form = Aç();
    const int programınki = form->SürücüListesi->currentIndex();
    form->SürücüListesi->addItem(QStringLiteral("/yok [BOŞ]"), o->foto + QStringLiteral("/yok"));
    form->SürücüListesi->setCurrentIndex(form->SürücüListesi->count() - 1);
    QCOMPARE(kutular->Metinler, QStringList{LoadResString(2200)});
    QCOMPARE(kutular->Simgeler.front(), QMessageBox::Information);
    QCOMPARE(form->SürücüListesi->currentIndex(), programınki);
    QCOMPARE(form->KlasörListesiYolu(), QStorageInfo(o->program).rootPath());
    QCOMPARE(form->DosyaListesiYolu(), QStorageInfo(o->program).rootPath());
}

void PencereTesti::arrowKeysUpdateThePreview() {
    SonKlasörüKur(o->foto);
    auto form = Aç();
    const auto önizlemeRengi = [&] {
        const QImage önizleme = form->ÖnizlemeKutusu->Picture();
        return önizleme.isNull() ? QColor() : önizleme.pixelColor(önizleme.rect().center());
    };
    // Tabbing in makes the first row current without choosing it; a click on it loads it.
    form->KlasörListesi->setFocus();
    QTest::keyClick(form->KlasörListesi, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), form->DosyaListesi);
    QVERIFY(!form->ÖnizlemeKutusu->HasPicture());
    QTest::mouseClick(form->DosyaListesi->viewport(), Qt::LeftButton, {},
                      form->DosyaListesi->visualItemRect(form->DosyaListesi->item(0)).center());
    Bekle(*form);
    QVERIFY(RenkBenzer(önizlemeRengi(), QColor(0, 0, 220)));

    for (const QColor &renk : {QColor(0, 200, 0), QColor(230, 230, 0)}) {
        QTest::keyClick(form->DosyaListesi, Qt::Key_Down);
        Bekle(*form);
        QVERIFY2(RenkBenzer(önizlemeRengi(), renk), qPrintable(form->DosyaListesiSeçili()));
    }
    QCOMPARE(form->DosyaListesiSeçili(), QStringLiteral("c sarı.bmp"));
    QTest::keyClick(form->DosyaListesi, Qt::Key_Up);
    Bekle(*form);
    QVERIFY(RenkBenzer(önizlemeRengi(), QColor(0, 200, 0)));
    QTest::keyClick(form->DosyaListesi, Qt::Key_End);
    Bekle(*form);
    QVERIFY(RenkBenzer(önizlemeRengi(), QColor(255, 255, 255)));
}

void PencereTesti::previewFillsTheWholeBox_data() {
    QTest::addColumn<QSize>("boyut");
    QTest::newRow("640 x 480") << QSize(640, 480);
    QTest::newRow("1200 x 300 panorama") << QSize(1200, 300);
    QTest::newRow("300 x 1200 portrait") << QSize(300, 1200);
}

void PencereTesti::previewFillsTheWholeBox() {
    QFETCH(QSize, boyut);
    SeçiciOrtamı::Kaydet(DörtRenkliFotoğraf(boyut.width(), boyut.height()),
                         o->foto + QStringLiteral("/dört.jpg"));
    SonKlasörüKur(o->foto);
    auto form = Aç();
    Seç(*form, QStringLiteral("dört.jpg"));
    QCOMPARE(form->OrjinalFotoğrafKutusu->ScaleWidth(), boyut.width());
    QCOMPARE(form->OrjinalFotoğrafKutusu->ScaleHeight(), boyut.height());

    // What the player sees: the four quarters reach the four inner corners of the box.
    const QRect iç = form->ÖnizlemeKutusu->contentsRect();
    QCOMPARE(form->ÖnizlemeKutusu->Picture().size(), iç.size());
    const QImage görünen = form->ÖnizlemeKutusu->grab().toImage();
    const std::pair<QPoint, QColor> köşeler[] = {{iç.topLeft(), QColor(220, 0, 0)},
                                                 {iç.topRight(), QColor(0, 200, 0)},
                                                 {iç.bottomLeft(), QColor(0, 0, 220)},
                                                 {iç.bottomRight(), QColor(230, 230, 0)}};
    for (const auto &[köşe, renk] : köşeler)
        QVERIFY2(RenkBenzer(görünen.pixelColor(köşe), renk),
                 qPrintable(QStringLiteral("%1,%2: %3")
                                .arg(köşe.x())
                                .arg(köşe.y())
                                .arg(görünen.pixelColor(köşe).name())));
}

void PencereTesti::filesThatAreNotPicturesChangeNothing_data() {
    QTest::addColumn<QString>("ad");
    QTest::addColumn<QByteArray>("içerik");

    QImage gürültü(800, 600, QImage::Format_RGB32);
    for (int y = 0; y < gürültü.height(); ++y)
        for (int x = 0; x < gürültü.width(); ++x)
            gürültü.setPixel(x, y, qRgb((x * 31 + y * 17) % 256, (x * y) % 256, (x ^ y) % 256));
    QByteArray jpeg;
    {
        QBuffer tampon(&jpeg);
        tampon.open(QIODevice::WriteOnly);
        gürültü.save(&tampon, "JPG", 90);
    }
    QByteArray bmp;
    {
        QBuffer tampon(&bmp);
        tampon.open(QIODevice::WriteOnly);
        gürültü.save(&tampon, "BMP");
    }
    QTest::newRow("renamed text file") << "metin.jpg" << QByteArray("Bu bir fotoğraf değil.\n");
    QTest::newRow("zero bytes") << "boş.jpg" << QByteArray();
    QTest::newRow("truncated JPEG") << "yarım.jpg" << jpeg.left(jpeg.size() * 6 / 10);
    QTest::newRow("JPEG headers only") << "başlık.jpg" << jpeg.left(600);
    QTest::newRow("truncated BMP") << "yarım.bmp" << bmp.left(bmp.size() / 2);
}

void PencereTesti::filesThatAreNotPicturesChangeNothing() {
    QFETCH(QString, ad);
    QFETCH(QByteArray, içerik);
    SeçiciOrtamı::Yaz(o->foto + QLatin1Char('/') + ad, içerik);
    SonKlasörüKur(o->foto);
    auto form = Aç();
    Seç(*form, QStringLiteral("a mavi.jpg"));
    const qint64 fotoğraf = form->OrjinalFotoğrafKutusu->Picture().cacheKey();
    const qint64 önizleme = form->ÖnizlemeKutusu->Picture().cacheKey();

    Seç(*form, ad);
    QCOMPARE(form->DosyaListesiSeçili(), ad);
    QCOMPARE(form->OrjinalFotoğrafKutusu->Picture().cacheKey(), fotoğraf);
    QCOMPARE(form->ÖnizlemeKutusu->Picture().cacheKey(), önizleme);
    QCOMPARE(form->OrjinalFotoğrafKutusu->ScaleWidth(), 640);
    QVERIFY(kutular->Metinler.isEmpty());
    QVERIFY(o->raporlar.empty());

    // The picture is not the selected file's: OK refuses instead of recording this file.
    const QString öncekiYol = FotoğrafYolu;
    form->TamamDüğmesi->click();
    QCOMPARE(kutular->Metinler, QStringList{LoadResString(2300)});
    QVERIFY(form->isVisible());
    QCOMPARE(FotoğrafYolu, öncekiYol);
}

void PencereTesti::okBeforeAnyLoadIsRefused() {
    auto form = Aç();
    const qint64 anaFotoğraf = o->anaForm->OrjinalFotoğrafKutusu->Picture().cacheKey();
    form->TamamDüğmesi->setFocus();
    form->TamamDüğmesi->click();
    QCOMPARE(kutular->Metinler, QStringList{LoadResString(2300)});
    QCOMPARE(kutular->Simgeler.front(), QMessageBox::Information);
    QVERIFY(form->isVisible());
    QCOMPARE(form->result(), 0);
    QCOMPARE(form->focusWidget(), form->DosyaListesi);
    QCOMPARE(o->anaForm->OrjinalFotoğrafKutusu->Picture().cacheKey(), anaFotoğraf);
    QVERIFY(o->raporlar.empty());
}

void PencereTesti::okAfterAFolderChangeIsRefused() {
    SonKlasörüKur(o->foto);
    auto form = Aç();
    Seç(*form, QStringLiteral("a mavi.jpg"));
    QVERIFY(form->OrjinalFotoğrafKutusu->HasPicture());
    emit form->KlasörListesi->itemActivated(
        KlasörÖğesi(*form, o->foto + QStringLiteral("/alt klasör")));
    QCOMPARE(form->DosyaListesiSeçili(), QString());

    const QString öncekiYol = FotoğrafYolu;
    form->TamamDüğmesi->click();
    QCOMPARE(kutular->Metinler, QStringList{LoadResString(2300)});
    QVERIFY(form->isVisible());
    QCOMPARE(form->focusWidget(), form->DosyaListesi);
    QCOMPARE(FotoğrafYolu, öncekiYol);

    // Choosing a photo here makes OK take it, with the path of the folder shown now.
    Seç(*form, QStringLiteral("mor.jpg"));
    form->TamamDüğmesi->click();
    QCOMPARE(kutular->Metinler.size(), 1);
    QVERIFY(!form->isVisible());
    QCOMPARE(FotoğrafYolu, o->foto + QStringLiteral("/alt klasör/mor.jpg"));
}

void PencereTesti::okHandsThePhotoAtItsNaturalSizeAndCutsIt() {
    // A photo big enough to be decoded at a reduced size: the board must still know its size.
    SeçiciOrtamı::Kaydet(DörtRenkliFotoğraf(2400, 1800), o->foto + QStringLiteral("/büyük.jpg"));
    o->anaForm->ParçalaraBölSeçeneği_Click(1);
    SonKlasörüKur(o->foto);
    auto form = Aç();
    Seç(*form, QStringLiteral("büyük.jpg"));
    form->TamamDüğmesi->click();

    QVERIFY(kutular->Metinler.isEmpty());
    QVERIFY(o->raporlar.empty());
    QCOMPARE(form->result(), int(QDialog::Accepted));
    QVERIFY(!form->isVisible());
    QCOMPARE(FotoğrafYolu, o->foto + QStringLiteral("/büyük.jpg"));
    QCOMPARE(o->SonKlasör(), o->foto);

    AnaForm &ana = *o->anaForm;
    QCOMPARE(ana.OrjinalFotoğrafKutusu->ScaleWidth(), 2400);
    QCOMPARE(ana.OrjinalFotoğrafKutusu->ScaleHeight(), 1800);
    QCOMPARE(BölmeSeçimi, std::int16_t(1));
    QCOMPARE(ana.DağınıkParçalar.Count(), 16);
    QCOMPARE(ana.SüreHesapla.Interval(), 0);
    // No game: the photo lies whole on the board, each corner piece in its corner.
    const std::pair<int, QColor> köşeler[] = {{0, QColor(220, 0, 0)},
                                              {3, QColor(0, 200, 0)},
                                              {12, QColor(0, 0, 220)},
                                              {15, QColor(230, 230, 0)}};
    for (const auto &[yer, renk] : köşeler) {
        const QImage resim = ana.DağınıkParçalar(yer)->Picture();
        QVERIFY2(!resim.isNull(), qPrintable(QString::number(yer)));
        QVERIFY2(RenkBenzer(resim.pixelColor(resim.rect().center()), renk),
                 qPrintable(QString::number(yer)));
    }
}

void PencereTesti::okWithAGameRunningDealsANewOne() {
    AnaForm &ana = *o->anaForm;
    ana.ParçalaraBölSeçeneği_Click(2);
    ana.YeniOyunDüğmesi_Click();
    ana.DağınıkParçalar_Click(23); // the left neighbour of the empty corner
    QCOMPARE(ana.HamleSayısı, 1);

    SeçiciOrtamı::Kaydet(DörtRenkliFotoğraf(1000, 1000), o->foto + QStringLiteral("/dört.bmp"));
    SonKlasörüKur(o->foto);
    auto form = Aç();
    Seç(*form, QStringLiteral("dört.bmp"));
    form->TamamDüğmesi->click();
    QVERIFY(!form->isVisible());
    QVERIFY(o->raporlar.empty());

    QCOMPARE(ana.SüreHesapla.Interval(), 1000);
    QCOMPARE(ana.HamleSayısı, 0);
    QCOMPARE(ana.Tahta.YerSayısı(), 25);
    QCOMPARE(ana.Tahta.BoşParça(), 24);
    QVERIFY(!ana.Tahta.TamamlandıMı());
    QVERIFY(RenkBenzer(ana.SıralıParçalar(0)->Image().pixelColor(0, 0), QColor(220, 0, 0)));
    QVERIFY(RenkBenzer(ana.SıralıParçalar(24)->Image().pixelColor(5, 5), QColor(230, 230, 0)));
    // Every place but the empty one shows a piece of the new photo.
    for (int yer = 0; yer < 24; ++yer) {
        const QImage resim = ana.DağınıkParçalar(yer)->Picture();
        QVERIFY(!resim.isNull());
        QVERIFY(!RenkBenzer(resim.pixelColor(resim.rect().center()), QColor(128, 128, 128), 20));
    }
}

void PencereTesti::closingChangesNothingButStoresTheFolder_data() {
    QTest::addColumn<int>("yol");
    QTest::newRow("Cancel") << 0;
    QTest::newRow("Esc") << 1;
    QTest::newRow("close box") << 2;
}

void PencereTesti::closingChangesNothingButStoresTheFolder() {
    QFETCH(int, yol);
    SonKlasörüKur(o->program);
    AnaForm &ana = *o->anaForm;
    const qint64 anaFotoğraf = ana.OrjinalFotoğrafKutusu->Picture().cacheKey();
    const qint64 yer0 = ana.DağınıkParçalar(0)->Picture().cacheKey();
    const QString öncekiYol = FotoğrafYolu;

    auto form = Aç();
    emit form->KlasörListesi->itemActivated(KlasörÖğesi(*form, QFileInfo(o->foto).path()));
    emit form->KlasörListesi->itemActivated(KlasörÖğesi(*form, o->foto));
    QCOMPARE(form->KlasörListesiYolu(), o->foto);
    Seç(*form, QStringLiteral("B YEŞİL.JPG"));
    QVERIFY(form->ÖnizlemeKutusu->HasPicture());

    switch (yol) {
    case 0:
        QTest::mouseClick(form->İptalDüğmesi, Qt::LeftButton);
        break;
    case 1:
        QTest::keyClick(form->DosyaListesi, Qt::Key_Escape);
        break;
    default:
        form->close();
    }
    QVERIFY(!form->isVisible());
    QCOMPARE(form->result(), int(QDialog::Rejected));
    QCOMPARE(ana.OrjinalFotoğrafKutusu->Picture().cacheKey(), anaFotoğraf);
    QCOMPARE(ana.DağınıkParçalar(0)->Picture().cacheKey(), yer0);
    QCOMPARE(FotoğrafYolu, öncekiYol);
    QCOMPARE(o->SonKlasör(), o->foto);
    QVERIFY(kutular->Metinler.isEmpty());
}

void PencereTesti::enterDoesNotPressOk() {
    SonKlasörüKur(o->foto);
    auto form = Aç();
    Seç(*form, QStringLiteral("a mavi.jpg"));
    const QString öncekiYol = FotoğrafYolu;
    for (QWidget *odak :
         {static_cast<QWidget *>(form->DosyaListesi), static_cast<QWidget *>(form->TamamDüğmesi),
          static_cast<QWidget *>(form->İptalDüğmesi)}) {
        odak->setFocus();
        QTest::keyClick(odak, Qt::Key_Return);
        QTest::keyClick(odak, Qt::Key_Enter);
        QVERIFY(form->isVisible());
    }
    QCOMPARE(FotoğrafYolu, öncekiYol);
    QVERIFY(kutular->Metinler.isEmpty());
    // Space on the focused OK button is a press, and takes the photo.
    form->TamamDüğmesi->setFocus();
    QTest::keyClick(form->TamamDüğmesi, Qt::Key_Space);
    QVERIFY(!form->isVisible());
    QCOMPARE(FotoğrafYolu, o->foto + QStringLiteral("/a mavi.jpg"));
}

void PencereTesti::okRightAfterSelectingTakesThatPhoto() {
    SonKlasörüKur(o->foto);
    auto form = Aç();
    // Selected and confirmed at once, before its decode has come back to the window.
    form->DosyaListesi->setCurrentRow(1);
    form->TamamDüğmesi->click();
    QVERIFY(kutular->Metinler.isEmpty());
    QVERIFY(!form->isVisible());
    QCOMPARE(FotoğrafYolu, o->foto + QStringLiteral("/B YEŞİL.JPG"));
    const QImage resim = o->anaForm->OrjinalFotoğrafKutusu->Picture();
    QVERIFY(RenkBenzer(resim.pixelColor(resim.rect().center()), QColor(0, 200, 0)));
}

void PencereTesti::onlyTheLatestChoiceArrives() {
    SonKlasörüKur(o->foto);
    auto form = Aç();
    // Quick presses: every photo passed on the way may finish decoding, but only the one
    // selected last is shown.
    form->DosyaListesi->setCurrentRow(0);
    form->DosyaListesi->setCurrentRow(1);
    form->DosyaListesi->setCurrentRow(3);
    form->DosyaListesi->setCurrentRow(2);
    Bekle(*form);
    QTest::qWait(100);
    const QImage önizleme = form->ÖnizlemeKutusu->Picture();
    QVERIFY(RenkBenzer(önizleme.pixelColor(önizleme.rect().center()), QColor(230, 230, 0)));

    // A decode still under way when the folder changes never reaches the new folder's view.
    form->DosyaListesi->setCurrentRow(0);
    emit form->KlasörListesi->itemActivated(
        KlasörÖğesi(*form, o->foto + QStringLiteral("/alt klasör")));
    QVERIFY(!form->FotoğrafBekleniyor());
    QTest::qWait(200);
    // The preview still shows the photo chosen last before the change, not the first row's.
    const QImage sonra = form->ÖnizlemeKutusu->Picture();
    QVERIFY(RenkBenzer(sonra.pixelColor(sonra.rect().center()), QColor(230, 230, 0)));
    QVERIFY(kutular->Metinler.isEmpty());
}

QTEST_MAIN(PencereTesti)
#include "PencereTesti.moc"
