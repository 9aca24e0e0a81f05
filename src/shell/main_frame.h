#pragma once

#include <QMainWindow>

class DeviceFs;

// The single top-level window: menu bar, address bar, folder tree above the file list.
class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    explicit CMainFrame(DeviceFs& fs, QWidget* parent = nullptr);

private:
    DeviceFs& fs_;
};
