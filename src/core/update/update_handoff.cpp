#include "update/update_handoff.h"

#include <system_error>

namespace quovex {

const std::filesystem::path& UpdateHandOff::ChooseUpdateProgram(Prompter& prompter,
                                                                const std::filesystem::path& package_folder) {
    FileChoice choice;
    choice.purpose = FileChoice::Purpose::kOpen;
    choice.folder = package_folder;
    choice.file_name = "*.exe";
    choice.filter_name = "MyType Files (*.exe)";
    choice.extension = ".exe";
    program_path_ = prompter.ChooseFile(choice).value_or(std::filesystem::path{});
    std::error_code ec;
    std::filesystem::current_path(package_folder, ec);
    return program_path_;
}

UpdateHandOff::DialogAction UpdateHandOff::Update(CommandSet& commands, Prompter& prompter,
                                                  const TextTable& texts, ProgramLauncher& launcher) {
    std::error_code ec;
    if (program_path_.empty() || !std::filesystem::is_regular_file(program_path_, ec)) {
        ShowTextMessage(prompter, texts, "MAIN_UPDATE_ERROR_TEXT");
        return DialogAction::kKeepOpen;
    }
    if (commands.EnterUpdate() != 1) {
        ShowTextMessage(prompter, texts, "MAIN_BOOT_ERROR_TEXT");
        return DialogAction::kKeepOpen;
    }
    const bool started = launcher.StartProgram(program_path_);
    program_path_.clear();
    if (started) return DialogAction::kClose;
    ShowTextMessage(prompter, texts, "MAIN_SHELL_ERROR_TEXT");
    return DialogAction::kKeepOpen;
}

UpdateHandOff::DialogAction UpdateHandOff::CancelUpdate() {
    program_path_.clear();
    return DialogAction::kClose;
}

}  // namespace quovex
