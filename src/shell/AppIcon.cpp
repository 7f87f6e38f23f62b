#include "shell/AppIcon.h"

#include <QIconEngine>
#include <QPainter>
#include <QPixmap>

#include <map>

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

// Draws each size the first time it is asked for: starting the program needs none of them
// on a screen without a window manager, and one or two on a desktop.
class ClockIconEngine : public QIconEngine {
  public:
    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override {
        const int side = qMax(1, qMin(size.width(), size.height()));
        QPixmap& drawn = drawn_[side];
        if (drawn.isNull()) drawn = drawIcon(side);
        return drawn;
    }
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        const QPixmap face = pixmap(rect.size(), mode, state);
        painter->drawPixmap(rect.topLeft() + QPoint((rect.width() - face.width()) / 2,
                                                    (rect.height() - face.height()) / 2),
                            face);
    }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        QList<QSize> sizes;
        for (int side : {16, 22, 32, 48, 64, 128}) sizes.append(QSize(side, side));
        return sizes;
    }
    QIconEngine* clone() const override { return new ClockIconEngine(*this); }
    QString key() const override { return QStringLiteral("QuilletClockIcon"); }

  private:
    std::map<int, QPixmap> drawn_;
};

}  // namespace

QIcon appIcon() {
    return QIcon(new ClockIconEngine);
}

}  // namespace quillet
