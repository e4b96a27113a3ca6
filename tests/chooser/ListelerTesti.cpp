// SPDX-License-Identifier: GPL-3.0-or-later
// What the chooser lists and reads: drives, photo files, order, paths, types, small pictures.
#include "chooser/KlasorIcerigi.h"
#include "chooser/Suruculer.h"
#include "game/ParcaKesici.h"
#include "tests/ortak/Yardimcilar.h"
#include "toolkit/CalismaHatasi.h"
#include "toolkit/ExifKucukResim.h"
#include "toolkit/ResimYukleyici.h"

#include <QColorSpace>
#include <QDir>
#include <QPainter>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>
#include <QtEndian>
#include <libheif/heif.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#include <zlib.h>

// `resim` encoded by libheif (HEVC or AV1) from RGB, shown turned as EXIF orientation `yön` says,
// with its colour space as an ICC profile (Display P3 as a colour box's primaries).
QByteArray HeifKodla(const QImage &resim, heif_compression_format tür, int yön = 1) {
    const QImage rgb = resim.convertToFormat(QImage::Format_RGB888);
    const QColorSpace uzay = resim.colorSpace();
    heif_context *bağlam = heif_context_alloc();
    heif_encoder *kodlayıcı = nullptr;
    heif_image *r = nullptr;
    heif_context_get_encoder_for_format(bağlam, tür, &kodlayıcı);
    heif_encoder_set_lossy_quality(kodlayıcı, 90);
    heif_image_create(rgb.width(), rgb.height(), heif_colorspace_RGB, heif_chroma_interleaved_RGB,
                      &r);
    heif_image_add_plane(r, heif_channel_interleaved, rgb.width(), rgb.height(), 8);
    heif_color_profile_nclx *nclx = heif_nclx_color_profile_alloc();
    nclx->color_primaries = heif_color_primaries_SMPTE_EG_432_1;
    nclx->transfer_characteristics = heif_transfer_characteristic_IEC_61966_2_1;
    if (uzay == QColorSpace::DisplayP3)
        heif_image_set_nclx_color_profile(r, nclx);
    else if (uzay.isValid())
        heif_image_set_raw_color_profile(r, "prof", uzay.iccProfile().data(),
                                         size_t(uzay.iccProfile().size()));
    int adım = 0;
    uint8_t *satır = heif_image_get_plane(r, heif_channel_interleaved, &adım);
    for (int y = 0; y < rgb.height(); ++y)
        std::memcpy(satır + y * adım, rgb.constScanLine(y), rgb.width() * 3);
    heif_encoding_options *seçenek = heif_encoding_options_alloc();
    seçenek->image_orientation = heif_orientation(yön); // written as irot and imir boxes
    if (uzay == QColorSpace::DisplayP3) { // the primaries, not a profile, as phones write them
        seçenek->output_nclx_profile = nclx;
        seçenek->macOS_compatibility_workaround_no_nclx_profile = 0;
    }
    heif_context_encode_image(bağlam, r, kodlayıcı, seçenek, nullptr);
    QTemporaryFile dosya;
    dosya.open();
    heif_context_write_to_file(bağlam, QFile::encodeName(dosya.fileName()).constData());
    heif_encoding_options_free(seçenek);
    heif_nclx_color_profile_free(nclx);
    heif_image_release(r);
    heif_encoder_release(kodlayıcı);
    heif_context_free(bağlam);
    return dosya.readAll();
}

class ListelerTesti : public QObject {
    Q_OBJECT

    QTemporaryDir klasör_;

private slots:
    void drivesAndPathsReadLikeADriveList() {
        // clang-format off
        const std::vector<BağlıBirim> birimler{
            {"/proc", "proc", {}}, {"/", "overlay", {}},
            {"/var/lib/docker/overlay2/x/merged", "overlay", {}}, {"/home", "ext4", "ev"},
            {"/media/cdrom", "iso9660", "FOTOLAR"}, {"/media/cdrom", "iso9660", "FOTOLAR"},
            {"/srv/veri", "ext4", {}}, {"/tmp", "tmpfs", {}}, {"/opt/oyun", "xfs", {}}};
        // clang-format on
        QStringList metinler;
        // The program on a tmpfs and on a volume of its own: both drives still listed.
        for (const auto &s :
             SürücüleriSeç(birimler, "/home/ali/", {"/tmp/x/prog/", "/opt/oyun/bin"}))
            metinler << s.Metin();
        QCOMPARE(metinler,
                 (QStringList{"/", "/home [ev]", "/media/cdrom [FOTOLAR]", "/opt/oyun", "/tmp"}));
        // A path's drive is the longest root holding it, at a folder boundary.
        const std::vector<Sürücü> sürücüler{{"/", {}}, {"/media/usb", {}}, {"/media/usb/iç", {}}};
        QCOMPARE(SürücüsünüBul(sürücüler, "/media/usb2/a"), 0);
        QCOMPARE(SürücüsünüBul(sürücüler, "/media/usb/iç/x"), 2);
        QCOMPARE(Atalar("/", "/home/ali/"), (QStringList{"/", "/home", "/home/ali"}));
        QCOMPARE(YolaEkle("/", "a.jpg"), QStringLiteral("/a.jpg")); // no doubled '/' at the root
    }

