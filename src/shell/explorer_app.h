#pragma once

#include <QSize>
#include <QString>
#include <QStringList>
#include <memory>

#include "shell/screenshot_scene.h"

class CFileDoc;
class CMainFrame;
class Clock;
class DesktopShellServices;
class FrameDocument;
class HostDeviceFs;
class QtUserPrompt;
class SettingsStore;
class SingleInstance;
class QTemporaryDir;

// The application: starts one instance per device, hands a command line to a running
// instance, builds the document and the main window, and ends with the main window.
// nuvio-explorer [--root DIR] [--card NAME=DIR]... [--screenshot FILE.png [--size WxH]
//                [--dialog ID] [--view MODE] [--check N]] [PATH]
class CExplorerApp {
public:
    CExplorerApp();
    ~CExplorerApp();

    // Runs the program with the application's arguments (without the program name);
    // returns the exit code.
    int Run(const QStringList& arguments);

    static CExplorerApp* Get() { return instance_; }
    CMainFrame* mainFrame() const { return frame_.get(); }
    bool openEncryptedAtStart() const { return openEncryptedAtStart_; }

private:
    bool ParseArguments(const QStringList& arguments);
    void InstallHooks();
    void HandleSecondStart(const QString& commandLine);
    int Screenshot();

    static CExplorerApp* instance_;

    QString commandLine_;
    QString screenshotFile_;
    QSize screenshotSize_{480, 640};
    int dialogId_ = 0;
    ScreenshotScene scene_;
    QString error_;
    bool openEncryptedAtStart_ = false;

    std::unique_ptr<QTemporaryDir> scratch_;
    std::unique_ptr<HostDeviceFs> fs_;
    std::unique_ptr<SettingsStore> settings_;
    std::unique_ptr<DesktopShellServices> shell_;
    std::unique_ptr<QtUserPrompt> prompt_;
    std::unique_ptr<Clock> clock_;
    std::unique_ptr<CFileDoc> fileDoc_;
    std::unique_ptr<FrameDocument> document_;
    std::unique_ptr<SingleInstance> instance_guard_;
    std::unique_ptr<CMainFrame> frame_;
};

// The accessors every part of the window layer may use; null without a main window.
CMainFrame* GetMainFrame();
