#pragma once

#include <QDialog>

#include "shell/list_settings.h"

class CMainFrame;
class QCheckBox;
class QComboBox;
class ShellServices;

// How the file list opens items and which files it hides. Edits a copy of the settings;
// values() holds them after OK.
class CSettingsDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kMaxFilterLength = 127;

    CSettingsDlg(const ListSettings& settings, ShellServices& shell, QWidget* parent = nullptr);
    const ListSettings& values() const { return values_; }

    void accept() override;

private:
    ListSettings values_;
    QCheckBox* doubleTap_ = nullptr;
    QCheckBox* hideHidden_ = nullptr;
    QCheckBox* hideRom_ = nullptr;
    QCheckBox* hideSystem_ = nullptr;
    QCheckBox* showOnly_ = nullptr;
    QComboBox* filter_ = nullptr;
    QComboBox* touchSize_ = nullptr;
};

// The settings command: the dialog over the file list's settings; OK writes them back and
// refills the list when the rows may change.
void RunSettingsCommand(CMainFrame& frame);
