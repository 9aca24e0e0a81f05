#include "browse/file_header_view.h"

#include <QPainter>
#include <QStyleOptionHeader>

#include "platform/shell_services.h"
#include "resources/ids.h"
#include "shell/nuvio_icon.h"

namespace {

constexpr int kMarkSize = 12;
constexpr int kMarkMargin = 3;

}  // namespace

FileHeaderView::FileHeaderView(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {
    setSectionsClickable(true);
    setSectionsMovable(true);
    setHighlightSections(false);
    setStretchLastSection(false);
    setSortIndicatorShown(false);
}

void FileHeaderView::SetMark(int logicalColumn, Mark mark) {
    const int old = markColumn_;
    markColumn_ = logicalColumn;
    mark_ = mark;
    if (old >= 0) updateSection(old);
    if (logicalColumn >= 0) updateSection(logicalColumn);
}

void FileHeaderView::ClearMark(int logicalColumn) {
    if (logicalColumn != markColumn_ || logicalColumn < 0) return;
    markColumn_ = -1;
    updateSection(logicalColumn);
}

void FileHeaderView::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const {
    if (logicalIndex != markColumn_) {
        QHeaderView::paintSection(painter, rect, logicalIndex);
        return;
    }
    // The title leaves room on its right for the mark.
    QStyleOptionHeader option;
    initStyleOption(&option);
    initStyleOptionForIndex(&option, logicalIndex);
    option.rect = rect;
    style()->drawControl(QStyle::CE_HeaderSection, &option, painter, this);
    QStyleOptionHeader label = option;
    label.rect = rect.adjusted(0, 0, -(kMarkSize + 2 * kMarkMargin), 0);
    label.sortIndicator = QStyleOptionHeader::None;
    style()->drawControl(QStyle::CE_HeaderLabel, &label, painter, this);

    const QIcon icon = NuvioIcon(BuiltInIconName(mark_ == kMarkUp ? IDI_SORT_UP : IDI_SORT_DOWN));
    const QRect markRect(rect.right() - kMarkMargin - kMarkSize + 1,
                         rect.top() + (rect.height() - kMarkSize) / 2, kMarkSize, kMarkSize);
    if (markRect.left() > rect.left()) icon.paint(painter, markRect);
}

QSize FileHeaderView::sectionSizeFromContents(int logicalIndex) const {
    QSize size = QHeaderView::sectionSizeFromContents(logicalIndex);
    if (logicalIndex == markColumn_) size.rwidth() += kMarkSize + 2 * kMarkMargin;
    return size;
}
