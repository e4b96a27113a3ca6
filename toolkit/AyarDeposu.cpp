// SPDX-License-Identifier: GPL-3.0-or-later
// The settings store: where its files live, the copy of them kept in memory, and atomic writes.
//
// The text form of a file (sections, key order, quoting of awkward texts) is AyarBelgesi.cpp's.
// Each file read is kept in memory together with its size and times on disk; every call looks
// at those again (one stat) and reads the file anew when another hand has changed it. A change
// is written at once with QSaveFile, which writes a temporary file beside the old one and
// renames it over it once the new text is known to be on disk: a crash or a full disk leaves the
// old file or the new one, never a torn one. When a write fails, the copy in memory is dropped,
// so that the store shows what the disk holds, and the caller learns why (disk full, no
// permission, anything else).
//
// A file over the bounds a settings file keeps to, or not UTF-8, is read as empty and never
// written back: the
// first write renames it aside (to its name with ".bozuk" added) just before the new file takes
// its place.
#include "toolkit/AyarDeposu.h"

#include "toolkit/AyarBelgesi.h"
#include "toolkit/CalismaHatasi.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <optional>
#include <unistd.h>

namespace {

// A settings file is a few kilobytes (two paths of at most 4 KiB each, quoted, are the largest
// values); anything beyond this is not ours to read, and is kept aside at the next save.
constexpr qint64 EnBüyükDosya = 1024 * 1024;

const QString KenardakiEk = QStringLiteral(".bozuk");

// The error a write that failed with the system's error `neden` reports.
int YazmaHatası(int neden) {
    switch (neden) {
    case ENOSPC:
    case EFBIG: // the file-size limit, as a full disk for this file
    case EDQUOT:
        return ÇalışmaHatası::DiskDolu;
    case EACCES:
    case EPERM:
    case EROFS:
        return ÇalışmaHatası::İzinYok;
    default:
        return ÇalışmaHatası::DosyaErişimHatası;
    }
}

struct İmza {
    bool var = false;
    bool düzenli = false; // a regular file (through any links), the only kind that is read
    qint64 boyut = -1;
    QDateTime değişme;
    QDateTime durumDeğişmesi;
    bool operator==(const İmza &) const = default;
};

İmza İmzaOf(const QString &dosya) {
    const QFileInfo bilgi(dosya);
    if (!bilgi.exists())
        return {};
    return {true, bilgi.isFile(), bilgi.size(), bilgi.lastModified(),
            bilgi.fileTime(QFileDevice::FileMetadataChangeTime)};
}

struct Dosya {
    AyarBelgesi belge;
    İmza imza;
    bool okunamadı = false; // exists but could not be opened: never overwrite what we cannot see
    bool bekliyor = false;  // changed inside a group, not yet written
    // Exists but is no file of ours (over the bounds, not UTF-8): read as empty, kept aside at
    // the next write.
    bool sınırDışı = false;
};

struct Depo {
    QString klasör;
    QHash<QString, Dosya> dosyalar;
    int toplulukDerinliği = 0;
    const QDateTime açılış = QDateTime::currentDateTimeUtc();
};

Depo &depo() {
    static Depo d;
    return d;
}

struct Konum {
    QString dosya;
    AyarBelgesi::Yol bölüm;
};

// The file and section that an application and section name address together.
std::optional<Konum> KonumOf(const QString &uygulama, const QString &bölüm) {
    const QStringList düzeyler = (uygulama + u'\\' + bölüm).split(u'\\');
    if (düzeyler.size() < 2)
        return std::nullopt;
    for (const QString &düzey : düzeyler)
        if (düzey.isEmpty())
            return std::nullopt;
    for (const QString &düzey : düzeyler.first(2))
        if (düzey == u"." || düzey == u".." || düzey.contains(u'/') || düzey.contains(QChar()))
            return std::nullopt;
    return Konum{AyarKlasörü() + u'/' + düzeyler[0] + u'/' + düzeyler[1] + QStringLiteral(".ini"),
                 düzeyler.mid(2)};
}

Konum YazılacakKonum(const QString &uygulama, const QString &bölüm) {
    auto konum = KonumOf(uygulama, bölüm);
    if (!konum)
        throw ÇalışmaHatası(ÇalışmaHatası::GeçersizÇağrı);
    return *konum;
}

// A save killed after QSaveFile gave its temporary file a name and before the rename leaves that
// file beside the settings file: the file's name, a dot and six letters or digits. Such files
// from before this run are nobody's any more; a newer one may belong to a save under way.
void YarımKalanKayıtlarıSil(const QString &yol) {
    const QFileInfo dosya(yol);
    const QRegularExpression ad(u'^' + QRegularExpression::escape(dosya.fileName()) +
                                QStringLiteral("\\.[A-Za-z0-9]{6}$"));
    const QDir klasör = dosya.absoluteDir();
    for (const QFileInfo &kalıntı : klasör.entryInfoList(
             {dosya.fileName() + QStringLiteral(".??????")}, QDir::Files | QDir::Hidden))
        if (ad.match(kalıntı.fileName()).hasMatch() && kalıntı.lastModified() < depo().açılış)
            QFile::remove(kalıntı.filePath());
}

Dosya DiskteOku(const QString &yol, const İmza &imza) {
    YarımKalanKayıtlarıSil(yol);
    Dosya dosya;
    dosya.imza = imza;
    if (!imza.var)
        return dosya;
    // Anything but a regular file is neither read nor replaced: opening a FIFO blocks until a
    // writer comes, and a device (a link to /dev/zero) pours bytes without end.
    if (!imza.düzenli) {
        dosya.okunamadı = true;
        return dosya;
    }
    if (imza.boyut > EnBüyükDosya) {
        dosya.sınırDışı = true;
        return dosya;
    }
    QFile okunan(yol);
    if (!okunan.open(QIODevice::ReadOnly)) {
        dosya.okunamadı = true;
        return dosya;
    }
    dosya.belge = AyarBelgesi::Oku(okunan.read(EnBüyükDosya), &dosya.sınırDışı);
    return dosya;
}

// The file as it stands now: the copy in memory while it matches the disk (or holds changes
// of an open group), else read again.
Dosya &DosyaOf(const QString &yol) {
    auto &dosyalar = depo().dosyalar;
    const İmza imza = İmzaOf(yol);
    auto bulunan = dosyalar.find(yol);
    if (bulunan != dosyalar.end() && (bulunan->bekliyor || bulunan->imza == imza))
        return *bulunan;
    return *dosyalar.insert(yol, DiskteOku(yol, imza));
}

// The rename is on disk only once the folder is: without this a power cut could bring back the
// old name. The file is in place by now, so a folder that cannot be synced changes nothing more.
void KlasörüEşitle(const QString &klasör) {
    const int tanıtıcı = ::open(QFile::encodeName(klasör).constData(), O_RDONLY | O_DIRECTORY);
    if (tanıtıcı >= 0) {
        ::fsync(tanıtıcı);
        ::close(tanıtıcı);
    }
}

// A file-size limit (ulimit -f) ends a program that writes past it with SIGXFSZ, in the middle of
// the close; ignored while the file is written, the write fails with EFBIG and is told instead.
class BoyutSınırıSinyaliniYoksay {
public:
    BoyutSınırıSinyaliniYoksay() : önceki_(std::signal(SIGXFSZ, SIG_IGN)) {}
    ~BoyutSınırıSinyaliniYoksay() { std::signal(SIGXFSZ, önceki_); }
    BoyutSınırıSinyaliniYoksay(const BoyutSınırıSinyaliniYoksay &) = delete;
    BoyutSınırıSinyaliniYoksay &operator=(const BoyutSınırıSinyaliniYoksay &) = delete;

private:
    void (*önceki_)(int);
};

// Writes the file; 0 when the new text is on disk under its name, else the error number, the old
// file left byte for byte. Qt 6.4's commit() renames even when its own flush fails (a short write
// on a full disk gives an empty or torn file), so the text is flushed and synced first and the
// rename comes only after both succeeded.
int DiskeYaz(const QString &yol, Dosya &dosya) {
    if (dosya.okunamadı)
        return ÇalışmaHatası::DosyaErişimHatası;
    const QByteArray metin = dosya.belge.Yaz();
    if (metin.size() > EnBüyükDosya)
        return ÇalışmaHatası::DosyaErişimHatası;
    const QString klasör = QFileInfo(yol).absolutePath();
    errno = 0;
    if (!QDir().mkpath(klasör))
        return YazmaHatası(errno);
    const BoyutSınırıSinyaliniYoksay sinyalsiz;
    QSaveFile hedef(yol);
    const bool yazıldı = hedef.open(QIODevice::WriteOnly) && hedef.write(metin) == metin.size() &&
                         hedef.flush() && ::fsync(hedef.handle()) == 0;
    const int neden = errno;
    if (!yazıldı) {
        hedef.cancelWriting(); // the temporary file goes with `hedef`
        return YazmaHatası(neden);
    }
    // What could not be read is kept under another name, never lost; an older copy gives way.
    if (dosya.sınırDışı &&
        ::rename(QFile::encodeName(yol).constData(),
                 QFile::encodeName(yol + KenardakiEk).constData()) != 0 &&
        errno != ENOENT) {
        const int kenaraNeden = errno;
        hedef.cancelWriting();
        return YazmaHatası(kenaraNeden);
    }
    if (!hedef.commit())
        return YazmaHatası(errno);
    KlasörüEşitle(klasör);
    dosya.imza = İmzaOf(yol);
    dosya.bekliyor = false;
    dosya.sınırDışı = false;
    return 0;
}

// Writes every file changed inside the group that just ended; 0, or the error of the first that
// could not be written.
int BekleyenleriYaz() {
    int hata = 0;
    auto &dosyalar = depo().dosyalar;
    for (auto it = dosyalar.begin(); it != dosyalar.end();) {
        const int yazılmadı = it->bekliyor ? DiskeYaz(it.key(), *it) : 0;
        if (yazılmadı != 0) {
            it = dosyalar.erase(it);
            hata = hata ? hata : yazılmadı;
        } else {
            ++it;
        }
    }
    return hata;
}

template <class Değişiklik> void Değiştir(const QString &yol, Değişiklik &&değişiklik) {
    Dosya &dosya = DosyaOf(yol);
    if (dosya.okunamadı)
        throw ÇalışmaHatası(ÇalışmaHatası::DosyaErişimHatası);
    değişiklik(dosya.belge);
    if (depo().toplulukDerinliği > 0) {
        dosya.bekliyor = true;
        return;
    }
    if (const int hata = DiskeYaz(yol, dosya)) {
        depo().dosyalar.remove(yol);
        throw ÇalışmaHatası(hata);
    }
}

} // namespace

