#pragma once

#include <QStyledItemDelegate>

/** Paints items as usual and draws a thin grid line right of and below each cell; shows the
 *  Shared column's words in the run's language. */
class GridItemDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
};
