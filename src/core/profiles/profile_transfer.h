// Export, import and backup of the whole working profile (all three on-board
// profiles, the macros and their strings) as a profile file of the user's
// choosing (".qvx"). Each runs on the window thread and holds the profile
// lock for all of its file and keyboard work.
#pragma once

#include <filesystem>
#include <optional>

#include "app/prompter.h"

namespace quovex {

struct ProfileServices;

// The file dialogs of the three commands: initial name "*.qvx", profile files
// and all files.
FileChoice ProfileFileChoice(FileChoice::Purpose purpose);

// Export (menu command 32777): the user chooses a file, the working profile is
// saved to it. No message either way (a failure goes to the log).
void ExportProfile(ProfileServices& services);
int ExportProfileTo(ProfileServices& services, const std::filesystem::path& path);

// Import (menu command 32776): the user chooses a file. A valid one replaces
// the working profile, is saved to the working file when that exists, and is
// written to the keyboard (the key maps of all three profiles and the macros);
// then the key view is redrawn and Apply disabled. The file is loaded
// completely before anything is replaced: a file that fails the check, or
// passes it but is cut short or damaged, shows MAIN_PROMPT_INPORT (after the
// check's own PROFILE_FORMAT_ERROR for a bad header) and leaves the working
// profile, the working file and the keyboard as they were.
void ImportProfile(ProfileServices& services);
// True when the working profile now holds the file (even if the keyboard
// did not take it; the writer shows its own message then).
bool ImportProfileFrom(ProfileServices& services, const std::filesystem::path& path);

// Backup (update dialog button 1182): the user chooses a file, the working
// profile is saved to it, then MAIN_UPDATE_BACKUP_OK or MAIN_UPDATE_BACKUP_NG.
void BackupProfile(ProfileServices& services);
int BackupProfileTo(ProfileServices& services, const std::filesystem::path& path);

}  // namespace quovex
