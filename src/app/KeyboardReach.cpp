#include "KeyboardReach.h"

#include <QWidget>

namespace {

// The window's controls: its own children and those of its containers (the paging strip),
// not the parts that widgets such as the list are made of.
bool isControl(const QWidget& window, const QWidget& widget)
{
    const QWidget* parent = widget.parentWidget();
    return !widget.isWindow() && parent &&
           (parent == &window || parent->parentWidget() == &window) &&
           !widget.objectName().isEmpty() && !widget.objectName().startsWith(QLatin1String("qt_"));
}

} // namespace

void TabThroughShownControls(QWidget& window)
{
    const QList<QWidget*> widgets = window.findChildren<QWidget*>();
    for (QWidget* widget : widgets) {
        const Qt::FocusPolicy policy = widget->focusPolicy();
        if (!(policy & Qt::ClickFocus) || !isControl(window, *widget))
            continue;
        const QRect area(widget->mapTo(&window, QPoint(0, 0)), widget->size());
        const bool shown = window.rect().contains(area);
        widget->setFocusPolicy(shown ? Qt::FocusPolicy(policy | Qt::TabFocus)
                                     : Qt::FocusPolicy(policy & ~Qt::TabFocus));
    }
}
