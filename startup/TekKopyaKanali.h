// The single-instance channel: the first copy listens on a local socket named after the window
// title and the user; a later copy asks it to show its main window and ends.
#pragma once

#include <QLocalServer>
#include <QString>
#include <functional>

class TekKopyaKanalı {
public:
    explicit TekKopyaKanalı(const QString &pencereBaşlığı);
    TekKopyaKanalı(const TekKopyaKanalı &) = delete;
    TekKopyaKanalı &operator=(const TekKopyaKanalı &) = delete;

    // When a copy is running, asks it to show its main window and returns true. Otherwise this
    // copy becomes the running one, listening for later copies, and returns false.
    bool ÇalışanKopyayıEtkinleştir();

    // What the running copy does when a later copy asks for its window.
    std::function<void()> Göster;

    bool Dinliyor() const { return sunucu_.isListening(); }
    const QString &Ad() const { return ad_; }

    // The socket's name: a digest of the title and the user, so that it is short, free of
    // special characters and shared by every copy of one user.
    static QString SoketAdı(const QString &pencereBaşlığı, const QString &kullanıcı);
    static QString KullanıcıAdı();

private:
    void BağlantıyıKarşıla();

    QString ad_;
    QLocalServer sunucu_;
};