QString GetSetting(const QString &uygulama, const QString &bölüm, const QString &anahtar,
                   const QString &varsayılan) {
    const auto konum = KonumOf(uygulama, bölüm);
    if (!konum)
        return varsayılan;
    const QString *değer = DosyaOf(konum->dosya).belge.Değer(konum->bölüm, anahtar);
    return değer ? *değer : varsayılan;
}

void SaveSetting(const QString &uygulama, const QString &bölüm, const QString &anahtar,
                 const QString &değer) {
    const Konum konum = YazılacakKonum(uygulama, bölüm);
    Değiştir(konum.dosya, [&](AyarBelgesi &belge) { belge.Kaydet(konum.bölüm, anahtar, değer); });
}

void DeleteSetting(const QString &uygulama, const QString &bölüm) {
    const Konum konum = YazılacakKonum(uygulama, bölüm);
    Değiştir(konum.dosya, [&](AyarBelgesi &belge) {
        if (!belge.Sil(konum.bölüm))
            throw ÇalışmaHatası(ÇalışmaHatası::GeçersizÇağrı);
    });
}

AyarListesi GetAllSettings(const QString &uygulama, const QString &bölüm) {
    const auto konum = KonumOf(uygulama, bölüm);
    if (!konum)
        return {};
    const AyarListesi *satırlar = DosyaOf(konum->dosya).belge.Satırlar(konum->bölüm);
    return satırlar ? *satırlar : AyarListesi{};
}

