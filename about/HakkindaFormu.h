// SPDX-License-Identifier: GPL-3.0-or-later
// The about box: title, version, notice, the maker and three links.
#pragma once

#include "about/WebEtiketi.h"

#include <QDialog>
#include <array>

class QGroupBox;
class QJsonObject;
class QLabel;
class QPushButton;

// The version line: string 2450, then major "." minor with the revision written directly after
// the minor number (1, 2, 1 gives "Sürüm 1.21").
QString SürümSatırı(int major, int minor, int revision);

// The legal-rights notice of the program's version record.
QString YasalHaklarNotu();

class HakkindaFormu : public QDialog {
    Q_OBJECT

public:
    // Created afresh at each opening, modal over its owner; loaded before it is shown.
    explicit HakkindaFormu(QWidget *sahip);
    ~HakkindaFormu() override;

    // --- Controls ---
    QGroupBox *Çerçeve = nullptr;
    QWidget *Altlık = nullptr; // the background panel
    QLabel *SimgeKutusu = nullptr;
    std::array<QLabel *, 4> Etiket{};
    WebEtiketi *NuvVorudovEtiketi = nullptr;
    WebEtiketi *MesajGönderEtiketi = nullptr;
    WebEtiketi *EPostaGönderEtiketi = nullptr;
    QPushButton *TamamDüğmesi = nullptr;

    // --- Handlers ---
    void Form_Load();
    void NuvVorudovEtiketi_MouseMove() { BağlantıyıVurgula(*NuvVorudovEtiketi); }
    void MesajGönderEtiketi_MouseMove() { BağlantıyıVurgula(*MesajGönderEtiketi); }
    void EPostaGönderEtiketi_MouseMove() { BağlantıyıVurgula(*EPostaGönderEtiketi); }
    void Form_MouseMove() { BağlantılarıSıfırla(); }
    void Altlık_MouseMove() { BağlantılarıSıfırla(); }
    void TamamDüğmesi_Click();

protected:
    void mouseMoveEvent(QMouseEvent *olay) override;
    void keyPressEvent(QKeyEvent *olay) override;
    bool eventFilter(QObject *nesne, QEvent *olay) override;

private:
    // The stored layout holds the labels' design captions and the links' property bags.
    void DüzeniKur(const QJsonObject &düzen);
    void BağlantılarıKur(const QJsonObject &düzen);
    static void BağlantıyıVurgula(WebEtiketi &bağlantı);
    void BağlantılarıSıfırla();
};
using HakkındaFormu = HakkindaFormu;
