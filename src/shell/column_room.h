#pragma once

#include <QList>
#include <QObject>

class QTreeView;

// Lets the columns of a list in a dialog use the room of a big screen: while the list is wider
// than its columns, each column grows towards the width of its contents, so that names and
// dates are not cut beside empty space. The widths the dialog or the user set stay the least.
class ColumnRoom : public QObject {
public:
    explicit ColumnRoom(QTreeView* view);

    // The width set for the column, before any growing: what a dialog stores.
    int LeastWidth(int column) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Schedule();
    void Fit();

    QTreeView* view_;
    QList<int> least_;
    bool fitting_ = false;
    bool scheduled_ = false;
};
