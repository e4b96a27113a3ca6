// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file's text form: reading it leniently and writing it so that any text survives.
//
// The file is UTF-8, one item a line, meant to be read (and, carefully, edited) by a person:
//
//     [Ayarlar]
//     Son Bolme=1
//     Son Fotograf=/home/ayse/Resimler/deniz.jpg
//
//     [Oyun\Bilgiler]
//     Saniye Bilgisi=5
//
// - A header `[A\B]` opens section B inside section A; keys before the first header belong to the
//   file's top level. Sections follow in the order they were created, keys in the order they were
//   first written.
// - A key line is `key=value`: the key runs to the first '='; spaces around key and value are
//   not part of them.
// - A key, value or header path that would not survive that reading is written in double quotes
//   with C-style escapes: \\ \" \n \r \t and \uXXXX for other control characters and for lone
//   surrogates. That is the case for an empty key; for leading or trailing spaces; a leading '"'
//   or byte order mark; any control character; and, in keys, '=' anywhere or a leading '[', ';'
//   or '#'. Anything else, backslashes included, is written as it is.
// - Blank lines and lines starting with ';' or '#' are comments.
//
// Reading never fails: a line that is none of the above is dropped, as are the keys under a header
// that cannot be read; a later duplicate of a key replaces the value in the first one's place. A
// file that is not valid UTF-8, or that holds more headers or keys than any file of ours, is no
// file of ours: it reads as empty, and the store keeps it aside. Otherwise the next save writes
// the file anew from what was read, so anything dropped is gone from disk then.
//
// Sections and keys are matched without regard to case, as the platform's own settings store
// does; the spelling first written is kept.
#include "toolkit/AyarBelgesi.h"

#include <QStringDecoder>
#include <optional>

