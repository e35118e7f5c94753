// What the profile operations work with: the keyboard, the working profile
// and its write copy, the profile folder, the texts, the prompter, the main
// window, the log, the lighting hooks and the settings store. The application
// context owns all of it and hands this set out; tests may build their own.
#pragma once

#include "app/application_paths.h"
#include "app/lighting_hooks.h"
#include "app/log_sink.h"
#include "app/main_window_flags.h"
#include "app/prompter.h"
#include "app/settings_store.h"
#include "app/text_table.h"
#include "app/view_sink.h"
#include "device/command_set.h"
#include "keys/keyboard_writer.h"
#include "model/keyboard_context.h"
#include "model/working_profile.h"

namespace quovex {

struct ProfileServices {
    CommandSet& commands;
    KeyboardContext& keyboard;
    WorkingProfile& working;
    WriteCopy& write_copy;
    const ApplicationPaths& paths;
    const TextTable& texts;
    Prompter& prompter;
    ViewSink& view;
    LogSink& log;
    const LightingHooks& lighting;
    MainWindowFlags& flags;
    SettingsStore& settings;

    KeyboardWriteServices KeyboardWrite() const { return {commands, keyboard, prompter, texts}; }

    // The current on-board profile 0..2, asking the keyboard while it is
    // unknown; kProfileUnknown when the keyboard does not tell.
    int CurrentProfile();

    // Sets the Apply-enabled flag and the Apply button together.
    void SetApplyEnabled(bool enabled);

    // Redraws the key buttons from the current profile's block, with the
    // profile lock held. While the current profile is unknown nothing is
    // redrawn: there is no block to show, and the view keeps what it showed.
    void RefreshKeyView();
};

}  // namespace quovex
