// The look of the default skin: one dark theme with a single accent colour.
// Every picture of the skin takes its colours and fonts from here.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>

namespace quovex::skin_gen::theme {

// Surfaces, from the window outwards in.
inline const QColor kWindow{0x14, 0x16, 0x1B};
inline const QColor kWindowEdge{0x2C, 0x31, 0x3B};
inline const QColor kCard{0x1B, 0x1E, 0x25};
inline const QColor kCardEdge{0x27, 0x2B, 0x34};
inline const QColor kDivider{0x25, 0x29, 0x31};
inline const QColor kPlate{0x0F, 0x11, 0x14};  // the keyboard case
inline const QColor kPlateEdge{0x2E, 0x33, 0x3D};
inline const QColor kField{0x12, 0x14, 0x18};  // behind list and edit controls
inline const QColor kFieldEdge{0x30, 0x35, 0x40};

// The one accent, and its deep shade for selected fills.
inline const QColor kAccent{0x2E, 0xC5, 0xFF};
inline const QColor kAccentDeep{0x0C, 0x5E, 0x80};

// Key caps.
inline const QColor kCapSide{0x22, 0x26, 0x2E};
inline const QColor kCapTopHigh{0x35, 0x3B, 0x47};
inline const QColor kCapTopLow{0x2B, 0x30, 0x3A};
inline const QColor kLegend{0xE6, 0xE9, 0xEF};
inline const QColor kLegendDim{0x8C, 0x93, 0xA0};

// Buttons.
inline const QColor kButton{0x28, 0x2D, 0x37};
inline const QColor kButtonEdge{0x3A, 0x40, 0x4D};
inline const QColor kButtonHover{0x33, 0x3A, 0x47};
inline const QColor kButtonPressed{0x1C, 0x20, 0x27};
inline const QColor kButtonDisabled{0x1E, 0x21, 0x27};
inline const QColor kButtonDisabledEdge{0x28, 0x2B, 0x32};
inline const QColor kText{0xE4, 0xE4, 0xE4};
inline const QColor kTextDim{0x7D, 0x84, 0x91};
inline const QColor kTextDisabled{0x55, 0x5A, 0x64};

// The program draws its own captions in white or 0xE4E4E4 over these
// pictures, so every button face stays dark enough for light text.

inline const QString kFontFamily = QStringLiteral("DejaVu Sans");

inline QFont Font(int pixel_size, bool bold = false) {
    QFont font(kFontFamily);
    font.setPixelSize(pixel_size);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

}  // namespace quovex::skin_gen::theme
