// A lighting context wired to libHidServ.so running the virtual keyboard, with
// a recording panel view, a profile folder seeded from a small factory preset
// file and a skin folder with mode names. Every command report the link sends
// is logged with whether the keyboard was inside an access group, and can be
// read back as short descriptions ("begin", "lighting 84: 01 01", ...).
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "device/command_set.h"
#include "device/device_link.h"
#include "device/state_block.h"
#include "lighting/lighting_context.h"
#include "lighting/lighting_load.h"
#include "lighting/lighting_panel.h"
#include "lighting/preset_files.h"
#include "support/recording_lighting_view.h"
#include "support/temporary_folder.h"
#include "support/virtual_keyboard.h"

namespace quovex::lighting_test {

using namespace std::chrono_literals;
using sim::Memory;

constexpr DeviceLinkTiming kTestTiming{250ms, 1ms};
constexpr auto kIdle = 5s;  // only reached when something is broken

struct SentReport {
    uint8_t code;
    uint16_t address;
    std::vector<uint8_t> data;  // the `length` data bytes of a write
    bool inAccessGroup;
};

// Records each report handed to the library, then passes it on.
class ReportLog {
public:
    static ReportLog& Instance() {
        static ReportLog log;
        return log;
    }

    std::unique_ptr<HidServLibrary> Wrap(const testing::VirtualKeyboard& keyboard) {
        std::lock_guard lock(mutex_);
        control_ = &keyboard.Control();
        realWriteOne_ = keyboard.Library().EntryPoints().RequestWriteOne;
        HidServEntryPoints entryPoints = keyboard.Library().EntryPoints();
        entryPoints.RequestWriteOne = &RecordingWriteOne;
        sent_.clear();
        return std::make_unique<HidServLibrary>(entryPoints);
    }

    std::vector<SentReport> Take() {
        std::lock_guard lock(mutex_);
        return std::exchange(sent_, {});
    }

private:
    static int RecordingWriteOne(const uint8_t* identifier, HidServCallback callback, uint32_t tag,
                                 const uint8_t* report, uint32_t length, uint32_t check, uint32_t* unitOut) {
        ReportLog& self = Instance();
        HidServRequestWriteOneFn real = nullptr;
        {
            std::lock_guard lock(self.mutex_);
            if (report != nullptr && length >= kDataOffset) {
                const uint8_t dataLength = report[kLengthOffset];
                const bool write =
                    report[kCodeOffset] == CMD_WRITE_LIGHTING || report[kCodeOffset] == CMD_WRITE_KEY_COLOURS;
                std::vector<uint8_t> data;
                if (write && kDataOffset + dataLength <= length) {
                    data.assign(report + kDataOffset, report + kDataOffset + dataLength);
                }
                self.sent_.push_back(
                    {report[kCodeOffset],
                     static_cast<uint16_t>(report[kAddressOffset] | report[kAddressOffset + 1] << 8),
                     std::move(data), self.control_->InAccessGroup()});
            }
            real = self.realWriteOne_;
        }
        return real(identifier, callback, tag, report, length, check, unitOut);
    }

    std::mutex mutex_;
    sim::VirtualKeyboardControl* control_ = nullptr;
    HidServRequestWriteOneFn realWriteOne_ = nullptr;
    std::vector<SentReport> sent_;
};

inline std::string Hex(const std::vector<uint8_t>& bytes) {
    std::string text;
    for (uint8_t byte : bytes) {
        char digits[4];
        std::snprintf(digits, sizeof digits, text.empty() ? "%02X" : " %02X", byte);
        text += digits;
    }
    return text;
}

// One line per report. Lighting writes show their bytes; key colour writes
// their length. A write the keyboard received outside an access group says so.
inline std::vector<std::string> Describe(const std::vector<SentReport>& sent) {
    std::vector<std::string> lines;
    for (const SentReport& report : sent) {
        const std::string address = std::to_string(report.address);
        std::string line;
        switch (report.code) {
            case CMD_BEGIN_ACCESS:
                line = "begin";
                break;
            case CMD_END_ACCESS:
                line = "end";
                break;
            case CMD_READ_STATE:
                line = "read state";
                break;
            case CMD_READ_LIGHTING:
                line = "read lighting " + address;
                break;
            case CMD_WRITE_LIGHTING:
                line = "lighting " + address + ": " + Hex(report.data);
                break;
            case CMD_WRITE_KEY_COLOURS:
                line = "key colours " + address + " x" + std::to_string(report.data.size());
                break;
            default:
                line = "command " + std::to_string(report.code);
                break;
        }
        const bool write = report.code == CMD_WRITE_LIGHTING || report.code == CMD_WRITE_KEY_COLOURS;
        if (write && !report.inAccessGroup) line += " (outside group)";
        lines.push_back(line);
    }
    return lines;
}

// The factory presets of the tests: preset 1 is selected; in it A (slot 64)
// follows the base colour, S (65) and Fn (110) have colours of their own, and
// every other key reads the default (red, following the base colour).
inline constexpr const char* kFactoryPresets =
    "[PRESENTMODE]\nmode=1\n\n[MODENAME]\n0=Red\n1=Blue\n\n"
    "[Mode0]\ntool=0\njcolor=255,255,255\ncolor=255,0,0\n\n"
    "[Mode1]\ntool=1\njcolor=0,0,200\ncolor=10,20,30\n64=0,0,200,1\n65=1,2,3,0\n110=4,5,6,0\n";
inline constexpr Rgb kPresetBase{0, 0, 200};
inline constexpr Rgb kPresetPaint{10, 20, 30};
inline constexpr int kSlotA = 64, kSlotS = 65, kSlotFn = 110;
inline constexpr int kKeyA = 1058, kKeyS = 1059, kKeyFn = 1174;

class LightingKeyboardTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string error;
        keyboard = testing::VirtualKeyboard::Get(&error);
        ASSERT_NE(keyboard, nullptr) << error;
        keyboard->Reset();
        library = ReportLog::Instance().Wrap(*keyboard);
        link = std::make_unique<DeviceLink>(*library, kTestTiming);
        link->OpenChannels();
        commands = std::make_unique<CommandSet>(*link);

