#include "ini_text.h"

namespace quovex::skin_gen {

void IniText::Comment(const QString& text) {
    for (const QString& line : text.split(QLatin1Char('\n'))) text_ += QStringLiteral("; ") + line + QLatin1Char('\n');
}

void IniText::Section(std::string_view name) {
    if (!text_.isEmpty()) text_ += QLatin1Char('\n');
    text_ += QLatin1Char('[') + Q(name) + QStringLiteral("]\n");
}

void IniText::Value(std::string_view key, const QString& value) {
    // Readers trim blanks around a value and take off one pair of quotes, so a
    // value with blanks at either end, or one in quotes itself, is quoted.
    const bool blank_at_end = !value.isEmpty() && (value.front().isSpace() || value.back().isSpace());
    const bool quoted = value.size() >= 2 && (value.front() == QLatin1Char('"') || value.front() == QLatin1Char('\'')) &&
                        value.back() == value.front();
    const QString stored = blank_at_end || quoted ? QLatin1Char('"') + value + QLatin1Char('"') : value;
    text_ += Q(key) + QLatin1Char('=') + stored + QLatin1Char('\n');
}

void IniText::Rect(std::string_view key, int x, int y, int w, int h) {
    Value(key, QStringLiteral("%1,%2,%3,%4").arg(x).arg(y).arg(w).arg(h));
}

}  // namespace quovex::skin_gen
