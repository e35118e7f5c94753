#include "app_icons.h"

#include <QPainter>
#include <QPainterPath>

#include "paint_kit.h"
#include "theme.h"

namespace quovex::skin_gen {

QImage DrawAppIcon(AppIcon icon, int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    BeginPainter(p);
    p.scale(size / 64.0, size / 64.0);

    // A keyboard seen from above: the body, three rows of keys, a space bar.
    const bool attached = icon != AppIcon::kNoKeyboard;
    const QColor body = attached ? QColor(0x1F, 0x24, 0x2D) : QColor(0x2A, 0x2D, 0x33);
    const QColor edge = attached ? theme::kAccent : QColor(0x8C, 0x93, 0xA0);
    const QColor keys = attached ? QColor(0xE6, 0xE9, 0xEF) : QColor(0x8C, 0x93, 0xA0);
    const QRectF shell(3, 14, 58, 36);
    if (icon == AppIcon::kKeyboardEvent) {
        // The keyboard glows while it reports an event.
        QRadialGradient glow(shell.center(), 34);
        glow.setColorAt(0.55, QColor(theme::kAccent.red(), theme::kAccent.green(), theme::kAccent.blue(), 170));
        glow.setColorAt(1.0, QColor(theme::kAccent.red(), theme::kAccent.green(), theme::kAccent.blue(), 0));
        p.setPen(Qt::NoPen);
        p.setBrush(glow);
        p.drawEllipse(shell.center(), 34, 30);
    }
    p.setPen(QPen(edge, 3.5));
    p.setBrush(body);
    p.drawRoundedRect(shell, 7, 7);
    p.setPen(Qt::NoPen);
    p.setBrush(keys);
    for (int row = 0; row < 2; ++row) {
        for (int column = 0; column < 6; ++column) {
            p.drawRoundedRect(QRectF(10 + column * 7.7 + row * 3, 20 + row * 8.5, 5.5, 5.5), 1.2, 1.2);
        }
    }
    p.drawRoundedRect(QRectF(17, 38, 30, 5.5), 1.2, 1.2);

    if (icon == AppIcon::kNoKeyboard) {
        // A slash through the keyboard: nothing attached.
        p.setPen(QPen(QColor(0x14, 0x16, 0x1B), 9, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(10, 56), QPointF(54, 8));
        p.setPen(QPen(QColor(0xE0, 0x5A, 0x5A), 5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(10, 56), QPointF(54, 8));
    }
    return image;
}

void GenerateAppIcons(OutputFolder& out) {
    for (size_t kind = 0; kind < kAppIconNames.size(); ++kind) {
        for (const int size : kAppIconSizes) {
            out.Png(QStringLiteral("%1_%2.png").arg(QString::fromLatin1(kAppIconNames[kind])).arg(size),
                    DrawAppIcon(static_cast<AppIcon>(kind), size));
        }
    }
}

}  // namespace quovex::skin_gen
