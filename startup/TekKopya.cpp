// SPDX-License-Identifier: GPL-3.0-or-later
// The single instance: the name on the session bus, else a lock file in a private folder.
#include "startup/TekKopya.h"

#include "startup/KilitKlasoru.h"
#include "startup/PencereyiOneGetir.h"
#include "startup/UygulamaArayuzu.h"
#include "toolkit/DosyaAdresi.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QLockFile>
#include <cstdio>

const QString TekKopya::BusAdı = QStringLiteral("example.nuvvorudov.Mozeta");
const QString TekKopya::NesneYolu = QStringLiteral("/example/nuvvorudov/Mozeta");

namespace {

const QString ArayüzAdı = QStringLiteral("org.freedesktop.Application");

void Söyle(const char *metin) { std::fprintf(stderr, "Mozeta-Tr: %s\n", metin); }

} // namespace

TekKopya::TekKopya() = default;
TekKopya::~TekKopya() = default;

TekKopya::Durum TekKopya::İlkKopyaOl(const QString &fotoğraf, const QString &etkinleştirmeJetonu,
                                     const QString &başlangıçKimliği) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !bus.interface())
        return KilidiAl(false);

    // The object is there before the name, so a copy that finds the name finds the object.
    arayüz_ = std::make_unique<ApplicationInterface>();
    bus.registerObject(NesneYolu, arayüz_.get(), QDBusConnection::ExportAllSlots);

    QVariantMap platformVerisi;
    if (!etkinleştirmeJetonu.isEmpty())
        platformVerisi.insert(QStringLiteral("activation-token"), etkinleştirmeJetonu);
    if (!başlangıçKimliği.isEmpty())
        platformVerisi.insert(QStringLiteral("desktop-startup-id"), başlangıçKimliği);

    // What the running copy is asked: to open the photo, or only to come forward.
    QDBusMessage çağrı = QDBusMessage::createMethodCall(
        BusAdı, NesneYolu, ArayüzAdı,
        fotoğraf.isEmpty() ? QStringLiteral("Activate") : QStringLiteral("Open"));
    if (!fotoğraf.isEmpty())
        çağrı << QStringList{FotoğrafAdresi(fotoğraf)};
    çağrı << platformVerisi;

    // Taking the name is atomic: of copies started together exactly one gets it. A copy that
    // ends between our attempt and our call leaves the name free for the next attempt.
    for (int deneme = 0; deneme < 3; ++deneme) {
        const QDBusReply<QDBusConnectionInterface::RegisterServiceReply> yanıt =
            bus.interface()->registerService(BusAdı, QDBusConnectionInterface::DontQueueService,
                                             QDBusConnectionInterface::DontAllowReplacement);
        if (!yanıt.isValid()) // the bus refuses us the name: the lock file decides
            return KilidiAl(false);
        if (yanıt.value() == QDBusConnectionInterface::ServiceRegistered) {
            BusunİsteğiniBekle();
            return KilidiAl(true);
        }

        const QDBusMessage cevap = bus.call(çağrı, QDBus::Block, YanıtSüresi);
        if (cevap.type() == QDBusMessage::ReplyMessage)
            return Durum::Devredildi;
        // Only a copy that ended meanwhile is worth another attempt; one that stays silent
        // would keep the player waiting without a word.
        if (cevap.errorName() != QLatin1String("org.freedesktop.DBus.Error.ServiceUnknown") &&
            cevap.errorName() != QLatin1String("org.freedesktop.DBus.Error.NameHasNoOwner"))
            break;
    }
    Söyle("çalışan kopya oturum veri yolunda yanıt vermiyor");
    return Durum::Yanıtsız;
}

// A copy the bus started for a launcher (the menu entry is DBusActivatable) gets the launcher's
// request as its first message. Its activation token, taken before the window is shown, serves
// the window's first appearance as the token of a start from the menu's command does. A request
// that is late comes forward like any other, only after the window.
void TekKopya::BusunİsteğiniBekle() {
    if (!qEnvironmentVariableIsSet("DBUS_STARTER_BUS_TYPE"))
        return;
    // Not for the programs the game starts (the about box's links).
    qunsetenv("DBUS_STARTER_BUS_TYPE");
    qunsetenv("DBUS_STARTER_ADDRESS");
    const QString jeton = arayüz_->İlkİsteğinJetonu(std::chrono::seconds(2));
    if (!jeton.isEmpty())
        EtkinleştirmeJetonunuVer(jeton);
}

// Held until the process ends. A lock whose process is gone is taken over, however old; one
// held by a live copy is never taken, however long that copy has been running. The lock also
// meets copies started without a bus; a copy that owns the bus name (`adSahibi`) is the only one
// on its bus whether or not a lock can be had.
TekKopya::Durum TekKopya::KilidiAl(bool adSahibi) {
    const Durum kilitsiz = adSahibi ? Durum::İlk : Durum::Yalnız;
    const QString klasör = KilitKlasörü();
    if (klasör.isEmpty())
        return kilitsiz;
    kilit_ = std::make_unique<QLockFile>(klasör + u'/' + BusAdı + QStringLiteral(".lock"));
    kilit_->setStaleLockTime(0);
    if (kilit_->tryLock(0))
        return Durum::İlk;
    // A lock that cannot be made even there (a full disk, say) cannot tell: the game runs.
    return kilit_->error() == QLockFile::LockFailedError ? Durum::Ulaşılamaz : kilitsiz;
}

void TekKopya::İstekleriKarşıla(İstekler istekler) {
    if (arayüz_)
        arayüz_->Karşıla(std::move(istekler));
}
