#include "skin/skin_palette.h"

namespace quovex::gui {

QPalette SkinPalette() {
    const QColor window(0x1B, 0x1E, 0x25), field(0x12, 0x14, 0x18), text(0xE4, 0xE4, 0xE4);
    const QColor accent(0x2E, 0xC5, 0xFF), accent_deep(0x0C, 0x5E, 0x80), button(0x28, 0x2D, 0x37);
    const QColor disabled_text(0x55, 0x5A, 0x64);
    QPalette palette;
    palette.setColor(QPalette::Window, window);
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Base, field);
    palette.setColor(QPalette::AlternateBase, window);
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::PlaceholderText, QColor(0x7D, 0x84, 0x91));
    palette.setColor(QPalette::Button, button);
    palette.setColor(QPalette::ButtonText, text);
    palette.setColor(QPalette::BrightText, Qt::white);
    palette.setColor(QPalette::Highlight, accent_deep);
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::Link, accent);
    palette.setColor(QPalette::ToolTipBase, window);
    palette.setColor(QPalette::ToolTipText, text);
    palette.setColor(QPalette::Light, QColor(0x3A, 0x40, 0x4D));
    palette.setColor(QPalette::Midlight, QColor(0x30, 0x35, 0x40));
    palette.setColor(QPalette::Mid, QColor(0x25, 0x29, 0x31));
    palette.setColor(QPalette::Dark, QColor(0x10, 0x12, 0x15));
    palette.setColor(QPalette::Shadow, Qt::black);
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        palette.setColor(QPalette::Disabled, role, disabled_text);
    }
    return palette;
}

}  // namespace quovex::gui
