// Shared by the fuzz targets: texts drawn from the fuzzer's bytes, and a check that stops the run
// with a readable account of what went wrong.
#pragma once

#include <QByteArray>
#include <QString>
#include <cstdio>
#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>
#include <iterator>

// A text made mostly of the characters the settings file treats specially (quotes, escapes,
// '=', brackets, comment marks, line ends, spaces of every kind, the byte order mark, lone and
// paired surrogates, noncharacters), some letters, and now and then any UTF-16 unit at all.
inline QString FuzzMetni(FuzzedDataProvider &girdi, std::size_t enÇok = 24) {
    static constexpr char16_t İlginç[] = {
        u' ',   u'"',   u'\\',  u'=',   u'[',   u']',   u';',   u'#',   u'\n',  u'\r',  u'\t',
        0,      u'u',   u'a',   u'B',   u'0',   u'1',   u'9',   u'-',   u'.',   u',',   u'ş',
        u'İ',   u'ı',   u'ß',   0xFEFF, 0x00A0, 0x2028, 0x0085, 0x3000, 0xD83D, 0xDE00, 0xD800,
        0xDC00, 0xFFFF, 0xFFFE, 0xFDD0, 0x007F, 0x001F, 0x0300, 0x212A, 0x1E9E};
    const auto uzunluk = girdi.ConsumeIntegralInRange<std::size_t>(0, enÇok);
    QString metin;
    for (std::size_t i = 0; i < uzunluk && girdi.remaining_bytes() > 0; ++i) {
        const auto seçim = girdi.ConsumeIntegral<std::uint8_t>();
        if (seçim < 160)
            metin += QChar(İlginç[seçim % std::size(İlginç)]);
        else if (seçim < 224)
            metin += QChar(char16_t(u'a' + seçim % 26));
        else
            metin += QChar(girdi.ConsumeIntegral<std::uint16_t>());
    }
    return metin;
}

// Bytes as a C string literal, so that a failure can be read and pasted into a test.
inline QByteArray FuzzGöster(const QByteArray &baytlar) {
    QByteArray sonuç = "\"";
    for (const char c : baytlar) {
        const auto b = static_cast<unsigned char>(c);
        if (b == '\\' || b == '"')
            sonuç += '\\' + QByteArray(1, c);
        else if (b == '\n')
            sonuç += "\\n\"\n\"";
        else if (b < 0x20 || b >= 0x7F)
            sonuç += "\\x" + QByteArray::number(b, 16).rightJustified(2, '0') + "\"\"";
        else
            sonuç += c;
    }
    return sonuç + '"';
}

// Stops the run, which libFuzzer then reports with the input that caused it. `ayrıntı` is a
// callable giving the account; it runs only on failure, so that checks cost nothing otherwise.
template <class Ayrıntı> void FuzzGerekli(bool koşul, const char *ne, Ayrıntı &&ayrıntı) {
    if (koşul)
        return;
    const QByteArray metin = ayrıntı();
    std::fprintf(stderr, "\n*** %s\n%s\n", ne, metin.constData());
    std::abort();
}