QString KenaraKonacakDosya(const QString &uygulama, const QString &bölüm) {
    const auto konum = KonumOf(uygulama, bölüm);
    if (!konum || !DosyaOf(konum->dosya).sınırDışı)
        return {};
    return konum->dosya + KenardakiEk;
}

AyarToplusu::AyarToplusu() { ++depo().toplulukDerinliği; }

AyarToplusu::~AyarToplusu() {
    if (--depo().toplulukDerinliği == 0)
        BekleyenleriYaz();
}

void AyarToplusu::Yaz() {
    if (depo().toplulukDerinliği != 1)
        return;
    if (const int hata = BekleyenleriYaz())
        throw ÇalışmaHatası(hata);
}

QString AyarKlasörü() {
    if (!depo().klasör.isEmpty())
        return depo().klasör;
    const QString yer = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return yer.isEmpty() ? QDir::homePath() + QStringLiteral("/.config") : yer;
}

void AyarKlasörünüKur(const QString &klasör) {
    depo().klasör = klasör;
    AyarlarıUnut();
}

void AyarlarıUnut() {
    // Changes of an open group stay: they are not on disk anywhere else.
    auto &dosyalar = depo().dosyalar;
    dosyalar.removeIf([](const auto &dosya) { return !dosya.value().bekliyor; });
}
