#pragma once

#include <QStyledItemDelegate>
#include <functional>

// Draws the rows of the file list in every view: cells of one width in the small-icon and
// list modes (long names end in an ellipsis instead of running into the next cell), rows at
// least as high as a finger needs, check marks in the check mode and cut items dimmed.
class FileRowDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void SetCellWidth(int width) { cellWidth_ = width; }
    void SetMinimumHeight(int height) { minimumHeight_ = height; }
    void SetCheckMarks(bool on) { checkMarks_ = on; }
    // Names under large icons take two lines.
    void SetTwoLineNames(bool on) { twoLines_ = on; }
    void SetCutTest(std::function<bool(int row)> isCut) { isCut_ = std::move(isCut); }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;

private:
    int cellWidth_ = 0;
    int minimumHeight_ = 0;
    bool checkMarks_ = false;
    bool twoLines_ = false;
    std::function<bool(int row)> isCut_;
};