    void folderContentsLeaveHiddenOutAndSortForPeople() {
        QTemporaryDir kök;
        QDir d(kök.path());
        for (const char *ad : {"b.JPG", "a.bmp", "c.jpeg", "D.Jpeg", "resim10.jpg", "resim9.jpg",
                               "not.txt", "foto.png", "e.WebP", "f.HEIC", "g.heif", "h.avif",
                               "x.gif", "a.jpg.txt", "jpg", ".gizli.jpg", "klasör.jpg/x"}) {
            d.mkpath(QFileInfo(d.filePath(ad)).path());
            DosyaYaz(d.filePath(ad), {});
        }
        // A pipe named like a photo: reading it would wait for a writer.
        const QString boru = d.filePath("boru.jpg");
        QCOMPARE(mkfifo(QFile::encodeName(boru).constData(), 0600), 0);
        QVERIFY(ExifKüçükResmi(boru).isNull());
        // A photo whose headers would cost more than the loader allows shows no small picture.
        QByteArray yorumlu =
            ExifliJpeg(DüzFotoğraf(Qt::gray, 64, 48), DüzFotoğraf(Qt::red, 32, 24));
        yorumlu.insert(yorumlu.lastIndexOf("\xff\xc0"),
                       QByteArray("\xff\xfe\xff\xff").leftJustified(65537).repeated(80));
        DosyaYaz(klasör_.filePath("yorumlu.jpg"), yorumlu);
        QVERIFY(ExifKüçükResmi(klasör_.filePath("yorumlu.jpg")).isNull());
        for (const char *ad :
             {"Zeytin", "ağaç", "Çarşı", ".gizli", "10 Ekim", "9 Eylül", "ılık", "İnci"})
            QVERIFY(d.mkdir(ad));
        QCOMPARE(FotoğrafDosyaları(kök.path()),
                 (QStringList{"a.bmp", "b.JPG", "c.jpeg", "D.Jpeg", "e.WebP", "f.HEIC", "foto.png",
                              "g.heif", "h.avif", "resim9.jpg", "resim10.jpg"}));
        QVERIFY_THROWS_EXCEPTION(ÇalışmaHatası, FotoğrafDosyaları(d.filePath("silinmiş")));
        // Turkish order without regard to case (ı before i and İ), numbers by value.
        QCOMPARE(AltKlasörler(kök.path()), (QStringList{"9 Eylül", "10 Ekim", "ağaç", "Çarşı",
                                                        "ılık", "İnci", "klasör.jpg", "Zeytin"}));
    }

    void smallPictureIsTurnedAndCutAsThePhoto_data() {
        QTest::addColumn<bool>("mm");
        QTest::addColumn<int>("yön");
        QTest::addColumn<QSize>("foto");
        QTest::addColumn<QRect>("içi"); // where the photo lies in the black 160 x 120
        for (const bool mm : {false, true})
            for (int yön = 1; yön <= 8; ++yön)
                QTest::addRow("%s %d", mm ? "MM" : "II", yön)
                    << mm << yön << QSize(64, 48) << QRect(0, 0, 160, 120);
        QTest::newRow("3:2 letterboxed") << true << 1 << QSize(96, 64) << QRect(0, 6, 160, 107);
        QTest::newRow("3:2 upright") << false << 8 << QSize(96, 64) << QRect(0, 7, 160, 107);
        QTest::newRow("1:1 pillarboxed") << false << 1 << QSize(64, 64) << QRect(20, 0, 120, 120);
        // Turned by an editor that left the small picture as it was: it shows another picture.
        QTest::newRow("left lying") << false << 1 << QSize(48, 64) << QRect();
    }

