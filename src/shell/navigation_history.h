#pragma once

#include <QString>
#include <QStringList>

// The folders visited, for back and forward (Alt+Left, Alt+Right): a visit drops what lay
// ahead, and going back or forward moves in the list without changing it.
class NavigationHistory {
public:
    static constexpr int kLimit = 50;

    void Visit(const QString& folder);
    // The folder to go to; empty when there is none that way.
    QString Back();
    QString Forward();
    bool CanGoBack() const { return index_ > 0; }
    bool CanGoForward() const { return index_ + 1 < folders_.size(); }

private:
    QStringList folders_;
    qsizetype index_ = -1;
};
