#include "profiles/profile_transfer.h"

#include <string>

#include "keys/keyboard_writer.h"
#include "model/profile_file.h"
#include "profiles/profile_services.h"
#include "profiles/working_file.h"

namespace quovex {

namespace {

int SaveTo(ProfileServices& services, const std::filesystem::path& path, const char* command) {
    auto lock = services.working.Lock();
    std::string error;
    const int saved = SaveWorkingProfile(services.working, path, &error);
    if (saved != 1)
        services.log.WriteLine(std::string(command) + ": cannot write " + path.string() + ": " + error);
    return saved;
}

}  // namespace

FileChoice ProfileFileChoice(FileChoice::Purpose purpose) {
    FileChoice choice;
    choice.purpose = purpose;
    choice.file_name = "*.qvx";
    choice.filter_name = "(*.qvx)";
    choice.extension = ".qvx";
    return choice;
}

void ExportProfile(ProfileServices& services) {
    const auto path = services.prompter.ChooseFile(ProfileFileChoice(FileChoice::Purpose::kSave));
    if (path) ExportProfileTo(services, *path);
}

int ExportProfileTo(ProfileServices& services, const std::filesystem::path& path) {
    return SaveTo(services, path, "export");
}

void ImportProfile(ProfileServices& services) {
    const auto path = services.prompter.ChooseFile(ProfileFileChoice(FileChoice::Purpose::kOpen));
    if (path) ImportProfileFrom(services, *path);
}

bool ImportProfileFrom(ProfileServices& services, const std::filesystem::path& path) {
    if (ValidateImageFile(path, services.prompter, services.texts) > 0) {
        auto lock = services.working.Lock();
        std::string error;
        // LoadImageFile replaces the working profile only once the whole file has loaded.
        if (LoadImageFile(services.working, path, &error) == 1) {
            SaveWorkingProfileIfPresent(services);
            MakeWriteCopy(services.working, services.write_copy, true, services.KeyboardWrite());
            services.RefreshKeyView();
            lock.unlock();
            services.SetApplyEnabled(false);
            return true;
        }
        services.log.WriteLine("import: cannot load " + path.string() + ": " + error);
    }
    ShowTextMessage(services.prompter, services.texts, "MAIN_PROMPT_INPORT");
    return false;
}

void BackupProfile(ProfileServices& services) {
    const auto path = services.prompter.ChooseFile(ProfileFileChoice(FileChoice::Purpose::kSave));
    if (path) BackupProfileTo(services, *path);
}

int BackupProfileTo(ProfileServices& services, const std::filesystem::path& path) {
    const int saved = SaveTo(services, path, "backup");
    ShowTextMessage(services.prompter, services.texts,
                    saved == 1 ? "MAIN_UPDATE_BACKUP_OK" : "MAIN_UPDATE_BACKUP_NG");
    return saved;
}

}  // namespace quovex