    // Upright as the photo's loader turns the photo, its corners the photo's, never a black bar.
    void smallPictureIsTurnedAndCutAsThePhoto() {
        QFETCH(bool, mm);
        QFETCH(int, yön);
        QFETCH(QSize, foto);
        QFETCH(QRect, içi);
        QImage küçük = DüzFotoğraf(Qt::black, 160, 120);
        QPainter(&küçük).drawImage(içi.isNull() ? küçük.rect() : içi, DörtRenkliFotoğraf(160, 120));
        const QString yol = klasör_.filePath("kamera.jpg");
        DosyaYaz(yol, ExifliJpeg(DörtRenkliFotoğraf(foto.width(), foto.height()), küçük, mm, yön));
        const QImage resim = LoadPicture(yol).Resim, sonuç = ExifKüçükResmi(yol);
        QCOMPARE(sonuç.isNull(), içi.isNull());
        if (sonuç.isNull())
            return;
        const auto köşe = [](const QImage &r, int x, int y) {
            return r.pixelColor(x * (r.width() - 1), y * (r.height() - 1));
        };
        for (const int x : {0, 1})
            for (const int y : {0, 1})
                QVERIFY(RenkYakın(köşe(sonuç, x, y), köşe(resim, x, y), 60));
    }

    void everyTypeLoadsUprightInSRgb_data() {
        QTest::addColumn<QString>("ad");
        QTest::addColumn<QByteArray>("baytlar");
        QTest::addColumn<QColor>("solÜst"); // the top-left piece; the others are Çeyrekler's
        QTest::addColumn<int>("pay");
        const QImage dört = DörtRenkliFotoğraf(64, 48);
        // `resim` as a PNG whose eXIf chunk, before the picture data, gives orientation `yön`.
        const auto pngEki = [](const QImage &resim, int yön) {
            const QByteArray exif = ExifliJpeg(QImage(1, 1, QImage::Format_RGB32), {}, true, yön);
            QByteArray png = Kodla(resim, "PNG"), parça = "eXIf" + exif.mid(12, 56), s(8, 0);
            const auto *baytlar = reinterpret_cast<const Bytef *>(parça.constData());
            qToBigEndian<quint32>(56, s.data());
            qToBigEndian<quint32>(crc32(0, baytlar, parça.size()), s.data() + 4);
            return png.insert(png.indexOf("IDAT") - 4, s.left(4) + parça + s.mid(4));
        };
        // Stored as a camera lying on its side (orientation 6) stores it.
        const QImage yatık = dört.transformed(QTransform().rotate(-90));
        QImage saydam = dört.convertToFormat(QImage::Format_RGBA64);
        for (int y = 0; y < 24 * 32; ++y)
            saydam.setPixelColor(y % 32, y / 32, Qt::transparent);
        const QColor kırmızı(224, 31, 32);
        const auto renkli = [&](QColorSpace::NamedColorSpace uzay) { // written with its profile
            QImage resim = DüzFotoğraf(kırmızı, 64, 48);
            resim.setColorSpace(QColorSpace::SRgb);
            return resim.convertedToColorSpace(uzay);
        };
        const QColor üst = Çeyrekler[0];
        QTest::newRow("JPEG named .png") << "a.png" << Kodla(dört, "JPG") << üst << 40;
        QTest::newRow("PNG 16-bit, clear corner")
            << "a.png" << Kodla(saydam, "PNG") << QColor(Qt::white) << 0;
        QTest::newRow("PNG eXIf 6") << "a.png" << pngEki(yatık, 6) << üst << 0;
        QTest::newRow("WebP") << "a.webp" << Kodla(dört, "WEBP") << üst << 40;
        QTest::newRow("Adobe RGB JPEG")
            << "a.jpg" << Kodla(renkli(QColorSpace::AdobeRgb), "JPG") << kırmızı << 4;
        QTest::newRow("AVIF with a ProPhoto RGB profile, named .jpg")
            << "a.jpg" << HeifKodla(renkli(QColorSpace::ProPhotoRgb), heif_compression_AV1)
            << kırmızı << 6;
        QTest::newRow("HEIC in Display P3")
            << "a.heic" << HeifKodla(renkli(QColorSpace::DisplayP3), heif_compression_HEVC)
            << kırmızı << 6;
        QTest::newRow("HEIC irot 6")
            << "a.heic" << HeifKodla(yatık, heif_compression_HEVC, 6) << üst << 40;
    }

