// SPDX-License-Identifier: GPL-3.0-or-later
// The Turkish string table. Trailing spaces, '&' access keys and line feeds are part of the texts.
#include "resources/DizgiTablosu.h"

#include "toolkit/CalismaHatasi.h"

#include <map>

namespace {

const std::map<int, QString> &Tablo() {
    static const std::map<int, QString> tablo = {
        {10, QStringLiteral(u"Nuv Vorudov - Mozeta")},
        {30, QStringLiteral(u"Programın çalışabilmesi için bilgisayarınızda NT 4.0 ile \"Servis "
                            u"Pack 3\" veya daha yüksek bir sürümün yüklü olması gerekiyor.")},
        {40, QStringLiteral(u"Program, aşağıdaki hata nedeniyle doğru çalışmayabilir! \n"
                            u"Yine de devam etmek istiyor musunuz?")},
        {50, QStringLiteral(u"Hata Kodu :")},
        {60, QStringLiteral(u"Hata Mesajı :")},
        {70, QStringLiteral(u"Hata oluştu!")},
        {100, QStringLiteral(u"Fotoğrafı Tamamla ")},
        {200, QStringLiteral(u"Fotoğrafı Böl ")},
        {210, QStringLiteral(u"&3 x 3 'lü Parçalar ")},
        {220, QStringLiteral(u"&4 x 4 'lü Parçalar ")},
        {230, QStringLiteral(u"&5 x 5 'lı Parçalar ")},
        {300, QStringLiteral(u"Fotoğraf Örneği ")},
        {400, QStringLiteral(u"F&otoğrafın örneğini göster ")},
        {410, QStringLiteral(u"Çı&kışta oyunu kaydet ")},
        {420, QStringLiteral(u"&Sesleri kapat ")},
        {500, QStringLiteral(u"Oyun Bilgileri ")},
        {510, QStringLiteral(u"Geçen Süre :")},
        {520, QStringLiteral(u"Hamle Sayısı :")},
        {600, QStringLiteral(u"&Yeni Oyun")},
        {700, QStringLiteral(u"Yeni &Fotoğraf...")},
        {800, QStringLiteral(u"&Hakkında")},
        {900, QStringLiteral(u"Çıkış (Esc)")},
        {1000, QStringLiteral(u"Lütfen, önce bir fotoğraf seçiniz!")},
        {1100, QStringLiteral(u" saat, ")},
        {1200, QStringLiteral(u" dakika, ")},
        {1250, QStringLiteral(u" saniye")},
        {1300, QStringLiteral(u"Tebrikler! Fotoğrafı tamamladınız!")},
        {1320, QStringLiteral(u"Tamamlama Süreniz : ")},
        {1340, QStringLiteral(u"Hamle Sayınız : ")},
        {1400, QStringLiteral(u"Oyunu, 24 saatte tamamlayamadığınız için sayaç sıfırlanacak!")},
        {1500, QStringLiteral(u"Programdan çıkmak istiyor musunuz?")},
        {1550, QStringLiteral(u"Fotoğraf Seç...")},
        {1600, QStringLiteral(u"&Sürücü(ler)")},
        {1700, QStringLiteral(u"&Klasörler")},
        {1800, QStringLiteral(u"&Fotoğraflar (*.bmp, *.jpg)")},
        {1900, QStringLiteral(u"Önizleme ")},
        {2000, QStringLiteral(u"Tamam")},
        {2100, QStringLiteral(u"İptal")},
        {2200, QStringLiteral(u"Seçtiğiniz sürücüye ulaşılamıyor!")},
        {2300, QStringLiteral(u"Lütfen, listeden bir fotoğraf dosyası seçiniz!")},
        {2400, QStringLiteral(u"Program Hakkında")},
        {2450, QStringLiteral(u"Sürüm ")},
        {2500, QStringLiteral(u"Mesaj Gönder")},
        {2600, QStringLiteral(u"E-Posta Gönder")},
        {3000, QStringLiteral(u"Oyununuz sürüyor. Oyunu bırakıp bu fotoğrafla yeni bir oyuna "
                              u"geçmek istiyor musunuz?")},
        {3100, QStringLiteral(u"Fotoğraf açılamadı: ")},
        {3110, QStringLiteral(u"Bu dosya bir fotoğraf değil.")},
        {3120, QStringLiteral(u"Dosya okunamıyor.")},
        {3130, QStringLiteral(u"Fotoğraf, açılamayacak kadar büyük.")},
        {3140, QStringLiteral(u"Dosya bulunamadı.")},
        {3200, QStringLiteral(u"Mozeta zaten çalışıyor, ancak yanıt vermiyor. Lütfen, çalışan "
                              u"kopyayı kapatıp yeniden deneyiniz.")},
        {3300, QStringLiteral(u"Ayarlarınız kaydedilemedi: ")},
        {3301, QStringLiteral(u"Ayarlarınız ve oyununuz kaydedilemedi: ")},
        {3310, QStringLiteral(u"diskte yer kalmadı.")},
        {3311, QStringLiteral(u"ayar klasörüne yazma izniniz yok.")},
        {3312, QStringLiteral(u"ayar dosyasına yazılamadı.")},
        {3320, QStringLiteral(u"Oyunu kaydetmeden çıkmak istiyor musunuz? (Hayır derseniz oyununuz "
                              u"sürer.)")},
        {3330, QStringLiteral(u"Ayar dosyanız, fazla büyük ya da bozuk olduğundan okunmadı; oyun "
                              u"varsayılan ayarlarla açıldı. Dosya silinmeyecek: ilk kayıtta şu "
                              u"adla saklanacak:")},
        {3400, QStringLiteral(u"Mozeta, yalnızca size ait bir klasör bulamadığı için ikinci bir "
                              u"kopyasının açılmasını engelleyemiyor.")},
        {3410,
         QStringLiteral(u"Mozeta zaten çalışıyor, ancak oturum veri yolu olmadığından çalışan "
                        u"kopya öne getirilemiyor. Lütfen, çalışan kopyanın penceresine "
                        u"kendiniz geçiniz.")},
        {3411,
         QStringLiteral(u"Mozeta zaten çalışıyor, ancak oturum veri yolu olmadığından fotoğraf "
                        u"çalışan kopyaya iletilemiyor. Lütfen, fotoğrafı çalışan kopyada "
                        u"açınız.")},
        {3420, QStringLiteral(u"Dosya yolu tam değil.")},
        {3700, QStringLiteral(u"&İpucu")},
        {3701, QStringLiteral(u"Bu tahta çözülemez: parçalar kaydırılarak sıraya dizilemez. "
                              u"Kayıtlı oyun bozulmuş olabilir.")},
        {3702, QStringLiteral(u"İpucu: %1; şimdi %2")},
        {3600, QStringLiteral(u"Yeni fotoğraf: ")},
        {3610, QStringLiteral(u" piksel")},
        {3620, QStringLiteral(u"Önizleme yok")},
        {3750, QStringLiteral(u"Bu bölmede yeni süre rekoru kırdınız!")},
        {3751, QStringLiteral(u"Bu bölmede yeni hamle rekoru kırdınız!")},
        {3752, QStringLiteral(u"Bu oyunla rekor kırılmadı.")},
        {3753, QStringLiteral(u"İpucu alındığı için bu oyun rekor sayılmaz.")},
        {3754, QStringLiteral(u"Sayaç 24 saatte sıfırlandığı için bu oyunun süresi rekor "
                              u"sayılmaz.")},
        {3760, QStringLiteral(u" x ")},
        {3761, QStringLiteral(u" rekorları")},
        {3762, QStringLiteral(u"En kısa süre : ")},
        {3763, QStringLiteral(u"En az hamle : ")},
        {3764, QStringLiteral(u"henüz yok")},
        {3765, QStringLiteral(u" (")},
        {3766, QStringLiteral(u")")},
        {3770, QStringLiteral(u"Bu dağıtımın çözülebileceği en az hamle : ")},
        {3790, QStringLiteral(u"&Rekorlar")},
    };
    return tablo;
}

} // namespace

QString LoadResString(int id) {
    const auto &tablo = Tablo();
    const auto bulunan = tablo.find(id);
    if (bulunan == tablo.end())
        throw ÇalışmaHatası(ÇalışmaHatası::KaynakBulunamadı);
    return bulunan->second;
}
