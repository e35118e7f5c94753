#include "skin/skin_files.h"

#include <stdexcept>

namespace quovex::skin {

const SkinDialogInfo& SkinDialogInfoOf(SkinDialog dialog) {
    for (const SkinDialogInfo& info : kSkinDialogs) {
        if (info.dialog == dialog) return info;
    }
    throw std::logic_error("unknown skin dialog");
}

SkinPaths SkinPathsOf(const std::filesystem::path& program_folder, SkinDialog dialog) {
    const std::filesystem::path folder = program_folder / kSkinFolderName;
    return SkinPaths{folder / SkinDialogInfoOf(dialog).ini_name, folder};
}

std::filesystem::path StateImageName(std::string_view file_name) {
    return std::filesystem::path(kSkinFolderName) / file_name;
}

namespace panel_images {

std::string ProgressFrame(int frame) { return "jdt" + std::to_string(frame + 1) + ".bmp"; }
std::string BrightnessTrack(int value) { return std::to_string(value) + ".bmp"; }
std::string SpeedTrack(int position) { return std::to_string(6 + position) + ".bmp"; }

}  // namespace panel_images

}  // namespace quovex::skin
