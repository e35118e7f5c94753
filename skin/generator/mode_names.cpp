#include "mode_names.h"

#include <vector>

namespace quovex::skin_gen {

namespace {

QString U(const char* text) { return QString::fromUtf8(text); }

const std::vector<PanelLabel>& Labels() {
    static const std::vector<PanelLabel> labels = {
        {"Usb", U("回报率"), U("Report rate")},
        {"Deng", U("灯光效果"), U("Lighting")},
        {"Light", U("亮度"), U("Brightness")},
        {"Speed", U("速度"), U("Speed")},
        {"Color", U("颜色"), U("Color")},
        {"JColor", U("基础色"), U("Base color")},
        {"Tool", U("工具"), U("Tool")},
        {"FX", U("方向"), U("Direction")},
        {"DC", U("多彩"), U("Multicolor")},
    };
    return labels;
}

// Names follow what each effect does on the keyboard (and in the preview).
const std::vector<ModeName>& Modes() {
    static const std::vector<ModeName> modes = {
        {1, U("波浪"), U("Wave")},
        {2, U("流光"), U("Flow")},
        {3, U("蛇形"), U("Snake")},
        {4, U("色彩循环"), U("Color cycle")},
        {5, U("呼吸"), U("Breathing")},
        {6, U("常亮"), U("Static")},
        {7, U("按键触发"), U("Reactive")},
        {8, U("触发涟漪"), U("Reactive ripple")},
        {9, U("十字触发"), U("Reactive cross")},
        {10, U("星光"), U("Starlight")},
        {11, U("霓虹"), U("Neon")},
        {12, U("上下波浪"), U("Vertical wave")},
        {13, U("涟漪"), U("Ripple")},
        {14, U("灯光秀"), U("Light show")},
        {15, U("雨滴"), U("Raindrops")},
        {16, U("交错波"), U("Crossing waves")},
        {17, U("四色"), U("Four colors")},
        {18, U("辐射"), U("Radiate")},
        {20, U("自定义"), U("Custom")},
    };
    return modes;
}

}  // namespace

std::span<const PanelLabel> PanelLabels() { return Labels(); }
std::span<const ModeName> ModeNames() { return Modes(); }

}  // namespace quovex::skin_gen
