#include "shell/column_room.h"

#include <QEvent>
#include <QHeaderView>
#include <QTimer>
#include <QTreeView>
#include <algorithm>

ColumnRoom::ColumnRoom(QTreeView* view) : QObject(view), view_(view) {
    view->installEventFilter(this);
    QHeaderView* header = view->header();
    connect(header, &QHeaderView::sectionResized, this, [this](int column, int, int size) {
        if (fitting_ || column < 0) return;
        if (least_.size() <= column) least_.resize(column + 1, -1);
        least_[column] = size;
    });
    if (QAbstractItemModel* model = view->model()) {
        connect(model, &QAbstractItemModel::rowsInserted, this, &ColumnRoom::Schedule);
        connect(model, &QAbstractItemModel::modelReset, this, &ColumnRoom::Schedule);
        connect(model, &QAbstractItemModel::dataChanged, this, &ColumnRoom::Schedule);
    }
}

int ColumnRoom::LeastWidth(int column) const {
    const int least = least_.value(column, -1);
    return least >= 0 ? least : view_->header()->sectionSize(column);
}

bool ColumnRoom::eventFilter(QObject* watched, QEvent* event) {
    if (watched == view_ && (event->type() == QEvent::Resize || event->type() == QEvent::Show))
        Schedule();
    return QObject::eventFilter(watched, event);
}

void ColumnRoom::Schedule() {
    if (scheduled_) return;
    scheduled_ = true;
    QTimer::singleShot(0, this, [this] {
        scheduled_ = false;
        Fit();
    });
}

void ColumnRoom::Fit() {
    QHeaderView* header = view_->header();
    const int count = header->count();
    if (count <= 0) return;
    // A stretched last column is measured like the others and then takes what is left.
    const bool stretch = header->stretchLastSection();
    if (least_.size() < count) least_.resize(count, -1);
    for (int column = 0; column < count; ++column) {
        if (least_[column] < 0) {
            least_[column] = stretch && column == count - 1 ? header->sectionSizeHint(column)
                                                            : header->sectionSize(column);
        }
    }
    fitting_ = true;
    if (stretch) header->setStretchLastSection(false);
    QList<int> least(count), want(count);
    int leastSum = 0, wantSum = 0;
    for (int column = 0; column < count; ++column) {
        least[column] = least_[column];
        // Measured by the view itself; the width is set again below.
        view_->resizeColumnToContents(column);
        want[column] = std::max(least[column], header->sectionSize(column));
        leastSum += least[column];
        wantSum += want[column];
    }
    const int room = view_->viewport()->width();
    for (int column = 0; column < count; ++column) {
        int width = least[column];
        if (wantSum <= room) {
            width = want[column];
        } else if (room > leastSum) {
            // Not room for all: each column gets its share of what there is.
            width += int(qint64(want[column] - least[column]) * (room - leastSum) /
                         std::max(1, wantSum - leastSum));
        }
        header->resizeSection(column, width);
    }
    if (stretch) header->setStretchLastSection(true);
    fitting_ = false;
}
