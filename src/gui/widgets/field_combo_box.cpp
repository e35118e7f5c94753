#include "widgets/field_combo_box.h"

#include <QAbstractItemView>
#include <QLineEdit>
#include <QPainter>
#include <QStyleOptionComboBox>

namespace quovex::gui {

namespace {

constexpr qreal kCornerRadius = 4.0;
constexpr int kTextInset = 7;
constexpr int kChevronWidth = 20;

}  // namespace

CFieldComboBox::CFieldComboBox(QWidget* parent, int control_id, bool editable)
    : QComboBox(parent), control_id_(control_id) {
    setAttribute(Qt::WA_Hover);
    setEditable(editable);
    if (QLineEdit* edit = lineEdit()) {
        edit->setFrame(false);
        edit->setAttribute(Qt::WA_TranslucentBackground);
        edit->setStyleSheet(QStringLiteral("background: transparent;"));
    }
}

void CFieldComboBox::showPopup() {
    popup_open_ = true;
    update();
    QComboBox::showPopup();
}

void CFieldComboBox::hidePopup() {
    QComboBox::hidePopup();
    popup_open_ = false;
    update();
}

QRect CFieldComboBox::EditRect() const {
    return rect().adjusted(kTextInset, 2, -kChevronWidth, -2);
}

void CFieldComboBox::PlaceEditBox() {
    if (QLineEdit* edit = lineEdit()) edit->setGeometry(EditRect());
}

void CFieldComboBox::resizeEvent(QResizeEvent* event) {
    QComboBox::resizeEvent(event);
    PlaceEditBox();
}

void CFieldComboBox::paintEvent(QPaintEvent* /*event*/) {
    // QComboBox places its edit box on every layout change; it belongs inside the field.
    if (lineEdit() != nullptr && lineEdit()->geometry() != EditRect()) PlaceEditBox();

    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const bool active = underMouse() || hasFocus() || popup_open_ || (lineEdit() && lineEdit()->hasFocus());
    const QColor edge = isEnabled() && active ? palette().color(QPalette::Link) : palette().color(QPalette::Light);
    painter.setPen(QPen(edge, 1.0));
    painter.setBrush(palette().color(QPalette::Base));
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), kCornerRadius, kCornerRadius);

    const QColor ink = palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::Text);
    if (!isEditable()) {
        const QRect text_rect = rect().adjusted(kTextInset, 0, -kChevronWidth, 0);
        painter.setPen(ink);
        painter.drawText(text_rect, Qt::AlignLeft | Qt::AlignVCenter,
                         fontMetrics().elidedText(currentText(), Qt::ElideRight, text_rect.width()));
    }

    // The chevron.
    const QPointF centre(width() - kChevronWidth / 2.0 - 1, height() / 2.0 + 1);
    painter.setPen(QPen(ink, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolyline(QPolygonF({centre + QPointF(-3.5, -2), centre + QPointF(0, 1.5), centre + QPointF(3.5, -2)}));
}

}  // namespace quovex::gui
