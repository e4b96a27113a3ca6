// The chooser's list contents: which volumes are drives, photo files, order and paths.
#include "chooser/KlasorIcerigi.h"
#include "chooser/Suruculer.h"
#include "toolkit/YarimResim.h"
#include "toolkit/CalismaHatasi.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

class ListelerTesti : public QObject {
    Q_OBJECT

private slots:
    void drivesAreTheVolumesAPlayerBrowses();
    void driveTextShowsTheLabelInBrackets();
    void driveOfAPathIsTheLongestRootAtAFolderBoundary();
    void folderContentsLeaveHiddenOutAndSortForPeople();
    void namesSortCaseInsensitiveTurkishAndByNumber();
    void pathsRunFromTheDriveRootWithSingleSeparators();
    void truncatedPhotosAreToldFromWholeOnes();
};

void ListelerTesti::drivesAreTheVolumesAPlayerBrowses() {
    const std::vector<BağlıBirim> birimler{
        {QStringLiteral("/proc"), "proc", {}},
        {QStringLiteral("/"), "overlay", {}},
        {QStringLiteral("/sys"), "sysfs", {}},
        {QStringLiteral("/dev"), "devtmpfs", {}},
        {QStringLiteral("/run"), "tmpfs", {}},
        {QStringLiteral("/sys/fs/cgroup"), "cgroup2", {}},
        {QStringLiteral("/snap/core/1"), "squashfs", {}},
        {QStringLiteral("/var/lib/docker/overlay2/x/merged"), "overlay", {}},
        {QStringLiteral("/home"), "ext4", QStringLiteral("ev")},
        {QStringLiteral("/run/media/ali/KINGSTON"), "vfat", QStringLiteral("KINGSTON")},
        {QStringLiteral("/media/cdrom"), "iso9660", QStringLiteral("FOTOLAR")},
        {QStringLiteral("/media/cdrom"), "iso9660", QStringLiteral("FOTOLAR")},
        {QStringLiteral("/srv/veri"), "ext4", {}},
        {QStringLiteral("/tmp"), "tmpfs", {}},
        {QStringLiteral("/opt/oyun"), "xfs", {}},
    };
    // The program lives on a tmpfs and on a volume of its own: both drives must still be listed.
    const auto sürücüler =
        SürücüleriSeç(birimler, QStringLiteral("/home/ali/"),
                      {QStringLiteral("/tmp/x/prog/"), QStringLiteral("/opt/oyun/bin")});
    QStringList kökler;
    for (const auto &s : sürücüler)
        kökler << s.Kök;
    QCOMPARE(kökler, (QStringList{"/", "/home", "/media/cdrom", "/opt/oyun",
                                  "/run/media/ali/KINGSTON", "/tmp"}));

    // A bare overlay root counts as the disk; without required paths tmpfs stays out.
    const auto yalın = SürücüleriSeç(birimler, QStringLiteral("/root"), {});
    QCOMPARE(yalın.front().Kök, QStringLiteral("/"));
    for (const auto &s : yalın)
        QVERIFY2(s.Kök != QLatin1String("/tmp") && s.Kök != QLatin1String("/srv/veri"),
                 qPrintable(s.Kök));
}

void ListelerTesti::driveTextShowsTheLabelInBrackets() {
    QCOMPARE((Sürücü{QStringLiteral("/"), {}}).Metin(), QStringLiteral("/"));
    QCOMPARE((Sürücü{QStringLiteral("/media/usb"), QStringLiteral("KINGSTON")}).Metin(),
             QStringLiteral("/media/usb [KINGSTON]"));
    QCOMPARE((Sürücü{QStringLiteral("/"), QStringLiteral("disk")}).Metin(),
             QStringLiteral("/ [disk]"));
}

void ListelerTesti::driveOfAPathIsTheLongestRootAtAFolderBoundary() {
    const std::vector<Sürücü> sürücüler{{QStringLiteral("/"), {}},
                                        {QStringLiteral("/media/usb"), {}},
                                        {QStringLiteral("/media/usb/iç"), {}}};
    QCOMPARE(SürücüsünüBul(sürücüler, QStringLiteral("/home/ali/")), 0);
    QCOMPARE(SürücüsünüBul(sürücüler, QStringLiteral("/media/usb")), 1);
    QCOMPARE(SürücüsünüBul(sürücüler, QStringLiteral("/media/usb/")), 1);
    QCOMPARE(SürücüsünüBul(sürücüler, QStringLiteral("/media/usb2/a")), 0);
    QCOMPARE(SürücüsünüBul(sürücüler, QStringLiteral("/media/usb/iç/x")), 2);
    QCOMPARE(SürücüsünüBul({}, QStringLiteral("/a")), -1);
}

