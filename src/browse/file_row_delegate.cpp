#include "browse/file_row_delegate.h"

#include <QAbstractItemView>
#include <algorithm>

QSize FileRowDelegate::sizeHint(const QStyleOptionViewItem& option,
                                const QModelIndex& index) const {
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    if (cellWidth_ > 0) size.setWidth(cellWidth_);
    size.setHeight(std::max(size.height(), minimumHeight_));
    if (twoLines_) {
        // Uniform items are measured on the first row, which may have a short name.
        const int text = 2 * option.fontMetrics.lineSpacing();
        size.setHeight(std::max(size.height(), option.decorationSize.height() + text + 8));
    }
    return size;
}

void FileRowDelegate::initStyleOption(QStyleOptionViewItem* option,
                                      const QModelIndex& index) const {
    QStyledItemDelegate::initStyleOption(option, index);
    if (checkMarks_ && index.column() == 0) {
        option->features |= QStyleOptionViewItem::HasCheckIndicator;
        option->checkState = option->state & QStyle::State_Selected ? Qt::Checked : Qt::Unchecked;
    }
    if (twoLines_ && index.column() == 0) {
        // The style wraps at word boundaries only; a break chance after every character lets
        // a long name without spaces take its second line before it is cut at the end.
        QString text;
        text.reserve(option->text.size() * 2);
        for (QChar c : std::as_const(option->text)) {
            text += c;
            if (!c.isHighSurrogate()) text += QChar(0x200B);
        }
        option->text = text;
    }
    // A cut item stays where it is until the paste; it is drawn as not quite there.
    if (isCut_ && isCut_(index.row())) option->state &= ~QStyle::State_Enabled;
}
