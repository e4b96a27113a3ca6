// Fuzz target: the settings file reader takes any bytes without harm, and whatever it reads is
// written back as a text that reads as the same document again.
#include "tests/fuzz/FuzzGirdisi.h"
#include "toolkit/AyarBelgesi.h"

namespace {

// The sections the game itself reads, and a few that files of other hands may hold.
const AyarBelgesi::Yol Yollar[] = {
    {},
    {QStringLiteral("Ayarlar")},
    {QStringLiteral("Oyun")},
    {QStringLiteral("Oyun"), QStringLiteral("Bilgiler")},
    {QStringLiteral("a")},
    {QStringLiteral("a"), QStringLiteral("b")},
};

QByteArray Satırlar(const AyarListesi *satırlar) {
    QByteArray metin;
    if (satırlar)
        for (const auto &[anahtar, değer] : *satırlar)
            metin += anahtar.toUtf8() + " = " + değer.toUtf8() + '\n';
    return metin;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *veri, std::size_t boyut) {
    const QByteArray metin(reinterpret_cast<const char *>(veri), qsizetype(boyut));
    const AyarBelgesi belge = AyarBelgesi::Oku(metin);
    const QByteArray yazılan = belge.Yaz();
    const AyarBelgesi yeniden = AyarBelgesi::Oku(yazılan);

    FuzzGerekli(yeniden.Yaz() == yazılan, "the written file does not read back as itself", [&] {
        return QByteArray("read:\n" + FuzzGöster(metin) + "\nwritten:\n" + FuzzGöster(yazılan) +
                          "\nwritten again:\n" + FuzzGöster(yeniden.Yaz()));
    });

    for (const AyarBelgesi::Yol &yol : Yollar) {
        const AyarListesi *satırlar = belge.Satırlar(yol);
        FuzzGerekli(Satırlar(satırlar) == Satırlar(yeniden.Satırlar(yol)),
                    "a section changed on its way through the file",
                    [&] { return QByteArray(FuzzGöster(metin) + "\n" + FuzzGöster(yazılan)); });
        if (!satırlar)
            continue;
        // Every key finds its own row: the index and the rows never drift apart.
        for (const auto &satır : *satırlar) {
            const QString &anahtar = satır.first;
            const QString *bulunan = belge.Değer(yol, anahtar);
            FuzzGerekli(
                bulunan && *bulunan == satır.second, "a key does not find its own value", [&] {
                    return QByteArray(FuzzGöster(metin) + "\nkey " + FuzzGöster(anahtar.toUtf8()));
                });
        }
    }
    return 0;
}
