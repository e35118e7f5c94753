#include "cli/commands/info_command.h"

#include <nlohmann/json.hpp>
#include <ostream>

#include "cli/exit_status.h"
#include "cli/grammar.h"
#include "cli/keyboard_session.h"
#include "device/result_codes.h"
#include "device/state_block.h"

namespace quovex::cli {
namespace {

struct KeyboardInfo {
    uint32_t keyboards = 0;
    StateBlock state{};  // read only when a keyboard is present
};

void PrintText(std::ostream& out, const KeyboardInfo& info) {
    out << "Keyboards present: " << info.keyboards << '\n';
    if (info.keyboards == 0) {
        out << "No keyboard is present.\n";
        return;
    }
    out << "Current on-board profile: ";
    // The keyboard counts its profiles from 0; people count them from 1.
    if (const int profile = CurrentProfileOf(info.state); profile >= 0) {
        out << profile + 1 << '\n';
    } else {
        out << "unknown (the keyboard reports " << int{info.state[kStateCurrentProfileOffset]} << ")\n";
    }
    out << "Macro memory size: " << MacroMemorySizeOf(info.state) << " bytes\n";
    out << "Lighting modes:";
    const std::vector<uint8_t> modes = LightingModesOf(info.state);
    if (modes.empty()) out << " none";
    for (size_t i = 0; i < modes.size(); ++i) out << (i == 0 ? " " : ", ") << int{modes[i]};
    out << '\n';
}

void PrintJson(std::ostream& out, const KeyboardInfo& info) {
    nlohmann::ordered_json json;
    json["keyboards"] = info.keyboards;
    if (info.keyboards != 0) {
        const int profile = CurrentProfileOf(info.state);
        json["current_profile"] =
            profile >= 0 ? nlohmann::ordered_json(profile + 1) : nlohmann::ordered_json();
        json["macro_memory_bytes"] = MacroMemorySizeOf(info.state);
        json["lighting_modes"] = LightingModesOf(info.state);
    }
    out << json.dump() << '\n';
}

}  // namespace

std::unique_ptr<Command> MakeInfoCommand() {
    return std::make_unique<InfoCommand>();
}

int InfoCommand::Run(CommandContext& context) {
    std::string error;
    std::unique_ptr<KeyboardSession> session = context.open_keyboard(&error);
    if (session == nullptr) {
        context.err << kProgramName << ": " << error << '\n';
        return kExitStartupFailed;
    }

    KeyboardInfo info;
    info.keyboards = session->Link().GetDeviceCount();
    if (info.keyboards != 0) {
        const int result = session->Commands().ReadState(info.state);
        if (result != kResultDone) {
            context.err << kProgramName << ": info: cannot read the keyboard's state: result " << result
                        << " (" << ResultMeaning(result) << ")\n";
            return kExitKeyboardFailed;
        }
    }
    if (context.options.json) {
        PrintJson(context.out, info);
    } else {
        PrintText(context.out, info);
    }
    return kExitDone;
}

}  // namespace quovex::cli
