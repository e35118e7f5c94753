#include "widgets/colour_palette_popup.h"

#include <QColorDialog>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>
#include <array>

#include "widgets/palette_grid.h"

namespace quovex::gui {

namespace {

constexpr int kPaletteRows = 5;
using Palette = std::array<QColor, kPaletteRows * ColourPalettePopup::kColumns>;

Palette MakePalette() {
    // Red, orange, yellow, lime, green, cyan, azure, blue, violet, magenta.
    constexpr std::array<int, ColourPalettePopup::kColumns> kHues = {0, 30, 60, 90, 120, 180, 210, 240, 270, 300};
    // Saturation and value of each hue row: vivid, light, deep, dark.
    constexpr std::array<std::pair<int, int>, kPaletteRows - 1> kShades = {
        {{255, 255}, {115, 255}, {255, 180}, {255, 100}}};
    Palette palette;
    for (int column = 0; column < ColourPalettePopup::kColumns; ++column) {
        const int grey = 255 - column * 255 / (ColourPalettePopup::kColumns - 1);
        palette[static_cast<size_t>(column)] = QColor(grey, grey, grey);
    }
    for (size_t row = 0; row < kShades.size(); ++row) {
        for (int column = 0; column < ColourPalettePopup::kColumns; ++column) {
            palette[(row + 1) * ColourPalettePopup::kColumns + static_cast<size_t>(column)] =
                QColor::fromHsv(kHues[static_cast<size_t>(column)], kShades[row].first, kShades[row].second).toRgb();
        }
    }
    return palette;
}

std::optional<QColor> AskColourDialog(const QColor& initial, QWidget* parent) {
    const QColor colour = QColorDialog::getColor(initial, parent);
    if (!colour.isValid()) return std::nullopt;
    return colour;
}

}  // namespace

std::span<const QColor> ColourPalettePopup::PaletteColours() {
    static const Palette palette = MakePalette();
    return palette;
}

ColourPalettePopup::ColourPalettePopup(QWidget* parent)
    : QFrame(parent, Qt::Popup), other_chooser_(AskColourDialog) {
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 6);
    layout->setSpacing(4);
    grid_ = new PaletteGrid(this, PaletteColours(), kColumns);
    other_ = new QPushButton(tr("Other..."), this);
    other_->setCursor(Qt::PointingHandCursor);
    layout->addWidget(grid_);
    layout->addWidget(other_);
    connect(grid_, &PaletteGrid::Chosen, this, &ColourPalettePopup::ChoosePaletteEntry);
    connect(other_, &QPushButton::clicked, this, &ColourPalettePopup::ChooseOther);
}

ColourPalettePopup::~ColourPalettePopup() = default;

void ColourPalettePopup::SetOtherText(const QString& text) { other_->setText(text); }

void ColourPalettePopup::SetOtherColourChooser(OtherColourChooser chooser) { other_chooser_ = std::move(chooser); }

void ColourPalettePopup::Open(const QPoint& global_position, const QColor& current) {
    current_ = current;
    grid_->SetCurrentColour(current);
    adjustSize();
    QPoint position = global_position;
    if (const QScreen* screen = QWidget::screen()) {
        const QRect available = screen->availableGeometry();
        position.setX(std::clamp(position.x(), available.left(), std::max(available.left(), available.right() - width())));
        position.setY(std::clamp(position.y(), available.top(), std::max(available.top(), available.bottom() - height())));
    }
    move(position);
    show();
    grid_->setFocus();
}

void ColourPalettePopup::ChoosePaletteEntry(int index) {
    hide();
    emit ColourChosen(grid_->ColourAt(index));
}

void ColourPalettePopup::ChooseOther() {
    // The popup goes first, so that the dialog is not cut short by the popup's grab.
    hide();
    const std::optional<QColor> colour = other_chooser_(current_, parentWidget());
    if (colour && colour->isValid()) emit ColourChosen(colour->toRgb());
}

}  // namespace quovex::gui
