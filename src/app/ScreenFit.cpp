#include "ScreenFit.h"

#include <QMargins>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace {

// The start of a span of `length` moved as little as possible into [low, high]; at `low` when it
// is longer than the range.
int clampedStart(int start, int length, int low, int high)
{
    return std::max(low, std::min(start, high + 1 - length));
}

} // namespace

void FitIntoAvailableArea(QWidget& window)
{
    const QScreen* screen = window.screen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    // The frame is known once the window has a platform window; before that it is taken as none.
    const QRect frame = window.frameGeometry();
    const QRect inner = window.geometry();
    const QMargins margins(inner.left() - frame.left(), inner.top() - frame.top(),
                           frame.right() - inner.right(), frame.bottom() - inner.bottom());
    const QSize size = window.size().boundedTo(area.size().shrunkBy(margins));
    if (size != window.size())
        window.resize(size);
    const QSize frameSize = size.grownBy(margins);
    const QPoint place(clampedStart(frame.left(), frameSize.width(), area.left(), area.right()),
                       clampedStart(frame.top(), frameSize.height(), area.top(), area.bottom()));
    if (place != frame.topLeft())
        window.move(place); // a window's position is its frame's
}
