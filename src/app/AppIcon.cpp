#include "app/AppIcon.h"

#include <QDir>
#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace tq3 {

namespace {
// The drawing is laid out on a 64 x 64 grid and scaled to each size.
constexpr qreal kGrid = 64;
constexpr int kSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

QPixmap Draw(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / kGrid, size / kGrid);
    painter.setPen(Qt::NoPen);

    painter.setBrush(QColor(0x1f, 0x4e, 0x79));
    painter.drawRoundedRect(QRectF(2, 2, 60, 60), 10, 10);

    QPainterPath hills(QPointF(8, 40));
    hills.cubicTo(14, 30, 20, 34, 26, 26);
    hills.cubicTo(30, 20, 36, 22, 40, 16);
    hills.cubicTo(44, 12, 50, 14, 56, 10);
    hills.lineTo(56, 56);
    hills.lineTo(8, 56);
    hills.closeSubpath();
    painter.setBrush(QColor(0x6a, 0xa8, 0x4f));
    painter.drawPath(hills);

    QPainterPath shore(QPointF(8, 46));
    shore.cubicTo(18, 42, 26, 48, 36, 42);
    shore.cubicTo(44, 38, 50, 42, 56, 38);
    shore.lineTo(56, 56);
    shore.lineTo(8, 56);
    shore.closeSubpath();
    painter.setBrush(QColor(0xc9, 0xb2, 0x6b));
    painter.drawPath(shore);

    painter.setBrush(QColor(0xf1, 0xc2, 0x32));
    painter.drawEllipse(QPointF(46, 22), 5, 5);

    // The letters only where they can be read.
    if (size >= 24) {
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(14);
        font.setBold(true);
        painter.setFont(font);
        painter.setPen(Qt::white);
        painter.drawText(QPointF(10, 22), QStringLiteral("TQ3"));
    }
    return pixmap;
}
}  // namespace

QIcon AppIcon() {
    QIcon icon;
    for (int size : kSizes) icon.addPixmap(Draw(size));
    return icon;
}

bool WriteAppIconFiles(const QString& folder) {
    for (int size : kSizes) {
        const QString dir = QStringLiteral("%1/%2x%2/apps").arg(folder).arg(size);
        if (!QDir().mkpath(dir) || !Draw(size).save(dir + QStringLiteral("/tq3gen.png")))
            return false;
    }
    return true;
}

}  // namespace tq3
