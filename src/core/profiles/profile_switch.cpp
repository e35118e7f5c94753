#include "profiles/profile_switch.h"

#include <string>

#include "model/current_profile.h"
#include "model/profile_file.h"
#include "profiles/profile_folder.h"
#include "profiles/profile_menu.h"
#include "profiles/profile_services.h"
#include "profiles/working_file.h"

namespace quovex {

namespace {

// The No answer: the working profile goes back to what the working file holds.
void DiscardUnsavedChanges(ProfileServices& services) {
    services.SetApplyEnabled(false);
    if (services.CurrentProfile() < 0) return;
    auto lock = services.working.Lock();
    const std::filesystem::path path = GetProfilePath(services.paths, services.keyboard.CachedProfile());
    std::string error;
    // A working file that does not load leaves the working profile as it was.
    if (LoadImageFile(services.working, path, &error) != 1)
        services.log.WriteLine("cannot reload the working file " + path.string() + ": " + error);
}

// The save question, asked once however many switches arrive while it is on
// screen: only the switch that raised it asks, and only that one lowers it.
void AskToSaveChanges(ProfileServices& services) {
    if (services.flags.switch_question_open.exchange(true)) return;
    if (AskTextYesNo(services.prompter, services.texts, "PROFILE_SELECT_PROMPT")) {
        ApplyWorkingProfile(services);
    } else {
        DiscardUnsavedChanges(services);
    }
    services.flags.switch_question_open.store(false);
}

}  // namespace

int SwitchProfile(ProfileServices& services, int profile) {
    if (profile >= GetProfileCount()) profile = 0;
    if (services.view.IsKeyAssignmentDialogOpen()) {
        ShowTextMessage(services.prompter, services.texts, "PROFILE_SEELCT_PROMPT2");
        return 0;
    }
    const bool unsaved = services.view.IsProfileDialogModified() || services.flags.apply_enabled.load();
    if (unsaved) {
        AskToSaveChanges(services);
        SetCurrentProfile(services.commands, services.keyboard, profile);
    } else {
        SetCurrentProfile(services.commands, services.keyboard, profile);
        if (profile >= 0 && services.view.IsProfileDialogOpen()) services.view.CheckProfileDialogRow(profile);
    }
    ApplyProfileSwitch(services, profile);
    BuildProfileMenu(services);
    return 1;
}

int ApplyProfileSwitch(ProfileServices& services, int /*profile*/) {
    services.RefreshKeyView();
    return 1;
}

}  // namespace quovex
