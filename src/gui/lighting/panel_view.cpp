#include "lighting/panel_view.h"

#include <QLineEdit>
#include <QSignalBlocker>

namespace quovex::gui {

namespace {

QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

PanelView::PanelView(PanelControls& controls, const PanelPictures& pictures, KeyboardPictureView& keys)
    : controls_(controls), pictures_(pictures), keys_(keys) {}

void PanelView::SetControlVisible(int controlId, bool visible) {
    if (QWidget* control = controls_.Control(controlId)) control->setVisible(visible);
}

void PanelView::SetPicture(int controlId, std::string_view pictureFile) {
    if (ClickablePicture* picture = controls_.Picture(controlId)) {
        picture->SetPicture(pictures_.Get(pictureFile), ToQString(pictureFile));
    }
}

void PanelView::MoveControl(int controlId, std::string_view positionKey) { controls_.MoveTo(controlId, positionKey); }

void PanelView::SetButtonChecked(int controlId, bool checked) {
    if (CPngButton* button = controls_.ReportRateButton(controlId)) button->SetChecked(checked, true);
}

void PanelView::SetColourButton(int controlId, Rgb colour) {
    if (CColourButton* button = controls_.ColourButton(controlId)) {
        button->SetColour(QColor(colour.red, colour.green, colour.blue));
    }
}

void PanelView::SetSliderPosition(int sliderId, int position) {
    if (CPictureSlider* slider = controls_.Slider(sliderId)) slider->SetPosition(position);
}

void PanelView::SetSliderTrack(int sliderId, std::string_view pictureFile) {
    if (CPictureSlider* slider = controls_.Slider(sliderId)) slider->SetTrackPicture(pictures_.Get(pictureFile));
}

void PanelView::SetRgbBoxes(int red, int green, int blue) {
    const std::vector<CIntegerEdit*>& boxes = controls_.RgbBoxes();
    const int values[] = {red, green, blue};
    for (size_t i = 0; i < boxes.size() && i < std::size(values); ++i) boxes[i]->SetValue(values[i]);
}

void PanelView::SetEffectList(std::span<const EffectListItem> items) {
    QComboBox& list = controls_.EffectList();
    const QSignalBlocker blocker(list);
    list.clear();
    for (const EffectListItem& item : items) list.addItem(QString::fromStdString(item.name), item.modeId);
    list.setCurrentIndex(-1);
}

void PanelView::SelectEffect(int listIndex) {
    QComboBox& list = controls_.EffectList();
    const QSignalBlocker blocker(list);
    list.setCurrentIndex(listIndex >= 0 && listIndex < list.count() ? listIndex : -1);
}

void PanelView::SetPresetList(std::span<const std::string> names) {
    QComboBox& list = controls_.PresetList();
    const QSignalBlocker blocker(list);
    const QSignalBlocker edit_blocker(list.lineEdit());
    list.clear();
    for (const std::string& name : names) list.addItem(QString::fromStdString(name));
    list.setCurrentIndex(-1);
}

void PanelView::SelectPresetEntry(int index) {
    QComboBox& list = controls_.PresetList();
    const QSignalBlocker blocker(list);
    const QSignalBlocker edit_blocker(list.lineEdit());
    list.setCurrentIndex(index >= 0 && index < list.count() ? index : -1);
}

void PanelView::RenamePresetEntry(int index, std::string_view name) {
    QComboBox& list = controls_.PresetList();
    if (index < 0 || index >= list.count()) return;
    const QSignalBlocker blocker(list);
    QLineEdit* edit = list.lineEdit();
    const QSignalBlocker edit_blocker(edit);
    // The entry being typed into keeps the user's text and cursor as they are.
    const int cursor = edit->cursorPosition();
    const QString text = edit->text();
    list.setItemText(index, ToQString(name));
    if (index == list.currentIndex()) {
        edit->setText(text);
        edit->setCursorPosition(cursor);
    }
}

void PanelView::ResetKeyButtons() {
    keys_.ResetKeyButtons();
    if (preview_ != nullptr) preview_->KeysDrawnElsewhere();
}

void PanelView::RedrawKeyAssignments() { keys_.RedrawKeyAssignments(); }

void PanelView::SetKeyFrameColour(int controlId, Rgb colour) {
    keys_.SetKeyFrameColour(controlId, colour, true);
    if (preview_ != nullptr) preview_->KeysDrawnElsewhere();
}

void PanelView::SetKeyLight(int controlId, const KeyLightLook& look) { keys_.SetKeyLight(controlId, look); }

void PanelView::SetKeyViewCaption(std::string_view caption) { keys_.SetKeyViewCaption(caption); }

void PanelView::EnableApply() { keys_.EnableApply(); }

void PanelView::RestartPreview() {
    if (preview_ != nullptr) preview_->RestartPreview();
}

}  // namespace quovex::gui
