#include "WidgetDriver.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTreeWidget>

namespace {

void sendMouse(QTreeWidget& list, QEvent::Type type, const QPoint& at)
{
    QWidget* viewport = list.viewport();
    const Qt::MouseButtons held =
        type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, QPointF(at), QPointF(viewport->mapToGlobal(at)), Qt::LeftButton, held,
                      Qt::NoModifier);
    QApplication::sendEvent(viewport, &event);
}

QPoint middleOf(QTreeWidget& list, QTreeWidgetItem* row)
{
    list.scrollToItem(row);
    return list.visualItemRect(row).center();
}

} // namespace

void ClickRow(QTreeWidget& list, QTreeWidgetItem* row)
{
    const QPoint at = middleOf(list, row);
    sendMouse(list, QEvent::MouseButtonPress, at);
    sendMouse(list, QEvent::MouseButtonRelease, at);
}

void DoubleClickRow(QTreeWidget& list, QTreeWidgetItem* row)
{
    const QPoint at = middleOf(list, row);
    ClickRow(list, row);
    sendMouse(list, QEvent::MouseButtonDblClick, at);
    sendMouse(list, QEvent::MouseButtonRelease, at);
}
