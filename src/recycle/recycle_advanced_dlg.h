#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;
class QSpinBox;

// The advanced settings of the recycle bin (template 6015): a capacity limit of 1 to 32 MB
// that can be switched on and off, and how long items stay in the bin.
class CRecycleAdvancedDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kMinCapacityMb = 1;
    static constexpr int kMaxCapacityMb = 32;

    CRecycleAdvancedDlg(int capacityMb, bool limitOn, int lifetime, QWidget* parent = nullptr);

    int capacityMb() const { return capacityMb_; }
    bool limitOn() const { return limitOn_; }
    int lifetime() const { return lifetime_; }

    void accept() override;

private:
    void EnableCapacity();

    int capacityMb_;
    bool limitOn_;
    int lifetime_;
    QCheckBox* limitBox_ = nullptr;
    QSpinBox* capacity_ = nullptr;
    QComboBox* lifetimeList_ = nullptr;
};
