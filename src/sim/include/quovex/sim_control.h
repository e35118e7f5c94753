// The virtual keyboard's control API: what tests, benchmarks and the demo mode
// use to play the user and the cable (plug in, unplug, press the bank key), to
// read and set the keyboard's memories, and to make it misbehave on purpose.
//
// libHidServ.so hands it out while it runs the virtual keyboard (QUOVEX_DEVICE=sim):
//
//     auto accessor = reinterpret_cast<quovex::sim::ControlAccessor>(
//         dlsym(library, quovex::sim::kControlAccessorName));
//     quovex::sim::VirtualKeyboardControl* keyboard = accessor();
//
// The accessor returns null until Init has chosen the virtual keyboard, and when
// the hidraw transport is in use. The object lives until the process ends; every
// method may be called from any thread. Notifications that a method causes
// (attach, detach, events) are delivered on the library's thread, in order with
// the answers to reports sent before.
#pragma once

#include <array>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace quovex::sim {

// The keyboard's memories, as commands and the state file address them.
enum class Memory {
    kState,          // 44 bytes: byte 10 current on-board profile, byte 11 macro memory size / 128,
                     // bytes 12..43 the list of lighting mode ids
    kKeyMaps,        // 1134 bytes: on-board profile n's 378-byte key map at n x 378
    kDefaultKeyMap,  // 378 bytes, read-only to commands
    kMacros,         // state byte 11 x 128 bytes
    kLighting,       // 128 bytes: on-board profile p's 42-byte lighting block at p x 42
    kKeyColours,     // 1536 bytes: profile p, light slot s at p x 512 + s x 3 (red, green, blue)
};

// Each counter, while above 0, spoils the next answer and counts down. When
// several are set they are used up in this order. A spoiled report has no
// effect on the keyboard's memories.
struct FaultCounters {
    uint32_t no_answer = 0;   // the report is lost: no answer at all
    uint32_t wrong_echo = 0;  // the answer's command byte (byte 3) differs from the request's
    uint32_t busy = 0;        // status 0xFE
    uint32_t error = 0;       // status 0xFF

    bool operator==(const FaultCounters&) const = default;
};

class VirtualKeyboardControl {
public:
    // Plug in and unplug. The keyboard count (RequestGetDeviceCount) changes at
    // once and the control channel receives a kind-0 notification with the new
    // count. Plugging in also ends update mode and any open access group, as a
    // power cycle does. Attaching an attached keyboard, or detaching a detached
    // one, does nothing.
    virtual void Attach() = 0;
    virtual void Detach() = 0;
    virtual bool IsPresent() const = 0;

    // A cable pulled in the middle of a transfer: the keyboard takes `reports`
    // more reports as usual and detaches when the next one arrives, leaving it
    // unanswered. std::nullopt cancels.
    virtual void DetachAfterReports(std::optional<uint32_t> reports) = 0;

    // The bank key pressed: flips the G-key bank and sends event 767.
    virtual void SwitchBank() = 0;
    virtual int Bank() const = 0;  // 0 = bank A, 1 = bank B
    // The lighting changed with the keyboard's own keys: sends event 1025. Change
    // the lighting memory with WriteMemory first to model what changed.
    virtual void ReportLightingChanged() = 0;
    // Any event code on the event channel: 6160 and 6161 (tray icon), 6145..6148,
    // or anything else. Nothing is sent while the keyboard is detached.
    virtual void SendEvent(uint16_t code) = 0;

    // The status word last written on the status channel (bit 0 of byte 1 = the
    // bank the program shows); 05 02 until the program writes one.
    virtual std::array<uint8_t, 2> StatusWord() const = 0;

    // Delay of each answer, counted from when its report arrived.
    virtual void SetLatency(std::chrono::milliseconds latency) = 0;
    virtual std::chrono::milliseconds Latency() const = 0;
    virtual void SetFaults(const FaultCounters& faults) = 0;
    virtual FaultCounters Faults() const = 0;

    // The memories, for assertions and for setting up cases. WriteMemory returns
    // false and writes nothing when the bytes do not fit; writing state byte 11
    // resizes the macro memory (kept bytes stay, new bytes are zero).
    virtual std::vector<uint8_t> ReadMemory(Memory memory) const = 0;
    virtual bool WriteMemory(Memory memory, size_t offset, std::span<const uint8_t> bytes) = 0;

    // Entered with CMD_ENTER_UPDATE; left only by detaching and attaching again.
    virtual bool InUpdateMode() const = 0;
    // Between CMD_BEGIN_ACCESS and CMD_END_ACCESS.
    virtual bool InAccessGroup() const = 0;
    // Command reports accepted from the program since start or the last reset.
    virtual uint64_t ReportsReceived() const = 0;

    // Waits until every report, event and notification queued so far has been
    // handled and delivered; false when `timeout` passed first.
    virtual bool WaitUntilIdle(std::chrono::milliseconds timeout) = 0;

    // Factory memories, bank A, no latency, no faults, status word 05 02, update
    // mode and access group ended, report count 0. Presence is left as it is.
    virtual void ResetToFactory() = 0;

    // Writes the state file now (temporary file, then rename). False, with a
    // one-line reason in `error`, when no file is named or writing failed.
    virtual bool SaveState(std::string* error) = 0;
    // The state file named by QUOVEX_SIM_STATE at Init; empty when none.
    virtual std::string StatePath() const = 0;

protected:
    ~VirtualKeyboardControl() = default;  // owned by the library, never deleted through this
};

inline constexpr const char* kControlAccessorName = "QuovexSimControl";
using ControlAccessor = VirtualKeyboardControl* (*)();

}  // namespace quovex::sim
