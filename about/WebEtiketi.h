// SPDX-License-Identifier: GPL-3.0-or-later
// The link label: one line of text that opens an address (a web page or "mailto:") when clicked.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <QWidget>
#include <functional>

class QLabel;
class ÖzellikÇantası;

// The maker's web address: the target of a newly placed link.
inline const QString ÜreticiAdresi = QStringLiteral("https://nuvvorudov.example");

// The control never changes its own look on hover; it reports the pointer over its text with
// MouseMove and the host applies the effect its four own values describe (AktifRenk, PasifRenk,
// RenkDeğiştir, Url).
class WebEtiketi : public QWidget {
    Q_OBJECT

public:
    explicit WebEtiketi(QWidget *sahip);

    // The text label; it sizes itself to its text and sits 30 twips inside the control.
    QLabel *const Etiket;

    QString Caption() const;
    void SetCaption(const QString &New_Caption); // also fits the control to the new text

    bool FontUnderline() const;
    void SetFontUnderline(bool New_FontUnderline);

    QColor ForeColor() const;
    void SetForeColor(const QColor &New_ForeColor);

    // The label's own font object, not a copy. Qt fonts are values, so a changed font takes
    // effect through SetFont; the control keeps its size until it is next laid out.
    const QFont &Font() const;
    void SetFont(const QFont &New_Font);

    QColor PasifRenk() const { return pasifRenk_; }
    void SetPasifRenk(const QColor &YeniRenk);

    // Not const: reading the resting colour also puts it on the text, which is how the host
    // restores a link's look in one step.
    QColor AktifRenk();
    void SetAktifRenk(const QColor &YeniRenk);

    QString Url() const { return url_; }
    void SetUrl(const QString &YeniDeğer);

    bool RenkDeğiştir() const { return renkDeğiştir_; }
    void SetRenkDeğiştir(bool YeniDeğer);

    // The stored layout sets the label directly (no layout rule); what it leaves out takes the
    // default.
    void ReadProperties(const ÖzellikÇantası &çanta);

    // The layout rule: the label at 30 twips from the top left, the control hugging it with the
    // same margin on the right and below. Runs when the control is sized and after a caption
    // change.
    void UserControl_Resize();

    // Hands an address to the desktop. Replaceable so that tests never start a browser.
    using AdresAçıcı = std::function<void(const QString &adres)>;
    static void AçıcıKur(AdresAçıcı açıcı); // an empty one restores the desktop's
    static void MasaüstündeAç(const QString &adres);

signals:
    // Raised while the pointer moves over the text only, never over the margin around it.
    void MouseMove(Qt::MouseButtons button, Qt::KeyboardModifiers shift, QPointF konum);

protected:
    void resizeEvent(QResizeEvent *olay) override;
    void keyPressEvent(QKeyEvent *olay) override;
    void paintEvent(QPaintEvent *olay) override;
    bool eventFilter(QObject *nesne, QEvent *olay) override;

private:
    void Etiket_Click();
    void EtiketRengi(const QColor &renk);
    QColor VarsayılanYazıRengi() const;
    QFont OrtamYazıTipi() const;

    QColor yazıRengi_; // ForeColor as set; the label may show it lighter or darker to be read
    QColor aktifRenk_;
    QColor pasifRenk_;
    bool renkDeğiştir_ = false;
    QString url_;
    bool basılı_ = false;
};

// True when `adres` is a complete address the desktop could open (it has a scheme); empty and
// malformed addresses are not handed on.
bool AçılabilirAdres(const QString &adres);
