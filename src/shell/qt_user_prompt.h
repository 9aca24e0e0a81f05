#pragma once

#include <QIcon>
#include <QPointer>
#include <QWidget>
#include <functional>

#include "app/user_prompt.h"

class DeviceFs;

// The application's prompt: real modal message boxes owned by the main window. Without
// interaction (screenshots) the texts go to the error stream and the safe answer is taken:
// OK, No, Cancel.
class QtUserPrompt : public UserPrompt {
public:
    explicit QtUserPrompt(bool interactive = true) : interactive_(interactive) {}

    void SetOwner(QWidget* owner) { owner_ = owner; }
    // The device whose files the replacement question describes, and the icon the file list
    // shows for a name.
    void SetDevice(DeviceFs* fs) { fs_ = fs; }
    void SetIconLookup(std::function<QIcon(const QString& name)> lookup) {
        iconLookup_ = std::move(lookup);
    }

    MessageAnswer ShowMessageBox(const MessageRequest& request) override;
    // The confirmation dialog (templates 6001 and 6002).
    ConfirmAnswer Confirm(const ConfirmRequest& request) override;

private:
    QWidget* Owner() const;

    bool interactive_;
    QPointer<QWidget> owner_;
    DeviceFs* fs_ = nullptr;
    std::function<QIcon(const QString& name)> iconLookup_;
};
