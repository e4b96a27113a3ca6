// SPDX-License-Identifier: GPL-3.0-or-later
// The drive list's contents: mounted volumes, filtered and named like a drive list.
#include "chooser/Suruculer.h"

#include <QDir>
#include <QStorageInfo>
#include <algorithm>

namespace {

// The volume among `birimler` that holds `yol` (the longest root containing it).
const BağlıBirim *TutanBirim(const std::vector<BağlıBirim> &birimler, const QString &yol) {
    const BağlıBirim *bulunan = nullptr;
    for (const auto &birim : birimler)
        if (KökünAltındaMı(birim.Kök, yol) && (!bulunan || birim.Kök.size() > bulunan->Kök.size()))
            bulunan = &birim;
    return bulunan;
}

} // namespace

QString Sürücü::Metin() const {
    return Etiket.isEmpty() ? Kök : Kök + QStringLiteral(" [") + Etiket + QLatin1Char(']');
}

bool SahteDosyaSistemiMi(const BağlıBirim &birim) {
    static const QList<QByteArray> sahteler = {
        "proc",        "sysfs",           "tmpfs",      "devtmpfs",    "devpts",
        "cgroup",      "cgroup2",         "squashfs",   "autofs",      "securityfs",
        "debugfs",     "tracefs",         "configfs",   "fusectl",     "mqueue",
        "hugetlbfs",   "pstore",          "bpf",        "binfmt_misc", "efivarfs",
        "nsfs",        "ramfs",           "rpc_pipefs", "nfsd",        "selinuxfs",
        "fuse.portal", "fuse.gvfsd-fuse", "fuse.lxcfs", "none"};
    // Containers run on an overlay root, which is the player's whole disk there; an overlay
    // anywhere else is some program's private layer.
    if (birim.DosyaSistemi == "overlay")
        return birim.Kök != QLatin1String("/");
    return sahteler.contains(birim.DosyaSistemi);
}

std::vector<Sürücü> SürücüleriSeç(const std::vector<BağlıBirim> &birimler, const QString &evKlasörü,
                                  const QStringList &gerekliYollar) {
    const BağlıBirim *evBirimi = TutanBirim(birimler, QDir::cleanPath(evKlasörü));
    std::vector<const BağlıBirim *> gerekliler;
    for (const auto &yol : gerekliYollar)
        if (const auto *birim = TutanBirim(birimler, QDir::cleanPath(yol)))
            gerekliler.push_back(birim);

    std::vector<Sürücü> sürücüler;
    for (const auto &birim : birimler) {
        const bool gerekli =
            std::find(gerekliler.begin(), gerekliler.end(), &birim) != gerekliler.end();
        const bool gözatılır =
            !SahteDosyaSistemiMi(birim) && (birim.Kök == QLatin1String("/") || &birim == evBirimi ||
                                            birim.Kök.startsWith(QLatin1String("/media/")) ||
                                            birim.Kök.startsWith(QLatin1String("/run/media/")));
        const bool zatenVar = std::any_of(sürücüler.begin(), sürücüler.end(),
                                          [&](const Sürücü &s) { return s.Kök == birim.Kök; });
        if ((gerekli || gözatılır) && !zatenVar)
            sürücüler.push_back({birim.Kök, birim.Etiket});
    }
    std::sort(sürücüler.begin(), sürücüler.end(), [](const Sürücü &a, const Sürücü &b) {
        if ((a.Kök == QLatin1String("/")) != (b.Kök == QLatin1String("/")))
            return a.Kök == QLatin1String("/");
        return a.Kök < b.Kök;
    });
    return sürücüler;
}

std::vector<Sürücü> SürücüleriBul(const QStringList &gerekliYollar) {
    std::vector<BağlıBirim> birimler;
    for (const auto &bilgi : QStorageInfo::mountedVolumes())
        if (bilgi.isValid())
            birimler.push_back({bilgi.rootPath(), bilgi.fileSystemType(), bilgi.name()});
    return SürücüleriSeç(birimler, QDir::homePath(), gerekliYollar);
}

int SürücüsünüBul(const std::vector<Sürücü> &sürücüler, const QString &yol) {
    const QString temiz = QDir::cleanPath(yol);
    int bulunan = -1;
    for (int i = 0; i < static_cast<int>(sürücüler.size()); ++i)
        if (KökünAltındaMı(sürücüler[i].Kök, temiz) &&
            (bulunan < 0 || sürücüler[i].Kök.size() > sürücüler[bulunan].Kök.size()))
            bulunan = i;
    return bulunan;
}

bool KökünAltındaMı(const QString &kök, const QString &yol) {
    if (kök == QLatin1String("/"))
        return yol.startsWith(QLatin1Char('/'));
    return yol == kök || yol.startsWith(kök + QLatin1Char('/'));
}
