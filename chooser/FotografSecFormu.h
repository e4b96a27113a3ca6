// The photo chooser: drives, folders, photos and a preview; OK hands the photo to the board.
#pragma once

#include <QDialog>

class AnaForm;

class FotografSecFormu : public QDialog {
    Q_OBJECT

public:
    // Created afresh at each opening, modal over the main window.
    explicit FotografSecFormu(AnaForm &anaForm);
    ~FotografSecFormu() override;

private:
    AnaForm &anaForm_;
};
using FotoğrafSeçFormu = FotografSecFormu;