namespace {

constexpr QChar Ayraç = u'\\';

QString Katla(const QString &metin) { return metin.toCaseFolded(); }

QString YolAnahtarı(const AyarBelgesi::Yol &yol) {
    QStringList katlı;
    katlı.reserve(yol.size());
    for (const QString &düzey : yol)
        katlı.append(Katla(düzey));
    return katlı.join(Ayraç);
}

bool DenetimKarakteri(char16_t c) { return c < 0x20 || c == 0x7F; }

// True for a UTF-16 unit that is half of a surrogate pair without its other half.
bool YalnızVekil(const QString &metin, qsizetype i) {
    const QChar c = metin.at(i);
    if (c.isHighSurrogate())
        return i + 1 >= metin.size() || !metin.at(i + 1).isLowSurrogate();
    if (c.isLowSurrogate())
        return i == 0 || !metin.at(i - 1).isHighSurrogate();
    return false;
}

bool TırnakGerekir(const QString &metin, bool anahtar) {
    if (metin.isEmpty())
        return anahtar;
    // A leading U+FEFF would pass for the file's byte order mark on the first line.
    if (metin.front().isSpace() || metin.back().isSpace() || metin.front() == u'"' ||
        metin.front() == QChar::ByteOrderMark)
        return true;
    if (anahtar && (metin.front() == u'[' || metin.front() == u';' || metin.front() == u'#'))
        return true;
    for (qsizetype i = 0; i < metin.size(); ++i) {
        const char16_t c = metin.at(i).unicode();
        if (DenetimKarakteri(c) || YalnızVekil(metin, i) || (anahtar && c == u'='))
            return true;
    }
    return false;
}

QString Tırnakla(const QString &metin) {
    QString sonuç;
    sonuç.reserve(metin.size() + 2);
    sonuç += u'"';
    for (qsizetype i = 0; i < metin.size(); ++i) {
        const char16_t c = metin.at(i).unicode();
        switch (c) {
        case u'\\':
            sonuç += u"\\\\";
            break;
        case u'"':
            sonuç += u"\\\"";
            break;
        case u'\n':
            sonuç += u"\\n";
            break;
        case u'\r':
            sonuç += u"\\r";
            break;
        case u'\t':
            sonuç += u"\\t";
            break;
        default:
            if (DenetimKarakteri(c) || YalnızVekil(metin, i))
                sonuç += QStringLiteral("\\u%1").arg(int(c), 4, 16, QChar(u'0'));
            else
                sonuç += QChar(c);
        }
    }
    sonuç += u'"';
    return sonuç;
}

QString Biçimle(const QString &metin, bool anahtar) {
    return TırnakGerekir(metin, anahtar) ? Tırnakla(metin) : metin;
}

// Reads a quoted text starting at `konum` (on its opening quote) and moves `konum` past the
// closing quote; nothing when the text is malformed.
std::optional<QString> TırnakÇöz(QStringView satır, qsizetype &konum) {
    QString sonuç;
    for (qsizetype i = konum + 1; i < satır.size(); ++i) {
        const QChar c = satır.at(i);
        if (c == u'"') {
            konum = i + 1;
            return sonuç;
        }
        if (c != u'\\') {
            sonuç += c;
            continue;
        }
        if (++i >= satır.size())
            return std::nullopt;
        switch (satır.at(i).unicode()) {
        case u'\\':
            sonuç += u'\\';
            break;
        case u'"':
            sonuç += u'"';
            break;
        case u'n':
            sonuç += u'\n';
            break;
        case u'r':
            sonuç += u'\r';
            break;
        case u't':
            sonuç += u'\t';
            break;
        case u'u': {
            if (i + 4 >= satır.size())
                return std::nullopt;
            char16_t kod = 0;
            for (qsizetype j = i + 1; j <= i + 4; ++j) {
                const int hane =
                    QStringLiteral("0123456789abcdef").indexOf(satır.at(j), 0, Qt::CaseInsensitive);
                if (hane < 0)
                    return std::nullopt;
                kod = char16_t(kod * 16 + hane);
            }
            sonuç += QChar(kod);
            i += 4;
            break;
        }
        default:
            return std::nullopt;
        }
    }
    return std::nullopt;
}

// A whole field: quoted (nothing but spaces may follow the closing quote) or literal.
std::optional<QString> AlanÇöz(QStringView alan) {
    alan = alan.trimmed();
    if (!alan.startsWith(u'"'))
        return alan.toString();
    qsizetype konum = 0;
    auto metin = TırnakÇöz(alan, konum);
    if (!metin || !alan.mid(konum).trimmed().isEmpty())
        return std::nullopt;
    return metin;
}

std::optional<AyarBelgesi::Yol> BaşlıkÇöz(QStringView satır) {
    const auto yol = AlanÇöz(satır.mid(1, satır.size() - 2));
    if (!yol)
        return std::nullopt;
    const AyarBelgesi::Yol düzeyler = yol->split(Ayraç);
    for (const QString &düzey : düzeyler)
        if (düzey.isEmpty())
            return std::nullopt;
    return düzeyler;
}

} // namespace

AyarBelgesi AyarBelgesi::Oku(const QByteArray &metin, bool *yabancı) {
    const auto bizimDeğil = [&] {
        if (yabancı)
            *yabancı = true;
        return AyarBelgesi();
    };
    if (yabancı)
        *yabancı = false;
    AyarBelgesi belge;
    QStringDecoder çözücü(QStringDecoder::Utf8);
    const QString yazı = çözücü.decode(metin);
    if (çözücü.hasError())
        return bizimDeğil();

    // Counted as read, so that the cost of a text of tiny sections stops at the bound.
    int başlıklar = 0, anahtarlar = 0;
    std::optional<Yol> bölüm = Yol{};
    for (QStringView satır : QStringView(yazı).tokenize(QChar(u'\n'))) {
        satır = satır.trimmed();
        if (satır.isEmpty() || satır.startsWith(u';') || satır.startsWith(u'#'))
            continue;
        if (satır.startsWith(u'[') && satır.endsWith(u']')) {
            bölüm = BaşlıkÇöz(satır);
            if (bölüm && ++başlıklar > EnÇokBölüm)
                return bizimDeğil();
            if (bölüm)
                belge.BölümAç(*bölüm);
            continue;
        }
        if (!bölüm)
            continue;
        std::optional<QString> anahtar;
        qsizetype eşittir = -1;
        if (satır.startsWith(u'"')) {
            qsizetype konum = 0;
            anahtar = TırnakÇöz(satır, konum);
            const QStringView kalan = satır.mid(konum).trimmed();
            if (kalan.startsWith(u'='))
                eşittir = kalan.data() - satır.data();
        } else {
            eşittir = satır.indexOf(u'=');
            if (eşittir >= 0)
                anahtar = satır.left(eşittir).trimmed().toString();
        }
        if (!anahtar || eşittir < 0)
            continue;
        const auto değer = AlanÇöz(satır.mid(eşittir + 1));
        if (değer && ++anahtarlar > EnÇokAnahtar)
            return bizimDeğil();
        if (değer)
            belge.Kaydet(*bölüm, *anahtar, *değer);
    }
    return belge;
}

