// The skin's INI files are plain UTF-8 text that only this generator writes:
// sections in the order given, one "key=value" line each.
#pragma once

#include <QString>
#include <QStringList>
#include <string_view>

namespace quovex::skin_gen {

class IniText {
public:
    void Comment(const QString& text);
    void Section(std::string_view name);
    void Value(std::string_view key, const QString& value);
    void Rect(std::string_view key, int x, int y, int w, int h);
    const QString& Text() const { return text_; }

private:
    QString text_;
};

inline QString Q(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

}  // namespace quovex::skin_gen
