// Where the user's files go: the documents folder (profile folder, presets)
// and the configuration folder (the settings store), found by the XDG rules,
// and the program folder. Every root is a plain value, so tests and other
// front ends can point the program at folders of their own.
#pragma once

#include <filesystem>

namespace quovex {

struct UserRoots {
    std::filesystem::path home;            // $HOME, else the password database's home folder
    std::filesystem::path config_home;     // $XDG_CONFIG_HOME; empty: home/.config
    std::filesystem::path documents;       // $XDG_DOCUMENTS_DIR; empty: user-dirs.dirs, else home/Documents
    std::filesystem::path program_folder;  // the executable's folder (Skins/, Help/, Package/)
};

// The roots this process runs with. Relative values of the XDG variables are
// ignored, as the XDG base directory rules ask.
UserRoots UserRootsFromEnvironment();

// config_home when set, else home/.config; empty when neither is known.
std::filesystem::path ConfigFolder(const UserRoots& roots);

// The documents folder: `documents` when set, else the XDG_DOCUMENTS_DIR line
// of config folder/user-dirs.dirs ("$HOME/..." or an absolute path), else
// home/Documents. Empty when the home folder is unknown and nothing else
// names one.
std::filesystem::path DocumentsFolder(const UserRoots& roots);

// The value of XDG_DOCUMENTS_DIR in the text of a user-dirs.dirs file, with
// "$HOME" expanded to `home`; empty when the file names none or names a
// relative folder.
std::filesystem::path DocumentsFolderFromUserDirs(std::string_view user_dirs_text,
                                                  const std::filesystem::path& home);

}  // namespace quovex
