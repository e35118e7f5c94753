#include "paint_kit.h"

#include <QLinearGradient>
#include <QPolygonF>
#include <QRadialGradient>

#include "theme.h"

namespace quovex::skin_gen {

namespace {

QColor WithAlpha(QColor colour, int alpha) {
    colour.setAlpha(alpha);
    return colour;
}

// Icon geometry is given on a 24 x 24 grid and scaled into the box.
class IconPen {
public:
    IconPen(QPainter& painter, const QRectF& box, const QColor& colour, qreal stroke) : painter_(painter) {
        const qreal side = std::min(box.width(), box.height());
        scale_ = side / 24.0;
        origin_ = QPointF(box.center().x() - side / 2, box.center().y() - side / 2);
        painter_.save();
        QPen pen(colour, stroke * std::max<qreal>(1.0, scale_ * 0.9));
        pen.setCapStyle(Qt::RoundCap);
        pen.setJoinStyle(Qt::RoundJoin);
        painter_.setPen(pen);
        painter_.setBrush(Qt::NoBrush);
        colour_ = colour;
    }
    ~IconPen() { painter_.restore(); }
    QPointF P(qreal x, qreal y) const { return origin_ + QPointF(x * scale_, y * scale_); }
    QRectF R(qreal x, qreal y, qreal w, qreal h) const { return QRectF(P(x, y), QSizeF(w * scale_, h * scale_)); }
    void Line(qreal x1, qreal y1, qreal x2, qreal y2) { painter_.drawLine(P(x1, y1), P(x2, y2)); }
    void Poly(std::initializer_list<QPointF> points, bool closed = false) {
        QPolygonF polygon;
        for (const QPointF& point : points) polygon << P(point.x(), point.y());
        if (closed) {
            painter_.drawPolygon(polygon);
        } else {
            painter_.drawPolyline(polygon);
        }
    }
    void Rect(qreal x, qreal y, qreal w, qreal h, qreal radius = 0) {
        painter_.drawRoundedRect(R(x, y, w, h), radius * scale_, radius * scale_);
    }
    void Ellipse(qreal cx, qreal cy, qreal rx, qreal ry) { painter_.drawEllipse(P(cx, cy), rx * scale_, ry * scale_); }
    void Filled(bool on) { painter_.setBrush(on ? QBrush(colour_) : QBrush(Qt::NoBrush)); }
    void Text(const QRectF& grid_rect, const QString& text, int grid_pixel_size, bool bold) {
        painter_.setFont(theme::Font(std::max(6, static_cast<int>(grid_pixel_size * scale_ + 0.5)), bold));
        painter_.drawText(R(grid_rect.x(), grid_rect.y(), grid_rect.width(), grid_rect.height()), Qt::AlignCenter,
                          text);
    }
    QPainter& painter() { return painter_; }

private:
    QPainter& painter_;
    qreal scale_ = 1;
    QPointF origin_;
    QColor colour_;
};

}  // namespace

void BeginPainter(QPainter& painter) {
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
}

void FillWindow(QPainter& painter, const QRectF& rect) {
    QLinearGradient gradient(rect.topLeft(), rect.bottomLeft());
    gradient.setColorAt(0.0, theme::kWindow.lighter(108));
    gradient.setColorAt(1.0, theme::kWindow);
    painter.fillRect(rect, gradient);
}

void DrawWindowFrame(QPainter& painter, const QRectF& rect, qreal radius) {
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(theme::kWindowEdge, 1.0));
    painter.drawRoundedRect(rect.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
    painter.restore();
}

void DrawCard(QPainter& painter, const QRectF& rect, qreal radius) {
    painter.save();
    painter.setPen(QPen(theme::kCardEdge, 1.0));
    painter.setBrush(theme::kCard);
    painter.drawRoundedRect(rect.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
    painter.restore();
}

void DrawDivider(QPainter& painter, qreal x1, qreal x2, qreal y) {
    painter.save();
    painter.setPen(QPen(theme::kDivider, 1.0));
    painter.drawLine(QPointF(x1, y + 0.5), QPointF(x2, y + 0.5));
    painter.restore();
}

void DrawVerticalDivider(QPainter& painter, qreal x, qreal y1, qreal y2) {
    painter.save();
    painter.setPen(QPen(theme::kDivider, 1.0));
    painter.drawLine(QPointF(x + 0.5, y1), QPointF(x + 0.5, y2));
    painter.restore();
}

void DrawField(QPainter& painter, const QRectF& rect, qreal radius) {
    painter.save();
    painter.setPen(QPen(theme::kFieldEdge, 1.0));
    painter.setBrush(theme::kField);
    painter.drawRoundedRect(rect.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
    painter.restore();
}

QColor InkFor(Look look) {
    switch (look) {
        case Look::kNormal: return theme::kLegend;
        case Look::kOver: return QColor(Qt::white);
        case Look::kDown: return theme::kAccent;
        case Look::kSelected: return QColor(Qt::white);
        case Look::kDisabled: return theme::kTextDisabled;
    }
    return theme::kLegend;
}

void DrawButtonFace(QPainter& painter, const QRectF& rect, Look look, qreal radius) {
    painter.save();
    const QRectF face = rect.adjusted(0.5, 0.5, -0.5, -0.5);
    QColor fill = theme::kButton, edge = theme::kButtonEdge;
    switch (look) {
        case Look::kNormal: break;
        case Look::kOver: fill = theme::kButtonHover; edge = theme::kAccent; break;
        case Look::kDown: fill = theme::kButtonPressed; edge = theme::kAccent.darker(130); break;
        case Look::kSelected: fill = theme::kAccentDeep; edge = theme::kAccent; break;
        case Look::kDisabled: fill = theme::kButtonDisabled; edge = theme::kButtonDisabledEdge; break;
    }
    QLinearGradient gradient(face.topLeft(), face.bottomLeft());
    if (look == Look::kDown) {
        gradient.setColorAt(0.0, fill.darker(115));
        gradient.setColorAt(1.0, fill);
    } else {
        gradient.setColorAt(0.0, fill.lighter(112));
        gradient.setColorAt(1.0, fill);
    }
    painter.setPen(QPen(edge, 1.0));
    painter.setBrush(gradient);
    painter.drawRoundedRect(face, radius, radius);
    if (look == Look::kDown) {
        // Inner shadow along the top edge: the face is sunk.
        painter.setPen(QPen(QColor(0, 0, 0, 110), 2.0));
        painter.setClipRect(face.adjusted(2, 1, -2, -face.height() / 2));
        painter.drawRoundedRect(face.adjusted(1, 1, -1, 2), radius, radius);
    } else if (look != Look::kDisabled) {
        // A thin highlight along the top edge.
        painter.setPen(QPen(WithAlpha(Qt::white, look == Look::kNormal ? 14 : 28), 1.0));
        painter.drawLine(face.topLeft() + QPointF(radius, 1), face.topRight() + QPointF(-radius, 1));
    }
    painter.restore();
}

void DrawFlatButtonFace(QPainter& painter, const QRectF& rect, Look look, qreal radius) {
    if (look == Look::kNormal || look == Look::kDisabled) return;
    painter.save();
    const QRectF face = rect.adjusted(0.5, 0.5, -0.5, -0.5);
    painter.setPen(Qt::NoPen);
    painter.setBrush(look == Look::kDown ? theme::kButtonPressed : theme::kButtonHover);
    painter.drawRoundedRect(face, radius, radius);
    painter.restore();
}

void DrawCaption(QPainter& painter, const QRectF& rect, const QString& text, Look look, int pixel_size, Icon icon,
                 bool with_icon) {
    painter.save();
    const QRectF area = look == Look::kDown ? rect.translated(0, 1) : rect;
    const QFont font = theme::Font(pixel_size, false);
    painter.setFont(font);
    const QFontMetricsF metrics(font);
    const qreal text_width = metrics.horizontalAdvance(text);
    const qreal icon_side = with_icon ? pixel_size + 3 : 0;
    const qreal gap = with_icon ? 7 : 0;
    const qreal total = icon_side + gap + text_width;
    const qreal left = area.center().x() - total / 2;
    if (with_icon) {
        DrawIcon(painter, icon, QRectF(left, area.center().y() - icon_side / 2, icon_side, icon_side), InkFor(look));
    }
    painter.setPen(InkFor(look));
    painter.drawText(QRectF(left + icon_side + gap, area.top(), text_width + 2, area.height()),
                     Qt::AlignLeft | Qt::AlignVCenter, text);
    painter.restore();
}

void DrawIcon(QPainter& painter, Icon icon, const QRectF& box, const QColor& colour, qreal stroke) {
    IconPen pen(painter, box, colour, stroke);
    switch (icon) {
        case Icon::kClose:
            pen.Line(7, 7, 17, 17);
            pen.Line(17, 7, 7, 17);
            break;
        case Icon::kMinimize: pen.Line(6, 16, 18, 16); break;
        case Icon::kHelp:
            pen.Ellipse(12, 12, 9, 9);
            pen.Text(QRectF(3, 3, 18, 18), QStringLiteral("?"), 13, true);
            break;
        case Icon::kMenu:
            pen.Line(6, 8, 18, 8);
            pen.Line(6, 12, 18, 12);
            pen.Line(6, 16, 18, 16);
            break;
        case Icon::kPlus:
            pen.Line(12, 6, 12, 18);
            pen.Line(6, 12, 18, 12);
            break;
        case Icon::kMinus: pen.Line(6, 12, 18, 12); break;
        case Icon::kRestore: {
            // A circular arrow turning back.
            QPainterPath arc;
            const QRectF circle = pen.R(5, 5, 14, 14);
            arc.arcMoveTo(circle, 120);
            arc.arcTo(circle, 120, 270);
            pen.painter().drawPath(arc);
            pen.Poly({{5.5, 4.5}, {6.5, 9.5}, {11.5, 8.5}});
            break;
        }
        case Icon::kKeyboard:
            pen.Rect(3, 7, 18, 11, 2);
            for (int i = 0; i < 5; ++i) pen.Line(6 + i * 3, 10.5, 6.2 + i * 3, 10.5);
            for (int i = 0; i < 4; ++i) pen.Line(7.5 + i * 3, 13, 7.7 + i * 3, 13);
            pen.Line(8, 15.5, 16, 15.5);
            break;
        case Icon::kFolderOpen:
            pen.Poly({{3, 18}, {3, 6}, {9, 6}, {11, 8}, {19, 8}, {19, 11}});
            pen.Poly({{3, 18}, {6, 11}, {21, 11}, {18, 18}}, true);
            break;
        case Icon::kSave:
            pen.Rect(4, 4, 16, 16, 2);
            pen.Rect(8, 4, 8, 5);
            pen.Rect(7, 13, 10, 7);
            break;
        case Icon::kUpload:
            pen.Line(12, 16, 12, 4);
            pen.Poly({{7, 9}, {12, 4}, {17, 9}});
            pen.Poly({{4, 15}, {4, 20}, {20, 20}, {20, 15}});
            break;
        case Icon::kCheck: pen.Poly({{5, 12.5}, {10, 17}, {19, 7}}); break;
        case Icon::kCross:
            pen.Line(7, 7, 17, 17);
            pen.Line(17, 7, 7, 17);
            break;
        case Icon::kTrash:
            pen.Line(4, 7, 20, 7);
            pen.Poly({{9, 7}, {9, 4}, {15, 4}, {15, 7}});
            pen.Poly({{6, 7}, {7, 20}, {17, 20}, {18, 7}});
            pen.Line(10, 10, 10, 17);
            pen.Line(14, 10, 14, 17);
            break;
        case Icon::kChip:
            pen.Rect(6, 6, 12, 12, 2);
            pen.Rect(9.5, 9.5, 5, 5, 1);
            for (int i = 0; i < 3; ++i) {
                const qreal c = 8.5 + i * 3.5;
                pen.Line(c, 3, c, 6);
                pen.Line(c, 18, c, 21);
                pen.Line(3, c, 6, c);
                pen.Line(18, c, 21, c);
            }
            break;
        case Icon::kProfiles:
            pen.Rect(4, 5, 16, 4, 1);
            pen.Rect(4, 10, 16, 4, 1);
            pen.Rect(4, 15, 16, 4, 1);
            break;
        case Icon::kMacro:
            pen.Ellipse(12, 12, 8, 8);
            pen.Filled(true);
            pen.Ellipse(12, 12, 3.5, 3.5);
            break;
        case Icon::kMedia:
            pen.Poly({{4, 10}, {8, 10}, {13, 6}, {13, 18}, {8, 14}, {4, 14}}, true);
            pen.painter().drawArc(pen.R(11, 8, 8, 8), -60 * 16, 120 * 16);
            pen.painter().drawArc(pen.R(10, 5, 12, 14), -60 * 16, 120 * 16);
            break;
        case Icon::kFunction:
            pen.Text(QRectF(2, 3, 20, 18), QStringLiteral("ƒ"), 17, true);
            break;
        case Icon::kWarning:
            pen.Poly({{12, 3.5}, {21.5, 20}, {2.5, 20}}, true);
            pen.Line(12, 9.5, 12, 14);
            pen.Line(12, 17, 12, 17.2);
            break;
        case Icon::kBrush:
            pen.Line(19, 4, 11, 13);
            pen.Poly({{11, 13}, {8, 13.5}, {6, 16}, {5, 20}, {9, 19}, {11.5, 17}, {12, 14}}, true);
            break;
        case Icon::kDrop: {
            // A drop: paint with the base colour.
            QPainterPath drop;
            drop.moveTo(pen.P(12, 3.5));
            drop.cubicTo(pen.P(12, 3.5), pen.P(5.5, 11), pen.P(5.5, 14.5));
            drop.cubicTo(pen.P(5.5, 18.5), pen.P(8.5, 21), pen.P(12, 21));
            drop.cubicTo(pen.P(15.5, 21), pen.P(18.5, 18.5), pen.P(18.5, 14.5));
            drop.cubicTo(pen.P(18.5, 11), pen.P(12, 3.5), pen.P(12, 3.5));
            pen.painter().drawPath(drop);
            break;
        }
    }
}

QPainterPath RoundedRectPath(const QRectF& rect, qreal radius) {
    QPainterPath path;
    path.addRoundedRect(rect, radius, radius);
    return path;
}

void DrawKeycap(QPainter& painter, const QPainterPath& outline, const QRectF& legend_area, const Legends& legends,
                CapLook look) {
    painter.save();
    QColor side = theme::kCapSide, top_high = theme::kCapTopHigh, top_low = theme::kCapTopLow;
    QColor legend = theme::kLegend, minor = theme::kLegendDim, edge = QColor(0, 0, 0, 0);
    qreal sink = 0;
    switch (look) {
        case CapLook::kNormal: break;
        case CapLook::kOver:
            side = side.lighter(118);
            top_high = top_high.lighter(125);
            top_low = top_low.lighter(125);
            legend = Qt::white;
            minor = theme::kLegend;
            edge = theme::kAccent;
            break;
        case CapLook::kDown:
            top_high = top_low.darker(118);
            top_low = top_low.darker(108);
            legend = theme::kAccent;
            edge = theme::kAccent.darker(140);
            sink = 1.5;
            break;
        case CapLook::kMarked:
            legend = theme::kAccent;
            minor = theme::kAccent.darker(140);
            break;
        case CapLook::kLightOff:
            side = QColor(0x19, 0x1B, 0x20);
            top_high = QColor(0x21, 0x24, 0x2A);
            top_low = QColor(0x1D, 0x20, 0x25);
            legend = QColor(0x4E, 0x53, 0x5E);
            minor = QColor(0x3C, 0x40, 0x48);
            break;
        case CapLook::kLightOn:
            side = QColor(0x1C, 0x3A, 0x48);
            top_high = QColor(0x2E, 0x45, 0x52);
            top_low = QColor(0x27, 0x3A, 0x45);
            legend = Qt::white;
            minor = QColor(0xBF, 0xEC, 0xFF);
            edge = theme::kAccent;
            break;
    }

    // The cap's sides, then its top face, inset more at the bottom.
    painter.setPen(Qt::NoPen);
    painter.setBrush(side);
    painter.drawPath(outline);
    const QRectF bounds = outline.boundingRect();
    const qreal scale_x = (bounds.width() - 5) / bounds.width();
    const qreal scale_y = (bounds.height() - 6 + sink) / bounds.height();
    QTransform to_top;
    to_top.translate(bounds.left() + 2.5, bounds.top() + 1.5 + sink);
    to_top.scale(scale_x, scale_y);
    to_top.translate(-bounds.left(), -bounds.top());
    const QPainterPath top = to_top.map(outline);
    QLinearGradient gradient(bounds.topLeft(), bounds.bottomLeft());
    gradient.setColorAt(0.0, top_high);
    gradient.setColorAt(1.0, top_low);
    painter.setBrush(gradient);
    painter.drawPath(top);

    if (edge.alpha() > 0) {
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(look == CapLook::kLightOn ? WithAlpha(edge, 200) : WithAlpha(edge, 170), 1.2));
        painter.drawPath(outline);
    }
    if (look == CapLook::kMarked) {
        // An accent bar along the bottom of the face: this key carries an assignment.
        painter.setPen(Qt::NoPen);
        painter.setBrush(theme::kAccent);
        const QRectF face = top.boundingRect();
        painter.drawRoundedRect(QRectF(face.center().x() - 6, face.bottom() - 3.5, 12, 2), 1, 1);
    }

    const QRectF area = legend_area.translated(0, sink - 1);
    if (look == CapLook::kLightOn) {
        // Backlight shining out under the cap's lower edge.
        const QRectF face = top.boundingRect();
        QLinearGradient shine(face.bottomLeft(), face.bottomLeft() - QPointF(0, face.height() * 0.6));
        shine.setColorAt(0, WithAlpha(theme::kAccent, 90));
        shine.setColorAt(1, WithAlpha(theme::kAccent, 0));
        painter.setPen(Qt::NoPen);
        painter.setBrush(shine);
        painter.drawPath(top);
    }
    const bool has_minor = !legends.shifted.isEmpty() || !legends.secondary.isEmpty();
    const QFont main_font = theme::Font(legends.pixel_size, true);
    const QFont minor_font = theme::Font(std::max(8, legends.pixel_size - 3), false);
    painter.setPen(legend);
    painter.setFont(main_font);
    if (!has_minor) {
        painter.drawText(area, Qt::AlignCenter, legends.main);
    } else {
        const QRectF upper(area.left(), area.top() + 1, area.width(), area.height() / 2);
        const QRectF lower(area.left(), area.top() + area.height() / 2 - 1, area.width(), area.height() / 2);
        if (!legends.shifted.isEmpty()) {
            painter.setFont(minor_font);
            painter.setPen(minor);
            painter.drawText(upper.adjusted(0, 2, 0, 0), Qt::AlignHCenter | Qt::AlignVCenter, legends.shifted);
            painter.setFont(main_font);
            painter.setPen(legend);
            painter.drawText(lower.adjusted(0, -1, 0, -1), Qt::AlignHCenter | Qt::AlignVCenter, legends.main);
        } else {
            painter.drawText(upper.adjusted(0, 2, 0, 2), Qt::AlignHCenter | Qt::AlignVCenter, legends.main);
            painter.setFont(minor_font);
            painter.setPen(minor);
            painter.drawText(lower.adjusted(0, 0, 0, -1), Qt::AlignHCenter | Qt::AlignVCenter, legends.secondary);
        }
    }
    painter.restore();
}

}  // namespace quovex::skin_gen

namespace quovex::skin_gen {

void DrawDialogBase(QPainter& painter, const QSize& size, int title_bar_height, Icon icon, const QString& title) {
    const QRectF window(QPointF(0, 0), QSizeF(size));
    FillWindow(painter, window);
    DrawDivider(painter, 12, window.right() - 12, title_bar_height);
    DrawWindowFrame(painter, window, 12);
    if (title.isEmpty()) return;
    DrawIcon(painter, icon, QRectF(16, (title_bar_height - 20) / 2.0, 20, 20), theme::kAccent, 1.8);
    painter.save();
    painter.setFont(theme::Font(15, true));
    painter.setPen(theme::kLegend);
    painter.drawText(QRectF(46, 0, window.width() - 60, title_bar_height), Qt::AlignLeft | Qt::AlignVCenter, title);
    painter.restore();
}

QImage RoundedMask(const QSize& size, int radius) {
    QImage mask(size, QImage::Format_RGB32);
    mask.fill(Qt::white);
    QPainter painter(&mask);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawRoundedRect(QRectF(QPointF(0, 0), QSizeF(size)), radius, radius);
    return mask;
}

}  // namespace quovex::skin_gen
