// SPDX-License-Identifier: GPL-3.0-or-later
// The property bag: the stored values of one control in a window's stored layout, by name.
#pragma once

#include <QColor>
#include <QFont>
#include <QJsonObject>
#include <QList>
#include <QPair>
#include <QString>

// Values are kept as text. A layout records only what differs from a newly placed control, so
// reading a name that is absent gives the default; reading a text that is not of the asked type
// throws ÇalışmaHatası 13.
class ÖzellikÇantası {
public:
    QString ReadProperty(const QString &ad, const QString &varsayılan) const;
    // Without this a string literal default would pick the bool reader.
    QString ReadProperty(const QString &ad, const char *varsayılan) const {
        return ReadProperty(ad, QString::fromUtf8(varsayılan));
    }
    bool ReadProperty(const QString &ad, bool varsayılan) const;
    QColor ReadProperty(const QString &ad, const QColor &varsayılan) const;
    QFont ReadProperty(const QString &ad, const QFont &varsayılan) const;

    bool Saklıyor(const QString &ad) const { return Bul(ad) >= 0; }
    QString Metin(const QString &ad) const; // the stored text; empty when absent

    // A control's entry in a stored layout: a JSON object of texts.
    static ÖzellikÇantası JsonNesnesinden(const QJsonObject &nesne);

private:
    int Bul(const QString &ad) const;
    void Sakla(const QString &ad, const QString &metin);

    QList<QPair<QString, QString>> değerler_;
};
