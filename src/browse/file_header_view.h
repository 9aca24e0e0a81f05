#pragma once

#include <QHeaderView>

// The column header of the details view: tapping a title sorts, titles can be dragged to
// reorder the columns, and the sort column carries our triangle mark on its right.
class FileHeaderView : public QHeaderView {
    Q_OBJECT
public:
    enum Mark { kMarkUp = 0, kMarkDown = 1 };

    explicit FileHeaderView(QWidget* parent = nullptr);

    // The column that carries the mark (-1: none) and which triangle it shows.
    void SetMark(int logicalColumn, Mark mark);
    void ClearMark(int logicalColumn);
    int markColumn() const { return markColumn_; }
    Mark mark() const { return mark_; }

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;
    QSize sectionSizeFromContents(int logicalIndex) const override;

private:
    int markColumn_ = -1;
    Mark mark_ = kMarkDown;
};
