#include "ClickableLabel.h"

#include <QKeyEvent>
#include <QMouseEvent>

ClickableLabel::ClickableLabel(const QString& text, QWidget* parent) : QLabel(text, parent)
{
    setCursor(Qt::PointingHandCursor);
    // A link that Tab reaches; Space or Return then follows it, as with a button.
    setFocusPolicy(Qt::StrongFocus);
}

void ClickableLabel::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit clicked();
        return;
    default:
        QLabel::keyPressEvent(event);
    }
}

void ClickableLabel::mousePressEvent(QMouseEvent* event)
{
    m_pressed = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    m_pressed = false;
    QLabel::mouseReleaseEvent(event);
    if (click)
        emit clicked();
}
