#include "shell/navigation_history.h"

void NavigationHistory::Visit(const QString& folder) {
    if (index_ >= 0 && folders_[index_].compare(folder, Qt::CaseInsensitive) == 0) return;
    folders_.resize(index_ + 1);
    folders_.append(folder);
    if (folders_.size() > kLimit) folders_.removeFirst();
    index_ = folders_.size() - 1;
}

QString NavigationHistory::Back() {
    return CanGoBack() ? folders_[--index_] : QString();
}

QString NavigationHistory::Forward() {
    return CanGoForward() ? folders_[++index_] : QString();
}
