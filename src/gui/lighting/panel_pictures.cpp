#include "lighting/panel_pictures.h"

#include "lighting/lighting_panel_controls.h"

namespace quovex::gui {

std::vector<std::string> PanelPictures::FileNames() {
    namespace pictures = lighting_picture;
    std::vector<std::string> names = {std::string(pictures::kViewOff), std::string(pictures::kViewOn),
                                      std::string(pictures::kMultiColourOff),
                                      std::string(pictures::kMultiColourOn)};
    for (const auto& swatch : pictures::kSwatches) {
        names.emplace_back(swatch.plain);
        names.emplace_back(swatch.chosen);
    }
    for (const auto& pair : pictures::kDirectionPairs) {
        for (const std::string_view name :
             {pair.firstReleased, pair.firstPressed, pair.secondReleased, pair.secondPressed}) {
            names.emplace_back(name);
        }
    }
    for (const auto& tool : pictures::kTools) {
        names.emplace_back(tool.released);
        names.emplace_back(tool.pressed);
    }
    for (int frame = 0; frame < pictures::kProgressFrames; ++frame) names.push_back(pictures::ProgressFrame(frame));
    for (int position = 0; position <= lighting_control::kHighestSliderPosition; ++position) {
        names.push_back(pictures::BrightnessTrack(position));
        names.push_back(pictures::SpeedTrack(position));
    }
    return names;
}

void PanelPictures::Load(const std::filesystem::path& folder) {
    pictures_.clear();
    missing_.clear();
    for (const std::string& name : FileNames()) {
        QPixmap picture;
        if (!picture.load(QString::fromStdString((folder / name).string()))) {
            missing_.push_back(name);
            continue;
        }
        pictures_.insert(QString::fromStdString(name), picture);
    }
}

QPixmap PanelPictures::Get(std::string_view file_name) const {
    return pictures_.value(QString::fromUtf8(file_name.data(), static_cast<qsizetype>(file_name.size())));
}

}  // namespace quovex::gui
