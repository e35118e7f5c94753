// The grid of a colour button's palette popup: the palette's colours as
// swatches in rows of a fixed number of columns. The swatch under the mouse,
// or chosen with the arrow keys, is outlined; the colour the button shows now
// is marked. A click, Enter or Space chooses a swatch.
#pragma once

#include <QColor>
#include <QWidget>
#include <span>

namespace quovex::gui {

class PaletteGrid : public QWidget {
    Q_OBJECT

public:
    static constexpr int kSwatchSize = 18;
    static constexpr int kSpacing = 4;

    PaletteGrid(QWidget* parent, std::span<const QColor> colours, int columns);

    // The colour shown as the current one (no swatch is marked when it is not
    // in the palette); the keys start from it.
    void SetCurrentColour(const QColor& colour);
    int MarkedIndex() const { return marked_; }
    int HotIndex() const { return hot_; }
    int Count() const { return static_cast<int>(colours_.size()); }
    QColor ColourAt(int index) const { return colours_[static_cast<size_t>(index)]; }
    // The rectangle of swatch `index` in the grid's coordinates.
    QRect SwatchRect(int index) const;

    QSize sizeHint() const override;

signals:
    void Chosen(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    int IndexAt(const QPoint& point) const;
    void SetHot(int index);

    std::span<const QColor> colours_;
    int columns_;
    int marked_ = -1;
    int hot_ = -1;
};

}  // namespace quovex::gui
