#include "app/qt/AppIcon.h"

#include <QPainter>
#include <QPixmap>

namespace quillet {

namespace {
QPixmap drawIcon(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;
    // A clock face: working time.
    p.setPen(QPen(QColor(0x20, 0x3a, 0x60), s / 16));
    p.setBrush(QColor(0xf4, 0xe8, 0xc1));
    p.drawEllipse(QRectF(s * 0.06, s * 0.06, s * 0.88, s * 0.88));
    p.setPen(QPen(QColor(0x20, 0x3a, 0x60), s / 12, Qt::SolidLine, Qt::RoundCap));
    const QPointF centre(s / 2, s / 2);
    p.drawLine(centre, QPointF(s / 2, s * 0.22));
    p.drawLine(centre, QPointF(s * 0.72, s * 0.6));
    return pixmap;
}
}  // namespace

QIcon appIcon() {
    QIcon icon;
    for (int size : {16, 22, 32, 48, 64, 128}) icon.addPixmap(drawIcon(size));
    return icon;
}

}  // namespace quillet