QByteArray AyarBelgesi::Yaz() const {
    QString yazı;
    auto bölümüYaz = [&](const Bölüm &bölüm) {
        if (!bölüm.yol.isEmpty()) {
            if (!yazı.isEmpty())
                yazı += u'\n';
            yazı += u'[' + Biçimle(bölüm.yol.join(Ayraç), false) + QStringLiteral("]\n");
        }
        for (const auto &[anahtar, değer] : bölüm.satırlar)
            yazı += Biçimle(anahtar, true) + u'=' + Biçimle(değer, false) + u'\n';
    };
    // Keys of the top level can only stand before the first header.
    for (const Bölüm &bölüm : bölümler_)
        if (bölüm.yol.isEmpty())
            bölümüYaz(bölüm);
    for (const Bölüm &bölüm : bölümler_)
        if (!bölüm.yol.isEmpty())
            bölümüYaz(bölüm);
    return yazı.toUtf8();
}

const AyarBelgesi::Bölüm *AyarBelgesi::BölümBul(const Yol &yol) const {
    const auto bulunan = bölümDizini_.constFind(YolAnahtarı(yol));
    return bulunan == bölümDizini_.cend() ? nullptr : &bölümler_[*bulunan];
}

AyarBelgesi::Bölüm &AyarBelgesi::BölümAç(const Yol &yol) {
    const QString anahtar = YolAnahtarı(yol);
    const auto bulunan = bölümDizini_.constFind(anahtar);
    if (bulunan != bölümDizini_.cend())
        return bölümler_[*bulunan];
    bölümDizini_.insert(anahtar, int(bölümler_.size()));
    bölümler_.push_back(Bölüm{yol, {}, {}});
    return bölümler_.back();
}

const AyarListesi *AyarBelgesi::Satırlar(const Yol &yol) const {
    const Bölüm *bölüm = BölümBul(yol);
    return bölüm ? &bölüm->satırlar : nullptr;
}

const QString *AyarBelgesi::Değer(const Yol &yol, const QString &anahtar) const {
    const Bölüm *bölüm = BölümBul(yol);
    if (!bölüm)
        return nullptr;
    const auto bulunan = bölüm->dizin.constFind(Katla(anahtar));
    return bulunan == bölüm->dizin.cend() ? nullptr : &bölüm->satırlar[*bulunan].second;
}

void AyarBelgesi::Kaydet(const Yol &yol, const QString &anahtar, const QString &değer) {
    Bölüm &bölüm = BölümAç(yol);
    const QString katlı = Katla(anahtar);
    const auto bulunan = bölüm.dizin.constFind(katlı);
    if (bulunan != bölüm.dizin.cend()) {
        bölüm.satırlar[*bulunan].second = değer;
        return;
    }
    bölüm.dizin.insert(katlı, int(bölüm.satırlar.size()));
    bölüm.satırlar.emplace_back(anahtar, değer);
}

bool AyarBelgesi::Sil(const Yol &yol) {
    const QString hedef = YolAnahtarı(yol);
    const QString altı = hedef + Ayraç;
    const auto önce = bölümler_.size();
    std::erase_if(bölümler_, [&](const Bölüm &bölüm) {
        const QString anahtar = YolAnahtarı(bölüm.yol);
        return yol.isEmpty() || anahtar == hedef || anahtar.startsWith(altı);
    });
    if (bölümler_.size() == önce)
        return false;
    bölümDizini_.clear();
    for (qsizetype i = 0; i < qsizetype(bölümler_.size()); ++i)
        bölümDizini_.insert(YolAnahtarı(bölümler_[i].yol), int(i));
    return true;
}
