#include "WidgetDriver.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTreeWidget>

namespace {

void sendMouse(QTreeWidget& list, QEvent::Type type, const QPoint& at,
               Qt::MouseButton button = Qt::LeftButton)
{
    QWidget* viewport = list.viewport();
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : button;
    QMouseEvent event(type, QPointF(at), QPointF(viewport->mapToGlobal(at)), button, held,
                      Qt::NoModifier);
    QApplication::sendEvent(viewport, &event);
}

void clickAt(QTreeWidget& list, const QPoint& at, Qt::MouseButton button = Qt::LeftButton)
{
    sendMouse(list, QEvent::MouseButtonPress, at, button);
    sendMouse(list, QEvent::MouseButtonRelease, at, button);
}

QPoint middleOf(QTreeWidget& list, QTreeWidgetItem* row)
{
    list.scrollToItem(row);
    return list.visualItemRect(row).center();
}

// Where the view's style draws the tick box of the row's first cell.
QPoint tickBoxOf(QTreeWidget& list, QTreeWidgetItem* row)
{
    list.scrollToItem(row);
    const QRect rowRect = list.visualItemRect(row);
    QStyleOptionViewItem cell;
    cell.initFrom(list.viewport());
    cell.rect = QRect(list.header()->sectionViewportPosition(0), rowRect.top(), list.columnWidth(0),
                      rowRect.height());
    cell.features = QStyleOptionViewItem::HasCheckIndicator | QStyleOptionViewItem::HasDisplay;
    cell.text = row->text(0);
    return list.style()
        ->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &cell, &list)
        .center();
}

} // namespace

void ClickRow(QTreeWidget& list, QTreeWidgetItem* row)
{
    clickAt(list, middleOf(list, row));
}

void ClickTickBox(QTreeWidget& list, QTreeWidgetItem* row)
{
    clickAt(list, tickBoxOf(list, row));
}

void RightClickRow(QTreeWidget& list, QTreeWidgetItem* row)
{
    const QPoint at = middleOf(list, row);
    clickAt(list, at, Qt::RightButton);
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, list.viewport()->mapToGlobal(at));
    QApplication::sendEvent(list.viewport(), &event);
}

void DoubleClickRow(QTreeWidget& list, QTreeWidgetItem* row)
{
    const QPoint at = middleOf(list, row);
    clickAt(list, at);
    sendMouse(list, QEvent::MouseButtonDblClick, at);
    sendMouse(list, QEvent::MouseButtonRelease, at);
}
