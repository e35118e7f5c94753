// Where the program looks for the user's folders and its own files: the XDG
// documents and configuration folders, the path table, the profile folder
// and the working file.
#include <gtest/gtest.h>

#include <cstdlib>

#include "app/application_paths.h"
#include "app/user_folders.h"
#include "profiles/profile_folder.h"
#include "support/temporary_folder.h"

namespace quovex {
namespace {

using test_support::TemporaryFolder;
using test_support::WriteText;

TEST(PathsUserFoldersTest, DocumentsLineOfUserDirs) {
    const std::filesystem::path home = "/home/ada";
    struct Case {
        const char* text;
        const char* expected;
    };
    const Case cases[] = {
        {"XDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\n", "/home/ada/Dokumente"},
        {"# written by xdg-user-dirs-update\nXDG_DESKTOP_DIR=\"$HOME/Desktop\"\r\n"
         "XDG_DOCUMENTS_DIR=\"$HOME/My Files\"\r\n",
         "/home/ada/My Files"},
        {"XDG_DOCUMENTS_DIR=\"/srv/papers\"", "/srv/papers"},
        {"  XDG_DOCUMENTS_DIR = \"$HOME/a \\\"quoted\\\" name\"", "/home/ada/a \"quoted\" name"},
        {"XDG_DOCUMENTS_DIR=\"$HOME/\"", "/home/ada"},
        {"XDG_DOCUMENTS_DIR=\"$HOMEWORK/x\"", ""},  // not $HOME: a relative folder
        {"XDG_DOCUMENTS_DIR=\"papers\"", ""},
        {"XDG_DOCUMENTS_DIR=$HOME/unquoted", ""},
        {"#XDG_DOCUMENTS_DIR=\"$HOME/commented\"", ""},
        {"", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(DocumentsFolderFromUserDirs(c.text, home), std::filesystem::path(c.expected));
    }
}

TEST(PathsUserFoldersTest, DocumentsFolderPrefersTheVariableThenUserDirsThenHome) {
    TemporaryFolder folder;
    UserRoots roots;
    roots.home = folder / "home";
    EXPECT_EQ(DocumentsFolder(roots), roots.home / "Documents") << "no user-dirs.dirs";

    std::filesystem::create_directories(roots.home / ".config");
    WriteText(roots.home / ".config" / "user-dirs.dirs", "XDG_DOCUMENTS_DIR=\"$HOME/Docs\"\n");
    EXPECT_EQ(DocumentsFolder(roots), roots.home / "Docs");

    roots.config_home = folder / "elsewhere";  // user-dirs.dirs is read from the configuration folder
    EXPECT_EQ(DocumentsFolder(roots), roots.home / "Documents");

    roots.documents = folder / "chosen";
    EXPECT_EQ(DocumentsFolder(roots), folder / "chosen");

    EXPECT_EQ(DocumentsFolder(UserRoots{}), std::filesystem::path{}) << "nothing known";
}

TEST(PathsUserFoldersTest, RelativeXdgVariablesAreIgnored) {
    const std::string saved_config = std::getenv("XDG_CONFIG_HOME") ? std::getenv("XDG_CONFIG_HOME") : "";
    const std::string saved_documents =
        std::getenv("XDG_DOCUMENTS_DIR") ? std::getenv("XDG_DOCUMENTS_DIR") : "";
    setenv("XDG_CONFIG_HOME", "relative/config", 1);
    setenv("XDG_DOCUMENTS_DIR", "/absolute/documents", 1);
    const UserRoots roots = UserRootsFromEnvironment();
    saved_config.empty() ? unsetenv("XDG_CONFIG_HOME") : setenv("XDG_CONFIG_HOME", saved_config.c_str(), 1);
    saved_documents.empty() ? unsetenv("XDG_DOCUMENTS_DIR")
                            : setenv("XDG_DOCUMENTS_DIR", saved_documents.c_str(), 1);

    EXPECT_TRUE(roots.config_home.empty());
    EXPECT_EQ(roots.documents, "/absolute/documents");
    EXPECT_FALSE(roots.program_folder.empty());
    EXPECT_EQ(ConfigFolder(roots), roots.home / ".config");
}

TEST(PathsUserFoldersTest, PathTable) {
    UserRoots roots;
    roots.home = "/home/ada";
    roots.documents = "/home/ada/Documents";
    roots.program_folder = "/opt/quovex";
    const ApplicationPaths paths = MakeApplicationPaths(roots);
    const std::pair<std::filesystem::path, const char*> expected[] = {
        {paths.main_skin.ini_path, "/opt/quovex/Skins/Main.ini"},
        {paths.main_skin.image_folder, "/opt/quovex/Skins"},
        {paths.profile_skin.ini_path, "/opt/quovex/Skins/Profile.ini"},
        {paths.update_skin.ini_path, "/opt/quovex/Skins/UpdateDlg.ini"},
        {paths.update_skin.image_folder, "/opt/quovex/Skins"},
        {paths.composite_skin.ini_path, "/opt/quovex/Skins/Composite.ini"},
        {paths.package_folder, "/opt/quovex/Package"},
        {paths.help_folder, "/opt/quovex/Help"},
        {paths.background_program, "/opt/quovex/KbDaemon.exe"},
        {paths.language_file, "/opt/quovex/Skins/language.ini"},
        {paths.skin_colour_prefix, "/opt/quovex/Skins/UserDengColor_"},
        {paths.profile_folder, "/home/ada/Documents/Gaming Keyboard"},
        {paths.user_colour_prefix, "/home/ada/Documents/Gaming Keyboard/UserDengColor_"},
        {paths.lighting_settings_file, "/home/ada/Documents/Gaming Keyboard/lxkb.ini"},
        {paths.settings_file, "/home/ada/.config/Quovex_Orvane/Quovex.ini"},
        {GetProfilePath(paths, 0), "/home/ada/Documents/Gaming Keyboard/$Profile0"},
        {GetProfilePath(paths, 1), "/home/ada/Documents/Gaming Keyboard/$Profile0"},
        {GetProfilePath(paths, 2), "/home/ada/Documents/Gaming Keyboard/$Profile0"},
    };
    for (const auto& [path, text] : expected) EXPECT_EQ(path, std::filesystem::path(text));

    const ApplicationPaths unknown = MakeApplicationPaths(UserRoots{});
    EXPECT_TRUE(unknown.profile_folder.empty());
    EXPECT_TRUE(GetProfilePath(unknown, 0).empty());
    EXPECT_TRUE(unknown.settings_file.empty());
}

TEST(PathsUserFoldersTest, ProfileFolderIsCreatedAndSeededOnlyOnce) {
    TemporaryFolder folder;
    ApplicationPaths paths;
    paths.profile_folder = folder / "Documents" / "Gaming Keyboard";  // the documents folder is missing too
    int seeded = 0;
    LightingHooks lighting;
    lighting.seed_colour_presets = [&] { ++seeded; };

    EXPECT_TRUE(EnsureProfileFolder(paths, lighting));
    EXPECT_TRUE(std::filesystem::is_directory(paths.profile_folder));
    EXPECT_TRUE(EnsureProfileFolder(paths, lighting));
    EXPECT_EQ(seeded, 1);

    paths.profile_folder = folder / "blocked" / "Gaming Keyboard";
    WriteText(folder / "blocked", "a file where the folder should be");
    EXPECT_FALSE(EnsureProfileFolder(paths, lighting));
    EXPECT_FALSE(EnsureProfileFolder(ApplicationPaths{}, lighting));
    EXPECT_EQ(seeded, 1);
}

}  // namespace
}  // namespace quovex
