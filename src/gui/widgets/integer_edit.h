// CIntegerEdit: an edit box for a whole number from 0 up, read the way the
// dialogs' integer exchange reads it. Each change the user types that leaves
// a number is reported with ValueEdited. Text that is not a number is refused:
// the box shows its last value again and says why in a balloon under it, so
// no value is lost. An empty box counts as not finished yet: nothing is
// reported, and the box shows its value again when the user leaves it.
#pragma once

#include <QLineEdit>
#include <optional>

namespace quovex::gui {

class CIntegerEdit : public QLineEdit {
    Q_OBJECT

public:
    // `max_digits`: the longest number the box takes.
    CIntegerEdit(QWidget* parent, int control_id, int max_digits);

    int ControlId() const { return control_id_; }

    // Shows `value` without reporting it.
    void SetValue(int value);
    int Value() const { return value_; }

    // The balloon's text when a non-number is refused.
    void SetRefusalText(const QString& text) { refusal_text_ = text; }
    const QString& RefusalText() const { return refusal_text_; }

    // The number `text` holds (digits only, surrounding blanks allowed), or nullopt.
    static std::optional<int> ParseInteger(const QString& text);

signals:
    void ValueEdited(int control_id, int value);
    void InputRefused(int control_id);

private:
    void TakeTypedText(const QString& text);
    void ShowValue();

    int control_id_;
    int value_ = 0;
    QString refusal_text_;
};

}  // namespace quovex::gui
