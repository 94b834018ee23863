#include "AppIcon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

// A blue cloud with a white arrow pointing down out of it: the drive and the
// links taken from it.
QPixmap drawIcon(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 48.0, size / 48.0);

    QPainterPath cloud;
    cloud.addEllipse(QRectF(4, 16, 20, 20));
    cloud.addEllipse(QRectF(13, 6, 24, 24));
    cloud.addEllipse(QRectF(26, 15, 19, 19));
    cloud.addRoundedRect(QRectF(12, 22, 26, 14), 4, 4);
    painter.fillPath(cloud.simplified(), QColor(0x2b, 0x6c, 0xc4));

    QPainterPath arrow;
    arrow.moveTo(21, 14);
    arrow.lineTo(27, 14);
    arrow.lineTo(27, 30);
    arrow.lineTo(33, 30);
    arrow.lineTo(24, 44);
    arrow.lineTo(15, 30);
    arrow.lineTo(21, 30);
    arrow.closeSubpath();
    painter.setPen(QPen(QColor(0x1b, 0x4a, 0x8a), 1.5));
    painter.setBrush(Qt::white);
    painter.drawPath(arrow);
    return pixmap;
}

} // namespace

QIcon MakeAppIcon()
{
    QIcon icon;
    for (int size : {16, 24, 32, 48})
        icon.addPixmap(drawIcon(size));
    return icon;
}
