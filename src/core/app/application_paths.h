// Every file and folder the program uses, computed once at start from the
// user's roots: the program folder's table (skin files with their folders,
// package, help, the background program, the language file, the factory
// colour presets) and the user's own folders (the profile folder in the
// documents folder, the settings store in the configuration folder).
#pragma once

#include <filesystem>

#include "app/user_folders.h"
#include "skin/skin_files.h"

namespace quovex {

struct ApplicationPaths {
    // Program folder and what lies in it.
    std::filesystem::path program_folder;
    // Each skin file with the folder its pictures are loaded from.
    skin::SkinPaths main_skin;                 // Skins/Main.ini, the main window
    skin::SkinPaths profile_skin;              // Skins/Profile.ini, the profile dialog
    skin::SkinPaths update_skin;               // Skins/UpdateDlg.ini, the firmware update dialog
    skin::SkinPaths composite_skin;            // Skins/Composite.ini, the key assignment dialog
    std::filesystem::path package_folder;      // Package: where the update program is chosen
    std::filesystem::path help_folder;         // Help: holds index.html
    std::filesystem::path background_program;  // KbDaemon.exe, started at start when present
    std::filesystem::path language_file;       // Skins/language.ini
    // Factory colour presets: this prefix + the profile number + ".userd".
    std::filesystem::path skin_colour_prefix;

    // The user's folders.
    std::filesystem::path documents_folder;
    // documents folder/Gaming Keyboard: the working file, the colour presets,
    // lxkb.ini and the profile files the user creates. Empty when the
    // documents folder cannot be found.
    std::filesystem::path profile_folder;
    // The user's colour presets: this prefix + the profile number + ".userd".
    std::filesystem::path user_colour_prefix;
    std::filesystem::path lighting_settings_file;  // lxkb.ini in the profile folder
    // config folder/Quovex_Orvane/Quovex.ini: the values of section "PROFILES".
    std::filesystem::path settings_file;
};

ApplicationPaths MakeApplicationPaths(const UserRoots& roots);

}  // namespace quovex
