// SPDX-License-Identifier: GPL-3.0-or-later
// The chooser's photo decoding on worker threads: the selected file first, then the next one in
// the direction the player moves, so the preview keeps up with the arrow keys and the lists
// never wait for a decode. The camera's small picture of the selected file is read beside them.
#pragma once

#include "toolkit/ResimYukleyici.h"

#include <QString>
#include <QThreadPool>
#include <condition_variable>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>

class QObject;

class ÖnizlemeYükleyici {
public:
    // A decode's outcome: the photo, or nothing for a file that cannot be loaded.
    using Sonuç = std::optional<Fotoğraf>;
    // Receives the selected file's outcome, on the thread of the context object.
    using Teslimci = std::function<void(const QString &yol, const Sonuç &sonuç)>;
    // Receives the selected file's small picture (a null image when it has none) while its
    // photo is still on its way; never after the photo.
    using KüçükTeslimci = std::function<void(const QString &yol, const QImage &küçük)>;

    ÖnizlemeYükleyici(QObject *bağlam, Teslimci teslimci, KüçükTeslimci küçükTeslimci);
    ~ÖnizlemeYükleyici(); // waits for the decodes under way
    ÖnizlemeYükleyici(const ÖnizlemeYükleyici &) = delete;
    ÖnizlemeYükleyici &operator=(const ÖnizlemeYükleyici &) = delete;

    // The files wanted now: `seçili` is delivered once decoded (at once when it is ready), its
    // small picture before, unless the photo is ready first; `sıradaki` (may be empty) is decoded
    // ahead. Decodes of other files that have not started are dropped.
    void İste(const QString &seçili, const QString &sıradaki);

    // Nothing is selected any more: nothing is delivered until the next request.
    void Bırak() { seçili_.clear(); }

    // Waits for the selected file's decode and delivers it now, if it is still pending.
    void Tamamla();

    // True while the selected file has not been delivered.
    bool Bekliyor() const { return !seçili_.isEmpty(); }

    // One decode, as the workers run it: a truncated file counts as no picture.
    static Sonuç Çöz(const QString &yol);

private:
    struct İş {
        bool istenen = true;
        bool bitti = false;
        Sonuç sonuç;
    };

    void Başlat(const QString &yol, int öncelik);
    void Teslim();

    void KüçükResmiBaşlat(const QString &yol);

    QObject *bağlam_;
    Teslimci teslimci_;
    KüçükTeslimci küçükTeslimci_;
    std::shared_ptr<int> canlı_ = std::make_shared<int>(); // gone with this object
    std::mutex kilit_;
    std::condition_variable bittiSinyali_;
    std::map<QString, std::shared_ptr<İş>> işler_; // under kilit_
    QString seçili_;
    QThreadPool havuz_;
    // Small pictures on a thread of their own: one takes about a millisecond, and must not wait
    // behind a photo decoded ahead.
    QThreadPool küçükHavuz_;
};