    // Each type decoded by what it holds: upright, in sRGB, transparency on white, cut as a board.
    void everyTypeLoadsUprightInSRgb() {
        QFETCH(QString, ad);
        QFETCH(QByteArray, baytlar);
        QFETCH(QColor, solÜst);
        QFETCH(int, pay);
        const QString yol = klasör_.filePath(ad);
        DosyaYaz(yol, baytlar);
        const Fotoğraf foto = LoadPicture(yol, OyunİçinEnAzBoyut);
        QCOMPARE(foto.DoğalBoyut, QSize(64, 48));
        for (int k = 0; k < 4; ++k) {
            const QColor beklenen = k && solÜst != QColor(224, 31, 32) ? Çeyrekler[k] : solÜst;
            const QImage parça = ParçayıKes(foto.Resim, foto.DoğalBoyut, 2, QSize(32, 24), k);
            QVERIFY(RenkYakın(OrtaRenk(parça), beklenen, pay));
        }
    }

    void brokenExifBlocksGiveNoSmallPicture_data() {
        QTest::addColumn<QByteArray>("baytlar");
        QTest::addColumn<bool>("bulunur");
        const QByteArray iyi =
            ExifliJpeg(DüzFotoğraf(Qt::gray, 64, 48), DüzFotoğraf(Qt::red, 32, 24), true);
        const auto yamalı = [](QByteArray b, int yer, quint32 değer, int boy = 4) {
            for (int i = 0; i < boy; ++i) // Motorola order, at a place in the TIFF data
                b[12 + yer + i] = char(değer >> 8 * (boy - 1 - i));
            return b;
        };
        const quint32 küçükBoyu = qFromBigEndian<quint32>(iyi.constData() + 12 + 48);
        QTest::newRow("after another APP1 and fill bytes")
            << iyi.left(2) + QByteArray("\xFF\xE1\x00\x07XMP\0\0\xFF\xFF", 11) + iyi.mid(2) << true;
        QTest::newRow("directory loops to itself") << yamalı(yamalı(iyi, 4, 26), 52, 26) << false;
        QTest::newRow("directory at the data's last byte")
            << yamalı(iyi, 22, 55 + küçükBoyu).left(12 + 56 + küçükBoyu) << false;
        const auto bomba = [](int kez) {
            return ExifliJpeg(DüzFotoğraf(Qt::gray, 64, 48), {}, false, 1,
                              TaramaBombası(DüzFotoğraf(Qt::red, 32, 24), kez));
        };
        QTest::newRow("progressive, 50 scans") << bomba(50) << true;
        QTest::newRow("progressive, 150 scans") << bomba(150) << false;
        QTest::newRow("entry count past the end") << yamalı(iyi, 26, 0xFFFF, 2) << false;
        QTest::newRow("length past the end") << yamalı(iyi, 48, küçükBoyu + 1) << false;
        QTest::newRow("not a JPEG") << yamalı(iyi, 56, 0, 2) << false;
        QTest::newRow("cut short") << yamalı(iyi, 48, küçükBoyu - 100) << false;
        for (quint32 n = 0; n < 12 + 56 + küçükBoyu; n += 37)
            QTest::addRow("first %u bytes", n) << iyi.left(n) << false;
    }

    void brokenExifBlocksGiveNoSmallPicture() {
        QFETCH(QByteArray, baytlar);
        QFETCH(bool, bulunur);
        // The bytes right before a page that cannot be read: a read past them ends the test.
        const qsizetype sayfa = sysconf(_SC_PAGESIZE), boy = (baytlar.size() / sayfa + 2) * sayfa;
        auto *bellek = static_cast<char *>(
            mmap(nullptr, boy, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0));
        QVERIFY(bellek != MAP_FAILED && mprotect(bellek + boy - sayfa, sayfa, PROT_NONE) == 0);
        char *baş = bellek + boy - sayfa - baytlar.size();
        std::memcpy(baş, baytlar.constData(), baytlar.size());
        QCOMPARE(!ExifKüçükResmi({baş, baytlar.size()}, {640, 480}).isNull(), bulunur);
        munmap(bellek, boy);
    }
};

QTEST_GUILESS_MAIN(ListelerTesti)
#include "ListelerTesti.moc"
