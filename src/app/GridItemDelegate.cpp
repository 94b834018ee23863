#include "GridItemDelegate.h"

#include "browser/FileList.h"
#include "browser/ListingRows.h"

#include <QPainter>

void GridItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const
{
    QStyledItemDelegate::paint(painter, option, index);
    painter->save();
    painter->setPen(option.palette.color(QPalette::Mid));
    const QRect cell = option.rect;
    painter->drawLine(cell.topRight(), cell.bottomRight());
    painter->drawLine(cell.bottomLeft(), cell.bottomRight());
    painter->restore();
}

void GridItemDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    // The cell keeps the listing's own word, which the logic reads; only what shows changes.
    if (index.column() == ColumnIndex(Column::Shared)) {
        for (const char* word : {SharedText, NotSharedText}) {
            if (option->text == QString::fromUtf8(word))
                option->text = QCoreApplication::translate("ListingRows", word);
        }
    }
}
