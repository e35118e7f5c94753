// CColourButton: a button that shows a colour. A click offers the palette
// popup under it; the colour chosen there becomes the button's colour at once
// and is reported with ColourChosen. Setting the colour from outside reports
// nothing.
#pragma once

#include <QAbstractButton>
#include <QColor>

#include "widgets/colour_palette_popup.h"

namespace quovex::gui {

class CColourButton : public QAbstractButton {
    Q_OBJECT

public:
    CColourButton(QWidget* parent, int control_id);

    int ControlId() const { return control_id_; }

    void SetColour(const QColor& colour);
    QColor Colour() const { return colour_; }

    ColourPalettePopup& Popup() { return popup_; }
    // Opens the popup just below the button.
    void OpenPopup();

    QSize sizeHint() const override;

signals:
    void ColourChosen(int control_id, const QColor& colour);

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void TakeChosenColour(const QColor& colour);

    int control_id_;
    QColor colour_{Qt::black};
    bool hovered_ = false;
    ColourPalettePopup popup_;
};

}  // namespace quovex::gui
