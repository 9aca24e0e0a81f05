#pragma once

#include <QObject>
#include <QPoint>
#include <QStringList>

class CommandHost;
class QAbstractItemView;
class QDropEvent;

// Drag and drop with other programs, watching the list's views and the folder tree: a drag
// that starts on a selected row carries the selected items out as file URLs (and our own
// list); files dropped on the list (on a folder row: into it) or on a tree folder are copied
// there, or moved with Shift held. The views themselves know nothing of it.
class FileDragDrop : public QObject {
    Q_OBJECT
public:
    explicit FileDragDrop(CommandHost& host, QObject* parent = nullptr);

    // Watches a view's viewport; listView says whether it shows the list (else the tree).
    void Watch(QAbstractItemView* view, bool listView);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The folder a drop at the point goes to; empty where nothing takes it.
    QString DropFolder(QAbstractItemView* view, const QPoint& point) const;
    bool Dropped(QAbstractItemView* view, QDropEvent* event);
    void StartDrag(QAbstractItemView* view);

    CommandHost& host_;
    QList<QAbstractItemView*> listViews_;
    QAbstractItemView* treeView_ = nullptr;
    // A press on a selected row, which may become a drag of the selection.
    QAbstractItemView* pressView_ = nullptr;
    QPoint pressPoint_;
    QStringList pressNames_;
    QString pressFolder_;
};
