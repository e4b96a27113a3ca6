// The about box: title, version, notice, the maker and three links.
#pragma once

#include <QDialog>

class HakkindaFormu : public QDialog {
    Q_OBJECT

public:
    // Created afresh at each opening, modal over its owner.
    explicit HakkindaFormu(QWidget *sahip);
    ~HakkindaFormu() override;
};
using HakkındaFormu = HakkindaFormu;
