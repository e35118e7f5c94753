#include "widgets/integer_edit.h"

#include <QToolTip>

namespace quovex::gui {

CIntegerEdit::CIntegerEdit(QWidget* parent, int control_id, int max_digits)
    : QLineEdit(parent), control_id_(control_id), refusal_text_(tr("Please enter an integer.")) {
    setMaxLength(max_digits);
    setAlignment(Qt::AlignCenter);
    setInputMethodHints(Qt::ImhDigitsOnly);
    ShowValue();
    connect(this, &QLineEdit::textEdited, this, &CIntegerEdit::TakeTypedText);
    connect(this, &QLineEdit::editingFinished, this, &CIntegerEdit::ShowValue);
}

std::optional<int> CIntegerEdit::ParseInteger(const QString& text) {
    const QString digits = text.trimmed();
    if (digits.isEmpty()) return std::nullopt;
    for (const QChar character : digits) {
        if (character < QLatin1Char('0') || character > QLatin1Char('9')) return std::nullopt;
    }
    bool ok = false;
    const int value = digits.toInt(&ok);
    if (!ok) return std::nullopt;
    return value;
}

void CIntegerEdit::SetValue(int value) {
    value_ = value;
    ShowValue();
}

void CIntegerEdit::ShowValue() {
    const QString text = QString::number(value_);
    if (this->text() == text) return;
    // The cursor stays where it was when the text is the one being typed.
    const int cursor = cursorPosition();
    setText(text);
    setCursorPosition(std::min(cursor, static_cast<int>(text.size())));
}

void CIntegerEdit::TakeTypedText(const QString& text) {
    if (text.trimmed().isEmpty()) return;
    const std::optional<int> value = ParseInteger(text);
    if (!value) {
        ShowValue();
        QToolTip::showText(mapToGlobal(QPoint(0, height())), refusal_text_, this);
        emit InputRefused(control_id_);
        return;
    }
    value_ = *value;
    emit ValueEdited(control_id_, value_);
}

}  // namespace quovex::gui

