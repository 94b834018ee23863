#pragma once

#include <QStyledItemDelegate>

/** Paints items as usual and draws a thin grid line right of and below each cell. */
class GridItemDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
};
