#include "app/application_paths.h"

#include "app/text_table.h"

namespace quovex {

namespace {

SkinFilePath SkinFile(const std::filesystem::path& program_folder, const char* name) {
    const std::filesystem::path folder = program_folder / "Skins";
    return {folder / name, folder};
}

}  // namespace

ApplicationPaths MakeApplicationPaths(const UserRoots& roots) {
    ApplicationPaths paths;
    const std::filesystem::path& program = roots.program_folder;
    paths.program_folder = program;
    paths.main_skin = SkinFile(program, "Main.ini");
    paths.profile_skin = SkinFile(program, "Profile.ini");
    paths.update_skin = SkinFile(program, "UpdateDlg.ini");
    paths.composite_skin = SkinFile(program, "Composite.ini");
    paths.package_folder = program / "Package";
    paths.help_folder = program / "Help";
    paths.background_program = program / "KbDaemon.exe";
    paths.language_file = LanguageFilePath(program);
    paths.skin_colour_prefix = program / "Skins" / "UserDengColor_";

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
