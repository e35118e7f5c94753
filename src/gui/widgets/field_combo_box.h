// CFieldComboBox: a drop-down list drawn as the skin's dark fields are: a
// rounded field with a thin edge that takes the accent colour under the mouse,
// with the focus and while the list is open, and a small chevron at its right.
// Editable lists keep their edit box inside the field. Colours come from the
// widget's palette (Base, Text, Light, Link).
#pragma once

#include <QComboBox>

namespace quovex::gui {

class CFieldComboBox : public QComboBox {
    Q_OBJECT

public:
    CFieldComboBox(QWidget* parent, int control_id, bool editable);

    int ControlId() const { return control_id_; }

    void showPopup() override;
    void hidePopup() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // Where the edit box of an editable list sits: inside the edge, left of the chevron.
    QRect EditRect() const;
    void PlaceEditBox();

    int control_id_;
    bool popup_open_ = false;
};

}  // namespace quovex::gui
