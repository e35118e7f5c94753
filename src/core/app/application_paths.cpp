#include "app/application_paths.h"

#include "app/text_table.h"

namespace quovex {

ApplicationPaths MakeApplicationPaths(const UserRoots& roots) {
    ApplicationPaths paths;
    const std::filesystem::path& program = roots.program_folder;
    paths.program_folder = program;
    paths.main_skin = skin::SkinPathsOf(program, skin::SkinDialog::kMain);
    paths.profile_skin = skin::SkinPathsOf(program, skin::SkinDialog::kProfile);
    paths.update_skin = skin::SkinPathsOf(program, skin::SkinDialog::kUpdate);
    paths.composite_skin = skin::SkinPathsOf(program, skin::SkinDialog::kComposite);
    paths.package_folder = program / "Package";
    paths.help_folder = program / "Help";
    paths.background_program = program / "KbDaemon.exe";
    paths.language_file = LanguageFilePath(program);
    paths.skin_colour_prefix = program / skin::kSkinFolderName / "UserDengColor_";

    paths.documents_folder = DocumentsFolder(roots);
    if (!paths.documents_folder.empty()) {
        paths.profile_folder = paths.documents_folder / "Gaming Keyboard";
        paths.user_colour_prefix = paths.profile_folder / "UserDengColor_";
        paths.lighting_settings_file = paths.profile_folder / "lxkb.ini";
    }
    const std::filesystem::path config = ConfigFolder(roots);
    if (!config.empty()) paths.settings_file = config / "Quovex_Orvane" / "Quovex.ini";
    return paths;
}

}  // namespace quovex
