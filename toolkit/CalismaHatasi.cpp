// SPDX-License-Identifier: GPL-3.0-or-later
// Run-time errors and their descriptions.
#include "toolkit/CalismaHatasi.h"

ÇalışmaHatası::ÇalışmaHatası(int numara, QString açıklama)
    : std::runtime_error("ÇalışmaHatası " + std::to_string(numara)), numara_(numara),
      açıklama_(açıklama.isNull() ? StandartAçıklama(numara) : std::move(açıklama)) {}

QString ÇalışmaHatası::StandartAçıklama(int numara) {
    switch (numara) {
    case GeçersizÇağrı:
        return QStringLiteral(u"Geçersiz yordam çağrısı veya bağımsız değişken");
    case Taşma:
        return QStringLiteral(u"Taşma");
    case YetersizBellek:
        return QStringLiteral(u"Yetersiz bellek");
    case DizinAralıkDışı:
        return QStringLiteral(u"Dizin aralık dışında");
    case TürUyuşmazlığı:
        return QStringLiteral(u"Tür uyuşmazlığı");
    case İçHata:
        return QStringLiteral(u"İç hata");
    case DosyaBulunamadı:
        return QStringLiteral(u"Dosya bulunamadı");
    case DiskDolu:
        return QStringLiteral(u"Disk dolu");
    case İzinYok:
        return QStringLiteral(u"İzin verilmedi");
    case DosyaErişimHatası:
        return QStringLiteral(u"Yol/dosya erişim hatası");
    case YolBulunamadı:
        return QStringLiteral(u"Yol bulunamadı");
    case KaynakBulunamadı:
        return QStringLiteral(u"Bu tanımlayıcıya sahip kaynak bulunamadı");
    case GeçersizResim:
        return QStringLiteral(u"Geçersiz resim");
    default:
        return {};
    }
}
