// Texts of the skin itself: the lighting panel's labels and the lighting
// modes' names, each in the file's first language (Chinese) and its second
// (English).
#pragma once

#include <QString>
#include <span>
#include <string_view>

namespace quovex::skin_gen {

struct PanelLabel {
    std::string_view key;
    QString chinese;
    QString english;
};
std::span<const PanelLabel> PanelLabels();

struct ModeName {
    int id;
    QString chinese;
    QString english;
};
std::span<const ModeName> ModeNames();

}  // namespace quovex::skin_gen
