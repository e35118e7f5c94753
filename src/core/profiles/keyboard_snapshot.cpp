#include "profiles/keyboard_snapshot.h"

#include <array>
#include <string>
#include <vector>

#include "device/result_codes.h"
#include "macros/macro_memory.h"
#include "model/profile_file.h"
#include "profiles/profile_services.h"

namespace quovex {

namespace {

uint16_t ReadU16(std::span<const uint8_t> bytes, size_t offset) {
    return static_cast<uint16_t>(bytes[offset] | (bytes[offset + 1] << 8));
}

void LogFailure(ProfileServices& services, const std::string& what, int result) {
    services.log.WriteLine("keyboard snapshot: " + what + " failed (" + std::to_string(result) + ": " +
                           ResultMeaning(result) + ")");
}

// The macro memory as the keyboard holds it: its 16-byte header first, then,
// when the header carries the magic word, the used size it announces.
std::optional<std::vector<uint8_t>> ReadMacroMemory(ProfileServices& services) {
    std::vector<uint8_t> block(kMacroMemoryHeaderSize);
    const int header = services.commands.ReadMacros(block);
    if (header != kResultDone) {
        LogFailure(services, "reading the macro memory header", header);
        return std::nullopt;
    }
    if (ReadU16(block, 0) != kMacroMemoryMagic) return std::vector<uint8_t>{};  // holds no macros

    const size_t used = ReadU16(block, 2);
    if (used < kMacroMemoryHeaderSize) {
        services.log.WriteLine("keyboard snapshot: the macro memory says it is " + std::to_string(used) +
                               " bytes long, less than its header");
        return std::nullopt;
    }
    block.resize(used);
    const int read = services.commands.ReadMacros(block);
    if (read != kResultDone) {
        LogFailure(services, "reading the macro memory", read);
        return std::nullopt;
    }
    return block;
}

}  // namespace

int SnapshotKeyboardToFile(ProfileServices& services, const std::filesystem::path& path) {
    std::array<KeyMapBytes, kOnBoardProfiles> key_maps{};
    for (int profile = 0; profile < kOnBoardProfiles; ++profile) {
        const int read = services.commands.ReadKeyMap(static_cast<unsigned>(profile), key_maps[profile]);
        if (read != kResultDone) {
            LogFailure(services, "reading the key map of profile " + std::to_string(profile + 1), read);
            return 0;
        }
    }
    const auto macro_memory = ReadMacroMemory(services);
    if (!macro_memory) return 0;

    std::string error;
    auto macros = DecodeMacroMemory(*macro_memory, services.texts.Text("MACRO_NEW_PREFIX"), &error);
    if (!macros) {
        services.log.WriteLine("keyboard snapshot: the macro memory cannot be read: " + error);
        return 0;
    }

    ProfileContents contents;
    contents.image = MakeDefaultImage(0);
    const KeyMap default_map = services.keyboard.DefaultKeyMap();
    for (int profile = 0; profile < kOnBoardProfiles; ++profile) {
        const ProfileBlock block = DecodeKeyMap(key_maps[profile], default_map);
        std::copy(block.begin(), block.end(), contents.image->entries.begin() + EntryIndex(profile, 0));
    }
    contents.macros = std::move(*macros);

    WorkingProfile snapshot;
    snapshot.Replace(std::move(contents));
    if (SaveWorkingProfile(snapshot, path, &error) != 1) {
        services.log.WriteLine("keyboard snapshot: cannot write " + path.string() + ": " + error);
        return 0;
    }
    return 1;
}

}  // namespace quovex
