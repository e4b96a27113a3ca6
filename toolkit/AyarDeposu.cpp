// The settings store (stub: to be written).
#include "toolkit/AyarDeposu.h"

QString GetSetting(const QString &, const QString &, const QString &, const QString &v) {
    return v;
}
void SaveSetting(const QString &, const QString &, const QString &, const QString &) {}
void DeleteSetting(const QString &, const QString &) {}
AyarListesi GetAllSettings(const QString &, const QString &) { return {}; }
AyarToplusu::AyarToplusu() = default;
AyarToplusu::~AyarToplusu() = default;
QString AyarKlasörü() { return {}; }
void AyarKlasörünüKur(const QString &) {}
