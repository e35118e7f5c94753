#include "sim/keyboard_firmware.h"

#include <algorithm>
#include <cstring>

namespace quovex::sim {
namespace {

// The commands that move bytes of one memory, as data: which memory, which way,
// whether the write needs an open access group, and whether a read answers a
// whole 56-byte chunk from the address (zero past the end) whatever the length.
struct MemoryCommand {
    uint8_t code;
    Memory memory;
    bool write;
    bool needs_access_group;
    bool reads_whole_chunk;
};

constexpr MemoryCommand kMemoryCommands[] = {
    {CMD_READ_STATE, Memory::kState, false, false, false},
    {CMD_WRITE_STATE, Memory::kState, true, false, false},
    {CMD_READ_LIGHTING, Memory::kLighting, false, false, true},
    {CMD_WRITE_LIGHTING, Memory::kLighting, true, true, false},
    {CMD_READ_KEYMAP, Memory::kKeyMaps, false, false, false},
    {CMD_WRITE_KEYMAP, Memory::kKeyMaps, true, true, false},
    {CMD_READ_MACROS, Memory::kMacros, false, false, false},
    {CMD_WRITE_MACROS, Memory::kMacros, true, true, false},
    {CMD_READ_DEFAULT_KEYMAP, Memory::kDefaultKeyMap, false, false, false},
    {CMD_READ_KEY_COLOURS, Memory::kKeyColours, false, false, true},
    {CMD_WRITE_KEY_COLOURS, Memory::kKeyColours, true, true, false},
};

const MemoryCommand* FindMemoryCommand(uint8_t code) {
    for (const MemoryCommand& command : kMemoryCommands) {
        if (command.code == code) return &command;
    }
    return nullptr;
}

bool IsEnterUpdate(const ReportBytes& request) {
    return request[offsetof(CommandReport, code)] == CMD_ENTER_UPDATE &&
           request[offsetof(CommandReport, length)] == CMD_ENTER_UPDATE;
}

bool Fits(size_t offset, size_t length, size_t size) {
    return offset <= size && length <= size - offset;
}

}  // namespace

KeyboardFirmware::KeyboardFirmware() : KeyboardFirmware(FactoryState()) {}

KeyboardFirmware::KeyboardFirmware(KeyboardState state) : state_(std::move(state)) {}

KeyboardFirmware::Outcome KeyboardFirmware::HandleReport(const ReportBytes& request) {
    Outcome outcome;
    if (!state_.present) return outcome;
    outcome.received = true;
    if (update_mode_) return outcome;

    if (detach_after_reports_) {
        if (*detach_after_reports_ == 0) {
            detach_after_reports_.reset();
            Detach();
            outcome.detached = true;
            return outcome;
        }
        --*detach_after_reports_;
    }

    if (IsEnterUpdate(request)) {
        update_mode_ = true;
        access_group_open_ = false;
        outcome.entered_update = true;
        return outcome;
    }

    const CommandReport in = CommandReport::From(request);
    CommandReport out{};
    out.report_id = kCommandReportId;
    out.code = in.code;
    out.length = in.length;
    out.address[0] = in.address[0];
    out.address[1] = in.address[1];

    switch (TakeFault()) {
        case Fault::kNoAnswer:
            return outcome;
        case Fault::kWrongEcho:
            out.code = static_cast<uint8_t>(in.code ^ 0x80);
            break;
        case Fault::kBusy:
            out.status = kStatusBusy;
            break;
        case Fault::kError:
            out.status = kStatusError;
            break;
        case Fault::kNone:
            Execute(in, out);
            break;
    }
    out.Seal();
    outcome.answer = out.Bytes();
    return outcome;
}

KeyboardFirmware::Fault KeyboardFirmware::TakeFault() {
    FaultCounters& faults = state_.faults;
    const std::pair<uint32_t*, Fault> order[] = {{&faults.no_answer, Fault::kNoAnswer},
                                                 {&faults.wrong_echo, Fault::kWrongEcho},
                                                 {&faults.busy, Fault::kBusy},
                                                 {&faults.error, Fault::kError}};
    for (const auto& [counter, fault] : order) {
        if (*counter > 0) {
            --*counter;
            return fault;
        }
    }
    return Fault::kNone;
}

void KeyboardFirmware::Execute(const CommandReport& request, CommandReport& answer) {
    if (request.report_id != kCommandReportId || request.StoredChecksum() != request.ComputeChecksum()) {
        answer.status = kStatusError;
        return;
    }
    switch (request.code) {
        case CMD_BEGIN_ACCESS:
            access_group_open_ = true;
            return;
        case CMD_END_ACCESS:
            access_group_open_ = false;
            return;
        case CMD_RESERVED_0B:
        case CMD_RESERVED_0C:
        case CMD_RESERVED_0E:
            return;
        default:
            answer.status = ExecuteMemoryCommand(request, answer);
            return;
    }
}

uint8_t KeyboardFirmware::ExecuteMemoryCommand(const CommandReport& request, CommandReport& answer) {
    const MemoryCommand* command = FindMemoryCommand(request.code);
    if (command == nullptr || request.length > kReportDataSize) return kStatusError;

    const std::span<uint8_t> memory = state_.memories.Bytes(command->memory);
    const size_t address = request.Address();
    const size_t length = request.length;

    if (command->write) {
        if (!Fits(address, length, memory.size())) return kStatusError;
        if (command->needs_access_group && !access_group_open_) return kStatusError;
        if (command->memory == Memory::kState) return WriteState(request);
        std::memcpy(memory.data() + address, request.data, length);
        return kStatusSuccess;
    }

    if (command->reads_whole_chunk) {
        // Bytes past the end of the memory read as zero, as the keyboard pads them.
        if (address < memory.size()) {
            const size_t available = std::min(kReportDataSize, memory.size() - address);
            std::memcpy(answer.data, memory.data() + address, available);
        }
        return kStatusSuccess;
    }
    if (!Fits(address, length, memory.size())) return kStatusError;
    std::memcpy(answer.data, memory.data() + address, length);
    return kStatusSuccess;
}

uint8_t KeyboardFirmware::WriteState(const CommandReport& request) {
    auto state = state_.memories.state;
    std::memcpy(state.data() + request.Address(), request.data, request.length);
    if (state[kStateCurrentProfile] >= kOnBoardProfiles) return kStatusError;
    if (state[kStateMacroUnits] != state_.memories.state[kStateMacroUnits]) return kStatusError;
    state_.memories.state = state;
    return kStatusSuccess;
}

void KeyboardFirmware::EndVolatileState() {
    access_group_open_ = false;
    update_mode_ = false;
}

bool KeyboardFirmware::Attach() {
    if (state_.present) return false;
    state_.present = true;
    EndVolatileState();
    return true;
}

bool KeyboardFirmware::Detach() {
    if (!state_.present) return false;
    state_.present = false;
    access_group_open_ = false;
    return true;
}

bool KeyboardFirmware::SwitchBank() {
    if (!state_.present) return false;
    state_.bank ^= 1;
    return true;
}

std::vector<uint8_t> KeyboardFirmware::ReadMemory(Memory memory) const {
    const std::span<const uint8_t> bytes = state_.memories.Bytes(memory);
    return {bytes.begin(), bytes.end()};
}

bool KeyboardFirmware::WriteMemory(Memory memory, size_t offset, std::span<const uint8_t> bytes) {
    KeyboardMemories& memories = state_.memories;
    const std::span<uint8_t> target = memories.Bytes(memory);
    if (!Fits(offset, bytes.size(), target.size())) return false;
    std::copy(bytes.begin(), bytes.end(), target.begin() + static_cast<std::ptrdiff_t>(offset));
    if (memory == Memory::kState) memories.macros.resize(memories.MacroSize(), 0);
    return true;
}

void KeyboardFirmware::Restore(KeyboardState state) {
    state_ = std::move(state);
    EndVolatileState();
}

void KeyboardFirmware::ResetToFactory() {
    KeyboardState factory = FactoryState();
    factory.present = state_.present;
    Restore(std::move(factory));
    status_word_ = kPowerOnStatusWord;
    detach_after_reports_.reset();
}

}  // namespace quovex::sim
