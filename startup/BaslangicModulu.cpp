// SPDX-License-Identifier: GPL-3.0-or-later
// The start-up sequence: single instance, shared values, the main window.
#include "startup/BaslangicModulu.h"

#include "resources/DizgiTablosu.h"
#include "resources/Kaynaklar.h"
#include "startup/AnaPencere.h"
#include "startup/OrtakDegiskenlerModulu.h"
#include "startup/OrtakYordamlarModulu.h"
#include "startup/PencereyiOneGetir.h"
#include "startup/TekKopya.h"
#include "startup/WaylandTamponu.h"
#include "toolkit/DosyaAdresi.h"
#include "toolkit/HataPolitikasi.h"
#include "toolkit/MesajKutusu.h"
#include "toolkit/StilResimleri.h"

#include <QApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QWidget>
#include <memory>

QString PencereBaşlığınıOluştur(int major, int minor, int revision) {
    return LoadResString(10) + u' ' + QString::number(major) + u'.' + QString::number(minor) +
           QString::number(revision);
}
QString PencereBaşlığınıOluştur() {
    return PencereBaşlığınıOluştur(MOZETA_MAJOR, MOZETA_MINOR, MOZETA_REVISION);
}

// The game has no options of its own: anything before "--" that starts with '-' is passed over,
// and the first other argument names the photo. After "--" even "-x.jpg" is a photo.
QString KomutSatırıFotoğrafı(const QStringList &argümanlar) {
    for (qsizetype i = 1; i < argümanlar.size(); ++i) {
        const QString &argüman = argümanlar.at(i);
        if (argüman == QLatin1String("--"))
            return FotoğrafAdı(argümanlar.value(i + 1));
        if (!argüman.startsWith(u'-') || argüman.size() == 1)
            return FotoğrafAdı(argüman);
    }
    return {};
}

QString AyırıcıylaBiten(const QString &klasör) {
    return klasör.endsWith(u'/') ? klasör : klasör + u'/';
}

QString QtÇevirisi::translate(const char *bağlam, const char *kaynak, const char *ayırt,
                              int n) const {
    // Qt asks every catalogue it is given which way its language is written; Turkish is written
    // left to right, which needs no catalogue.
    if (qstrcmp(kaynak, "QT_LAYOUT_DIRECTION") == 0)
        return QStringLiteral("LTR");
    std::call_once(okundu_, [this] {
        var_ = katalog_.load(QStringLiteral("qtbase_tr"),
                             QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    });
    return var_ ? katalog_.translate(bağlam, kaynak, ayırt, n) : QString();
}

int Main(int argc, char **argv) {
    // The launcher's activation token, read before the platform plugin takes it for itself.
    const QString etkinleştirmeJetonu = qEnvironmentVariable("XDG_ACTIVATION_TOKEN");
    const QString başlangıçKimliği = qEnvironmentVariable("DESKTOP_STARTUP_ID");

    OrtakHizmetleriKur();
    WaylandTamponunuSeç();
    QApplication uygulama(argc, argv);
    // No display name: X11 would append it to every window title, and the window is known by
    // its exact title. Untitled message boxes take "Mozeta" from the resources.
    QApplication::setApplicationName(ÜrünAdı);
    QApplication::setOrganizationName(QStringLiteral("Nuv Zovevav"));
    QApplication::setApplicationVersion(
        QStringLiteral("%1.%2.%3").arg(MOZETA_MAJOR).arg(MOZETA_MINOR).arg(MOZETA_REVISION));
    QApplication::setWindowIcon(ProgramSimgesi()); // also on boxes shown before the window
    StilResimleriniHazırla();
    QtÇevirisi qtÇevirisi;
    QCoreApplication::installTranslator(&qtÇevirisi);

    HataKapanı adım(HataTarzı::BildirVeDevamEt);
    adım([] { PencereBaşlığı = PencereBaşlığınıOluştur(); });
    const QString fotoğraf = KomutSatırıFotoğrafı(QCoreApplication::arguments());

    // Declared before the main window so that the running copy answers for as long as the
    // window lives.
    TekKopya tekKopya;
    auto durum = TekKopya::Durum::İlk;
    adım([&] { durum = tekKopya.İlkKopyaOl(fotoğraf, etkinleştirmeJetonu, başlangıçKimliği); });
    if (durum == TekKopya::Durum::Devredildi)
        return 0;
    // A running copy that does not answer, or cannot be asked, would otherwise leave the player
    // with nothing: the request is lost, and the box says so.
    if (durum == TekKopya::Durum::Yanıtsız || durum == TekKopya::Durum::Ulaşılamaz) {
        const int metin = durum == TekKopya::Durum::Yanıtsız ? 3200
                          : fotoğraf.isEmpty()               ? 3410
                                                             : 3411;
        adım([] { MesajıOrtala(); });
        adım([metin] { MsgBox(LoadResString(metin), HataSimgesi); });
        return 1;
    }

    // No system version is refused: the Qt 6 libraries the game is installed with already keep
    // it off a system too old for it.
    adım([] {
        ProgramKlasörü =
            AyırıcıylaBiten(QFileInfo(QCoreApplication::applicationFilePath()).canonicalPath());
    });
    adım([] { UygulamaAdı = QStringLiteral("Nuv Zovevav\\") + ÜrünAdı; });

    std::unique_ptr<AnaPencere> anaForm;
    adım([&] {
        anaForm = AnaPencereyiYarat();
        anaForm->Form_Load();
    });
    WaylandTamponunuBırak();
    // A main window that could not be loaded or shown would leave an invisible process behind.
    if (!anaForm || !anaForm->Pencere().isVisible())
        return 0;

    // Said once, over the window: nothing keeps a second copy from starting.
    if (durum == TekKopya::Durum::Yalnız) {
        adım([] { MesajıOrtala(); });
        adım([] { MsgBox(LoadResString(3400), BilgiSimgesi); });
    }
    // A photo named on the command line is taken as if chosen in the chooser.
    if (!fotoğraf.isEmpty())
        anaForm->FotoğrafıAç(fotoğraf);
    tekKopya.İstekleriKarşıla(
        {[&anaForm](const QString &jeton) { PencereyiÖneGetir(anaForm->Pencere(), jeton); },
         [&anaForm](const QString &yol) { anaForm->FotoğrafıAç(yol); }});
    return uygulama.exec();
}
