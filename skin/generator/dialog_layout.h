// Layouts of the three smaller skinned dialogs: their size and the rectangle
// of every [BUTTONINFO] key of their INI files, in file order.
#pragma once

#include <QRect>
#include <QSize>
#include <string>
#include <vector>

namespace quovex::skin_gen {

struct DialogRect {
    std::string key;
    QRect rect;
};

struct DialogLayout {
    QSize size;
    std::vector<DialogRect> rects;
    QRect Rect(const std::string& key) const;  // throws when the key has no place
};

inline constexpr int kDialogRadius = 12;

// The key assignment dialog: title bar with clear and on-screen keyboard,
// page prompt, four tabs, the page area (its background is the mask button),
// then Apply, OK and Cancel.
const DialogLayout& CompositeLayout();
const DialogLayout& ProfileLayout();
const DialogLayout& UpdateLayout();

}  // namespace quovex::skin_gen
