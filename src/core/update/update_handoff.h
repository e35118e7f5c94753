// The firmware update hand-off: the user picks an outside update program,
// the keyboard is switched into its update mode with one report, and the
// program is started to do the rest. The program's path outlives the update
// dialog: it is kept here, by the application context, for the life of the
// process. Window thread only.
#pragma once

#include <filesystem>

#include "app/prompter.h"
#include "app/text_table.h"
#include "device/command_set.h"
#include "update/program_launcher.h"

namespace quovex {

class UpdateHandOff {
public:
    // What the update dialog does after a command.
    enum class DialogAction { kKeepOpen, kClose };

    // Open (1181): the user chooses the program in the package folder (empty
    // path on cancel); afterwards relative file names of the process resolve
    // against the package folder. Returns the path for the dialog's label.
    const std::filesystem::path& ChooseUpdateProgram(Prompter& prompter,
                                                     const std::filesystem::path& package_folder);

    // Update (1147): with no file at the path (an empty one included)
    // MAIN_UPDATE_ERROR_TEXT, nothing sent. Otherwise CMD_ENTER_UPDATE; unless
    // the library reports it sent (exactly 1), MAIN_BOOT_ERROR_TEXT and the
    // path stays. Then the program is started and the path emptied; when it
    // could not be started, MAIN_SHELL_ERROR_TEXT and the dialog stays open
    // (the keyboard is already in update mode).
    DialogAction Update(CommandSet& commands, Prompter& prompter, const TextTable& texts,
                        ProgramLauncher& launcher);

    // Cancel update (1180): forgets the path; the dialog closes.
    DialogAction CancelUpdate();

    const std::filesystem::path& ProgramPath() const { return program_path_; }

private:
    std::filesystem::path program_path_;
};

}  // namespace quovex
