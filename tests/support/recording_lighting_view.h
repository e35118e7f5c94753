// A lighting panel view for tests: keeps what each control shows now (for
// assertions on the end state) and a log of every call in order (for
// assertions on sequences such as "reset, then paint").
#pragma once

#include <array>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "lighting/lighting_panel_view.h"

namespace quovex::test_support {

class RecordingLightingView : public LightingPanelView {
public:
    struct Slider {
        int position = -1;
        std::string track;
    };

    void SetControlVisible(int controlId, bool visible) override {
        visible_[controlId] = visible;
        Log("visible " + std::to_string(controlId) + (visible ? " on" : " off"));
    }
    void SetPicture(int controlId, std::string_view pictureFile) override {
        pictures_[controlId] = std::string(pictureFile);
        Log("picture " + std::to_string(controlId) + " " + std::string(pictureFile));
    }
    void MoveControl(int controlId, std::string_view positionKey) override {
        places_[controlId] = std::string(positionKey);
        Log("move " + std::to_string(controlId) + " " + std::string(positionKey));
    }
    void SetButtonChecked(int controlId, bool checked) override {
        checked_[controlId] = checked;
        Log("checked " + std::to_string(controlId) + (checked ? " on" : " off"));
    }
    void SetColourButton(int controlId, Rgb colour) override {
        colours_[controlId] = colour;
        Log("colour " + std::to_string(controlId));
    }
    void SetSliderPosition(int sliderId, int position) override {
        sliders_[sliderId].position = position;
        Log("slider " + std::to_string(sliderId) + " " + std::to_string(position));
    }
    void SetSliderTrack(int sliderId, std::string_view pictureFile) override {
        sliders_[sliderId].track = std::string(pictureFile);
        Log("track " + std::to_string(sliderId) + " " + std::string(pictureFile));
    }
    void SetRgbBoxes(int red, int green, int blue) override {
        rgbBoxes_ = {red, green, blue};
        Log("rgb");
    }
    void SetEffectList(std::span<const EffectListItem> items) override {
        effectList_.assign(items.begin(), items.end());
        effectSelection_ = -1;
        Log("effect list " + std::to_string(items.size()));
    }
    void SelectEffect(int listIndex) override {
        effectSelection_ = listIndex;
        Log("select effect " + std::to_string(listIndex));
    }
    void SetPresetList(std::span<const std::string> names) override {
        presetList_.assign(names.begin(), names.end());
        Log("preset list");
    }
    void SelectPresetEntry(int index) override {
        presetSelection_ = index;
        Log("select preset " + std::to_string(index));
    }
    void RenamePresetEntry(int index, std::string_view name) override {
        if (index >= 0 && index < static_cast<int>(presetList_.size()))
            presetList_[index] = std::string(name);
        Log("rename preset " + std::to_string(index));
    }
    void ResetKeyButtons() override {
        frames_.clear();
        Log("reset keys");
    }
    void RedrawKeyAssignments() override { Log("redraw assignments"); }
    void SetKeyFrameColour(int controlId, Rgb colour) override {
        frames_[controlId] = colour;
        ++frameCalls_;
    }
    void SetKeyLight(int controlId, const KeyLightLook& look) override {
        keyLights_[controlId] = look;
        Log("key light " + std::to_string(controlId));
    }
    void SetKeyViewCaption(std::string_view caption) override {
        caption_ = std::string(caption);
        Log("caption");
    }
    void EnableApply() override {
        ++applyEnabled_;
        Log("enable apply");
    }
    void RestartPreview() override {
        ++previewRestarts_;
        Log("restart preview");
    }

    // --- What the panel shows now.
    std::optional<bool> Visible(int id) const { return Find(visible_, id); }
    std::string Picture(int id) const { return Find(pictures_, id).value_or(""); }
    std::string Place(int id) const { return Find(places_, id).value_or(""); }
    std::optional<bool> Checked(int id) const { return Find(checked_, id); }
    std::optional<Rgb> Colour(int id) const { return Find(colours_, id); }
    Slider SliderOf(int id) const { return Find(sliders_, id).value_or(Slider{}); }
    std::optional<std::array<int, 3>> RgbBoxes() const { return rgbBoxes_; }
    const std::vector<EffectListItem>& EffectList() const { return effectList_; }
    int EffectSelection() const { return effectSelection_; }
    const std::vector<std::string>& PresetList() const { return presetList_; }
    int PresetSelection() const { return presetSelection_; }
    std::optional<Rgb> Frame(int id) const { return Find(frames_, id); }
    int FrameCalls() const { return frameCalls_; }
    std::optional<KeyLightLook> KeyLight(int id) const { return Find(keyLights_, id); }
    const std::string& Caption() const { return caption_; }
    int ApplyEnabled() const { return applyEnabled_; }
    int PreviewRestarts() const { return previewRestarts_; }

    const std::vector<std::string>& Calls() const { return calls_; }
    void ClearCalls() {
        calls_.clear();
        frameCalls_ = 0;
    }

private:
    template <typename Map>
    static std::optional<typename Map::mapped_type> Find(const Map& map, int id) {
        const auto found = map.find(id);
        if (found == map.end()) return std::nullopt;
        return found->second;
    }
    void Log(std::string call) { calls_.push_back(std::move(call)); }

    std::map<int, bool> visible_;
    std::map<int, std::string> pictures_;
    std::map<int, std::string> places_;
    std::map<int, bool> checked_;
    std::map<int, Rgb> colours_;
    std::map<int, Slider> sliders_;
    std::optional<std::array<int, 3>> rgbBoxes_;
    std::vector<EffectListItem> effectList_;
    int effectSelection_ = -1;
    std::vector<std::string> presetList_;
    int presetSelection_ = -1;
    std::map<int, Rgb> frames_;
    int frameCalls_ = 0;
    std::map<int, KeyLightLook> keyLights_;
    std::string caption_;
    int applyEnabled_ = 0;
    int previewRestarts_ = 0;
    std::vector<std::string> calls_;
};

}  // namespace quovex::test_support
