// The keyboard's side of the command protocol, modelled as a plain synchronous
// object: a report goes in, an answer (or nothing) comes out. It knows nothing of
// threads, time or the library; the virtual-keyboard transport runs it on the
// library's thread, and tests drive it directly.
//
// Rules the keyboard enforces (an answer with status 0xFF otherwise):
//   - report id 0x04 and a correct checksum (bytes 1..2 = sum of bytes 3..63);
//   - a known command code;
//   - length at most 56 and address + length inside the addressed memory;
//   - writes of key maps, macros, lighting and key colours only inside a
//     CMD_BEGIN_ACCESS / CMD_END_ACCESS group;
//   - CMD_WRITE_STATE keeps the current profile at 0..2 and the macro memory size
//     unchanged (both bytes belong to the keyboard).
// Lighting and key-colour reads answer 56 bytes from the address whatever the
// length asked for, with zero bytes past the end of the memory. After
// CMD_ENTER_UPDATE the keyboard answers nothing until it is unplugged and plugged
// in again.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "sim/command_report.h"
#include "sim/keyboard_state.h"

namespace quovex::sim {

class KeyboardFirmware {
public:
    KeyboardFirmware();
    explicit KeyboardFirmware(KeyboardState state);

    struct Outcome {
        bool received = false;              // false: detached, the report went nowhere
        std::optional<ReportBytes> answer;  // sent on the control channel
        bool detached = false;              // the cable came off as this report arrived
        bool entered_update = false;
    };
    Outcome HandleReport(const ReportBytes& request);

    // True when presence changed. Attaching also ends update mode and the access group.
    bool Attach();
    bool Detach();
    bool Present() const { return state_.present; }
    void DetachAfterReports(std::optional<uint32_t> reports) { detach_after_reports_ = reports; }

    // The bank key: flips the bank. False (nothing happens) while detached.
    bool SwitchBank();
    int Bank() const { return state_.bank; }

    void SetStatusWord(std::array<uint8_t, 2> word) { status_word_ = word; }
    std::array<uint8_t, 2> StatusWord() const { return status_word_; }

    bool InUpdateMode() const { return update_mode_; }
    bool InAccessGroup() const { return access_group_open_; }

    std::vector<uint8_t> ReadMemory(Memory memory) const;
    bool WriteMemory(Memory memory, size_t offset, std::span<const uint8_t> bytes);

    void SetLatencyMs(uint32_t latency_ms) { state_.latency_ms = latency_ms; }
    void SetFaults(const FaultCounters& faults) { state_.faults = faults; }

    const KeyboardState& State() const { return state_; }
    // Replaces the persistent state (a loaded state file); ends update mode and the access group.
    void Restore(KeyboardState state);
    // Factory state with the present presence kept; see VirtualKeyboardControl::ResetToFactory.
    void ResetToFactory();

    static constexpr std::array<uint8_t, 2> kPowerOnStatusWord{0x05, 0x02};

private:
    // Which fault, if any, spoils the answer now due; counts it down.
    enum class Fault { kNone, kNoAnswer, kWrongEcho, kBusy, kError };
    Fault TakeFault();

    // Carries out a well-formed request and fills the answer's status and data.
    void Execute(const CommandReport& request, CommandReport& answer);
    uint8_t ExecuteMemoryCommand(const CommandReport& request, CommandReport& answer);
    uint8_t WriteState(const CommandReport& request);
    void EndVolatileState();

    KeyboardState state_;
    std::array<uint8_t, 2> status_word_ = kPowerOnStatusWord;
    bool access_group_open_ = false;
    bool update_mode_ = false;
    std::optional<uint32_t> detach_after_reports_;
};

}  // namespace quovex::sim
