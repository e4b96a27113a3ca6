// SPDX-License-Identifier: GPL-3.0-or-later
// Records put into words from the string table.
#include "game/cekirdek/RekorMetni.h"

#include "resources/DizgiTablosu.h"

namespace {

const QString SatırSonu = QStringLiteral("\r\n");

// A time in the congratulation's words ("1 saat, 2 dakika, 5 saniye"), without a part that is
// zero and without the separator left at the end; no time at all is "0 saniye".
QString SüreSözcükleri(int saniye) {
    QString metin;
    if (saniye >= 3600)
        metin += QString::number(saniye / 3600) + LoadResString(1100);
    if (saniye % 3600 >= 60)
        metin += QString::number(saniye % 3600 / 60) + LoadResString(1200);
    if (saniye % 60 != 0 || metin.isEmpty())
        metin += QString::number(saniye % 60) + LoadResString(1250);
    while (metin.endsWith(u' ') || metin.endsWith(u','))
        metin.chop(1);
    return metin;
}

QString RekorSatırı(int başlık, const std::optional<Rekor> &rekor, const QLocale &yerel,
                    QString (*sözcükler)(int)) {
    QString satır = LoadResString(başlık);
    if (!rekor)
        return satır + LoadResString(3764);
    satır += sözcükler(rekor->Değer);
    if (rekor->Tarih.isValid())
        satır += LoadResString(3765) + yerel.toString(rekor->Tarih, QLocale::ShortFormat) +
                 LoadResString(3766);
    return satır;
}

QString Sayı(int değer) { return QString::number(değer); }

} // namespace

QString RekorSatırları(const BölmeRekorları &rekorlar, int bölme, const QLocale &yerel) {
    const QString kenar = QString::number(bölme + 3);
    return kenar + LoadResString(3760) + kenar + LoadResString(3761) + SatırSonu +
           RekorSatırı(3762, rekorlar.Süre, yerel, SüreSözcükleri) + SatırSonu +
           RekorSatırı(3763, rekorlar.Hamle, yerel, Sayı);
}

QString TebrikEki(const RekorSonucu &sonuç, const BölmeRekorları &rekorlar, int bölme,
                  std::optional<int> enAzHamle, const QLocale &yerel) {
    QStringList durum;
    if (sonuç.Yardımlı)
        durum << LoadResString(3753);
    else if (sonuç.SayaçSıfırlandı)
        durum << LoadResString(3754);
    if (sonuç.Süre)
        durum << LoadResString(3750);
    if (sonuç.Hamle)
        durum << LoadResString(3751);
    if (!sonuç.Yardımlı && !sonuç.Süre && !sonuç.Hamle)
        durum << LoadResString(3752);
    QString metin = SatırSonu + SatırSonu + durum.join(SatırSonu) + SatırSonu + SatırSonu +
                    RekorSatırları(rekorlar, bölme, yerel);
    if (enAzHamle && bölme <= 1)
        metin += SatırSonu + SatırSonu + LoadResString(3770) + QString::number(*enAzHamle);
    return metin;
}

QString RekorlarMetni(AyarDeposuArayüzü &ayarlar, const QLocale &yerel) {
    QStringList gruplar;
    for (int bölme = 0; bölme < 3; ++bölme)
        gruplar << RekorSatırları(RekorlarıOku(ayarlar, bölme), bölme, yerel);
    return gruplar.join(SatırSonu + SatırSonu);
}
