// SPDX-License-Identifier: GPL-3.0-or-later
// Shared by the fuzz targets: Qt's application, the input as bytes and texts, the failing check.
#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <cstdio>
#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>
#include <iterator>

// Qt finds its image decoder plugins only once an application exists; one source per target.
extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv) {
    static QCoreApplication uygulama(*argc, *argv);
    return 0;
}

inline QByteArray FuzzBaytları(const std::uint8_t *veri, std::size_t boyut) {
    return QByteArray(reinterpret_cast<const char *>(veri), qsizetype(boyut));
}

// Mostly what the settings file treats specially or Unicode makes awkward (lone surrogates,
// noncharacters, odd spaces), some letters, and now and then any UTF-16 unit at all.
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

// Stops the run; libFuzzer then prints the input and keeps it as crash-*.
inline void FuzzGerekli(bool koşul, const char *ne) {
    if (!koşul) {
        std::fprintf(stderr, "\n*** %s\n", ne);
        std::abort();
    }
}
