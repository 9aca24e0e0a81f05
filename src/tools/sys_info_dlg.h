#pragma once

#include <QDialog>

#include "tools/system_figures.h"

class DeviceFs;
class QComboBox;
class QLabel;

// The system information dialog: program memory, storage memory and the space of a chosen
// storage card, in kilobytes.
class CSysInfoDlg : public QDialog {
    Q_OBJECT
public:
    // figures as gathered, with the first card chosen; the device answers for other cards.
    CSysInfoDlg(DeviceFs& fs, SystemFigures figures, QWidget* parent = nullptr);

    const SystemFigures& figures() const { return figures_; }

private:
    void OnCardChosen(int index);
    void ShowCardFigures();

    DeviceFs& fs_;
    SystemFigures figures_;
    QComboBox* cards_ = nullptr;
    QLabel* cardTotal_ = nullptr;
    QLabel* cardFree_ = nullptr;
};