        std::filesystem::create_directories(skinFolder);
        test_support::WriteText(skinFolder / "language.ini", "[LANGUAGE]\nlanguage=1\n");
        test_support::WriteText(
            skinFolder / "Main.ini",
            "[Mode1]\n1=Wave\n4=Cycle\n5=Breathe\n10=Twinkle\n12=Rows\n19=Nineteen\n20=Keys\n");
        test_support::WriteText(FactoryPresetFilePath(skinFolder), kFactoryPresets);
        ASSERT_TRUE(SeedColourPresets(profileFolder, skinFolder));

        lighting = std::make_unique<LightingContext>(*commands, view, profileFolder, skinFolder);
        ReportLog::Instance().Take();
    }

    void TearDown() override {
        if (keyboard != nullptr) {
            Control().DetachAfterReports(std::nullopt);
            Control().WaitUntilIdle(kIdle);
        }
        lighting.reset();
        commands.reset();
        link.reset();
    }

    sim::VirtualKeyboardControl& Control() { return keyboard->Control(); }

    // What was sent since the last call.
    std::vector<std::string> Sent() {
        Control().WaitUntilIdle(kIdle);
        return Describe(ReportLog::Instance().Take());
    }
    std::vector<SentReport> SentReports() {
        Control().WaitUntilIdle(kIdle);
        return ReportLog::Instance().Take();
    }

    // The keyboard's mode list, slot by slot (the rest empty).
    void SetModeList(std::vector<uint8_t> modes) {
        modes.resize(kStateModeListSlots, 0);
        ASSERT_TRUE(Control().WriteMemory(Memory::kState, kStateModeListOffset, modes));
    }
    void SetLightingBytes(int profile, size_t offset, std::vector<uint8_t> bytes) {
        ASSERT_TRUE(Control().WriteMemory(Memory::kLighting, profile * kLightingBlockSize + offset, bytes));
    }
    std::vector<uint8_t> LightingBlockOnKeyboard(int profile) {
        const auto memory = Control().ReadMemory(Memory::kLighting);
        const auto begin = memory.begin() + profile * static_cast<std::ptrdiff_t>(kLightingBlockSize);
        return {begin, begin + kLightingBlockSize};
    }
    Rgb KeyColourOnKeyboard(int profile, int slot) {
        const auto memory = Control().ReadMemory(Memory::kKeyColours);
        const size_t at = KeyColourAddress(profile, slot);
        return Rgb{memory[at], memory[at + 1], memory[at + 2]};
    }

    // Loads with presets and shows the panel, as after an attach; the reports are dropped.
    void LoadAndShow(int profile = 0) {
        ASSERT_TRUE(SetLightingProfileIndex(*lighting, profile));
        ASSERT_EQ(LoadLightingWithPresets(*lighting), 0);
        RefreshLightingPanel(*lighting);
        Sent();
        view.ClearCalls();
    }
    int ListIndexOf(int mode) const { return lighting->state.effectMap.ListIndexOfMode(mode); }

    testing::VirtualKeyboard* keyboard = nullptr;
    std::unique_ptr<HidServLibrary> library;
    std::unique_ptr<DeviceLink> link;
    std::unique_ptr<CommandSet> commands;
    test_support::TemporaryFolder folder;
    std::filesystem::path profileFolder = folder / "Gaming Keyboard";
    std::filesystem::path skinFolder = folder / "Skins";
    test_support::RecordingLightingView view;
    std::unique_ptr<LightingContext> lighting;
};

}  // namespace quovex::lighting_test