void ListelerTesti::folderContentsLeaveHiddenOutAndSortForPeople() {
    QTemporaryDir kök;
    QDir d(kök.path());
    for (const char *ad :
         {"b.JPG", "a.bmp", "c.jpeg", "D.Jpeg", "resim10.jpg", "resim9.jpg", "not.txt", "foto.png",
          "a.jpg.txt", "jpg", ".gizli.jpg", "klasör.jpg/x"}) {
        const QString yol = d.filePath(QString::fromUtf8(ad));
        d.mkpath(QFileInfo(yol).path());
        QFile f(yol);
        QVERIFY(f.open(QIODevice::WriteOnly));
    }
    // A pipe named like a photo is no file to show (reading it would wait for a writer).
    QCOMPARE(mkfifo(QFile::encodeName(d.filePath(QStringLiteral("boru.jpg"))).constData(), 0600),
             0);
    QVERIFY(!YarımResimMi(d.filePath(QStringLiteral("boru.jpg"))));
    for (const char *ad : {"Zeytin", "ağaç", "Çarşı", ".gizli", "10 Ekim", "9 Eylül"})
        QVERIFY(d.mkdir(QString::fromUtf8(ad)));

    QCOMPARE(FotoğrafDosyaları(kök.path()),
             (QStringList{"a.bmp", "b.JPG", "c.jpeg", "D.Jpeg", "resim9.jpg", "resim10.jpg"}));
    try {
        FotoğrafDosyaları(kök.filePath(QStringLiteral("silinmiş")));
        QFAIL("a missing folder was listed");
    } catch (const ÇalışmaHatası &hata) {
        QCOMPARE(hata.Numara(), int(ÇalışmaHatası::YolBulunamadı));
    }
    QCOMPARE(AltKlasörler(kök.path()), (QStringList{"9 Eylül", "10 Ekim", "ağaç", "Çarşı",
                                                    QString::fromUtf8("klasör.jpg"), "Zeytin"}));
}

void ListelerTesti::namesSortCaseInsensitiveTurkishAndByNumber() {
    QStringList adlar{"zebra", "Çiçek", "IMG_10", "cam",  "ılık",  "Dal",
                      "IMG_9", "İnci",  "ufuk",   "Ülke", "şeker", "Su"};
    İnsanSırasıylaSırala(adlar);
    QCOMPARE(adlar, (QStringList{"cam", "Çiçek", "Dal", "ılık", "IMG_9", "IMG_10", "İnci", "Su",
                                 "şeker", "ufuk", "Ülke", "zebra"}));
}

void ListelerTesti::pathsRunFromTheDriveRootWithSingleSeparators() {
    QCOMPARE(Atalar(QStringLiteral("/"), QStringLiteral("/home/ali/")),
             (QStringList{"/", "/home", "/home/ali"}));
    QCOMPARE(Atalar(QStringLiteral("/"), QStringLiteral("/")), QStringList{"/"});
    QCOMPARE(Atalar(QStringLiteral("/media/usb"), QStringLiteral("/media/usb/DCIM/100")),
             (QStringList{"/media/usb", "/media/usb/DCIM", "/media/usb/DCIM/100"}));
    QCOMPARE(YolaEkle(QStringLiteral("/"), QStringLiteral("a.jpg")), QStringLiteral("/a.jpg"));
    QCOMPARE(YolaEkle(QStringLiteral("/media/usb"), QStringLiteral("a.jpg")),
             QStringLiteral("/media/usb/a.jpg"));
}

namespace {

QByteArray Kodla(const QImage &resim, const char *biçim) {
    QByteArray veri;
    QBuffer tampon(&veri);
    tampon.open(QIODevice::WriteOnly);
    resim.save(&tampon, biçim, 90);
    return veri;
}

bool Yarım(const QTemporaryDir &klasör, const QByteArray &içerik) {
    const QString yol = klasör.filePath(QStringLiteral("dosya"));
    QFile dosya(yol);
    dosya.open(QIODevice::WriteOnly | QIODevice::Truncate);
    dosya.write(içerik);
    dosya.close();
    return YarımResimMi(yol);
}

} // namespace

void ListelerTesti::truncatedPhotosAreToldFromWholeOnes() {
    QImage resim(300, 200, QImage::Format_RGB32);
    for (int y = 0; y < resim.height(); ++y)
        for (int x = 0; x < resim.width(); ++x)
            resim.setPixel(x, y, qRgb(x % 256, (x * y) % 256, (x ^ y) % 256));
    const QByteArray jpeg = Kodla(resim, "JPG");
    const QByteArray bmp = Kodla(resim, "BMP");
    QTemporaryDir klasör;

    QVERIFY(!Yarım(klasör, jpeg));
    QVERIFY(Yarım(klasör, jpeg.left(jpeg.size() - 2)));
    QVERIFY(Yarım(klasör, jpeg.left(jpeg.size() / 2)));
    // Data some phones keep behind the picture (a motion photo's video) is no truncation.
    QVERIFY(!Yarım(klasör, jpeg + QByteArray(5000, '\x42')));

    // A thumbnail in the EXIF header brings its own end marker, which must not count.
    const QByteArray küçük = Kodla(resim.scaled(40, 30), "JPG");
    QByteArray exif = QByteArray("Exif\0\0", 6) + küçük;
    const int uzunluk = exif.size() + 2;
    exif.prepend(char(uzunluk & 0xFF)).prepend(char(uzunluk >> 8)).prepend("\xFF\xE1", 2);
    const QByteArray küçüklü = jpeg.left(2) + exif + jpeg.mid(2);
    QVERIFY(QImage::fromData(küçüklü).size() == resim.size());
    QVERIFY(!Yarım(klasör, küçüklü));
    QVERIFY(Yarım(klasör, küçüklü.left(küçüklü.size() - 100)));

    QVERIFY(!Yarım(klasör, bmp));
    QVERIFY(Yarım(klasör, bmp.left(bmp.size() - 1)));
    // Not pictures at all: the loader refuses those itself.
    QVERIFY(!Yarım(klasör, QByteArray()));
    QVERIFY(!Yarım(klasör, QByteArray("Bu bir fotoğraf değil.")));
    QVERIFY(!YarımResimMi(klasör.filePath(QStringLiteral("yok.jpg"))));
}

QTEST_GUILESS_MAIN(ListelerTesti)
#include "ListelerTesti.moc"
