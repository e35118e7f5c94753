// The palette popup of a colour button: fifty colours in ten columns (a grey
// row, then the ten hues vivid, light, deep and dark) and an "other" button
// that opens the full colour dialog. There is no automatic-colour entry.
// Choosing a colour closes the popup and reports it; Escape, a click outside
// or cancelling the colour dialog closes it without a choice.
#pragma once

#include <QColor>
#include <QFrame>
#include <functional>
#include <optional>
#include <span>

class QPushButton;

namespace quovex::gui {

class PaletteGrid;

class ColourPalettePopup : public QFrame {
    Q_OBJECT

public:
    static constexpr int kColumns = 10;

    // Asks the user for any colour, starting from `initial`; nullopt when cancelled.
    using OtherColourChooser = std::function<std::optional<QColor>(const QColor& initial, QWidget* parent)>;

    explicit ColourPalettePopup(QWidget* parent);
    ~ColourPalettePopup() override;

    static std::span<const QColor> PaletteColours();

    void SetOtherText(const QString& text);
    // QColorDialog unless replaced (tests answer it themselves).
    void SetOtherColourChooser(OtherColourChooser chooser);

    // Opens the popup with its top-left corner at `global_position` (kept on
    // the screen), the current colour marked.
    void Open(const QPoint& global_position, const QColor& current);

    PaletteGrid& Grid() { return *grid_; }
    QPushButton& OtherButton() { return *other_; }

signals:
    void ColourChosen(const QColor& colour);

private:
    void ChoosePaletteEntry(int index);
    void ChooseOther();

    PaletteGrid* grid_;
    QPushButton* other_;
    QColor current_;
    OtherColourChooser other_chooser_;
};

}  // namespace quovex::gui
