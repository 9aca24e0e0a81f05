#include "browse/file_row_delegate.h"

#include <QAbstractItemView>
#include <QFontMetrics>
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
        // A name longer than two lines keeps its start and its end ("IMG_2024" and
        // "…1201.jpg"), where names of a series differ, and loses its middle.
        const QFontMetrics& metrics = option->fontMetrics;
        const int width = option->rect.width() - 8;
        const QString& name = option->text;
        if (width > 0 && metrics.horizontalAdvance(name) > 2 * width - metrics.averageCharWidth()) {
            int first = 1;
            while (first < name.size() && metrics.horizontalAdvance(name.left(first + 1)) <= width)
                ++first;
            if (name[first - 1].isHighSurrogate()) ++first;
            option->text = name.left(first) + QChar(QChar::LineSeparator) +
                           metrics.elidedText(name.mid(first), Qt::ElideLeft, width);
        } else {
            // The style wraps at word boundaries only; a break chance after every character
            // lets a name without spaces take its second line.
            QString text;
            text.reserve(name.size() * 2);
            for (QChar c : name) {
                text += c;
                if (!c.isHighSurrogate()) text += QChar(0x200B);
            }
            option->text = text;
        }
    }
    // A cut item stays where it is until the paste; it is drawn as not quite there.
    if (isCut_ && isCut_(index.row())) option->state &= ~QStyle::State_Enabled;
}
