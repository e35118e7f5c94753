#include "sim/state_file.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <limits>
#include <nlohmann/json.hpp>
#include <span>
#include <system_error>

#include "sim/atomic_file.h"
#include "sim/hex.h"

namespace quovex::sim {
namespace {

using Json = nlohmann::json;
using OrderedJson = nlohmann::ordered_json;

// The fault counters, as named in the file, in the order they spoil answers.
struct FaultField {
    const char* name;
    uint32_t FaultCounters::*counter;
};
constexpr FaultField kFaultFields[] = {{"no_answer", &FaultCounters::no_answer},
                                       {"wrong_echo", &FaultCounters::wrong_echo},
                                       {"busy", &FaultCounters::busy},
                                       {"error", &FaultCounters::error}};

// The byte fields in file order; macro memory follows the state block because
// its size is read from it.
struct BytesField {
    const char* name;
    Memory memory;
};
constexpr BytesField kBytesFields[] = {{"state", Memory::kState},
                                       {"keymaps", Memory::kKeyMaps},
                                       {"default_keymap", Memory::kDefaultKeyMap},
                                       {"macro_memory", Memory::kMacros},
                                       {"lighting", Memory::kLighting},
                                       {"key_colours", Memory::kKeyColours}};

class FieldReader {
public:
    FieldReader(const Json& document, std::vector<std::string>& problems)
        : document_(document), problems_(problems) {}

    void Bytes(const char* name, std::span<uint8_t> target) {
        const Json* value = Find(name);
        if (value == nullptr) return;
        if (!value->is_string()) return Problem(name, "is not a string of hex digits");
        const std::optional<std::vector<uint8_t>> bytes = FromHex(value->get_ref<const std::string&>());
        if (!bytes)
            return Problem(name, "is not hex (an odd number of digits or a character that is not a digit)");
        std::copy_n(bytes->begin(), std::min(bytes->size(), target.size()), target.begin());
        if (bytes->size() < target.size()) {
            Problem(name, "holds " + std::to_string(bytes->size()) + " bytes, expected " +
                              std::to_string(target.size()) +
                              "; the missing bytes keep their factory values");
        } else if (bytes->size() > target.size()) {
            Problem(name, "holds " + std::to_string(bytes->size()) + " bytes, expected " +
                              std::to_string(target.size()) + "; the bytes after them are ignored");
        }
    }

    // An unsigned integer from 0 to `maximum`.
    template <typename Number>
    void Unsigned(const Json& object, const std::string& name, uint64_t maximum, Number& target) {
        const Json* value = Find(object, name);
        if (value == nullptr) return;
        if (!value->is_number_unsigned() || value->get<uint64_t>() > maximum) {
            return Problem(name, "is not a whole number from 0 to " + std::to_string(maximum));
        }
        target = static_cast<Number>(value->get<uint64_t>());
    }
    template <typename Number>
    void Unsigned(const std::string& name, uint64_t maximum, Number& target) {
        Unsigned(document_, name, maximum, target);
    }

    void Present(bool& present) {
        const Json* value = Find("present");
        if (value == nullptr) return;
        if (value->is_boolean()) {
            present = value->get<bool>();
        } else if (value->is_number_unsigned() && value->get<uint64_t>() <= 1) {
            present = value->get<uint64_t>() == 1;
        } else {
            Problem("present", "is not true, false, 1 or 0");
        }
    }

    void Faults(FaultCounters& faults) {
        const Json* value = Find("faults");
        if (value == nullptr) return;
        if (!value->is_object()) return Problem("faults", "is not an object of counters");
        for (const auto& item : value->items()) {
            const std::string& name = item.key();
            const auto known = std::find_if(std::begin(kFaultFields), std::end(kFaultFields),
                                            [&](const FaultField& field) { return name == field.name; });
            if (known == std::end(kFaultFields)) {
                Problem("faults." + name, "is not a known fault; ignored");
                continue;
            }
            Unsigned(*value, name, std::numeric_limits<uint32_t>::max(), faults.*(known->counter));
        }
    }

    void UnknownFields(std::initializer_list<std::string_view> known) {
        for (const auto& [name, value] : document_.items()) {
            if (std::find(known.begin(), known.end(), name) == known.end()) {
                Problem(name, "is not a known field; ignored");
            }
        }
    }

private:
    const Json* Find(const std::string& name) const { return Find(document_, name); }
    static const Json* Find(const Json& object, const std::string& name) {
        const auto it = object.find(name);
        return it == object.end() ? nullptr : &*it;
    }
    void Problem(const std::string& field, const std::string& what) {
        problems_.push_back("field \"" + field + "\" " + what);
    }

    const Json& document_;
    std::vector<std::string>& problems_;
};

}  // namespace

LoadedState ParseStateText(std::string_view text) {
    LoadedState loaded{FactoryState(), {}, std::nullopt};
    Json document;
    try {
        document = Json::parse(text.begin(), text.end());
    } catch (const Json::exception& error) {
        loaded.problems.push_back(std::string("not JSON: ") + error.what() +
                                  "; every value takes its factory value");
        return loaded;
    }
    if (!document.is_object()) {
        loaded.problems.push_back("not a JSON object; every value takes its factory value");
        return loaded;
    }

    KeyboardState& state = loaded.state;
    FieldReader reader(document, loaded.problems);
    reader.Present(state.present);
    reader.Unsigned("bank", 1, state.bank);
    for (const BytesField& field : kBytesFields) {
        if (field.memory == Memory::kMacros) state.memories.macros.assign(state.memories.MacroSize(), 0);
        reader.Bytes(field.name, state.memories.Bytes(field.memory));
    }
    reader.Unsigned("latency_ms", kMaxLatencyMs, state.latency_ms);
    reader.Faults(state.faults);
    reader.UnknownFields({"present", "bank", "state", "keymaps", "default_keymap", "macro_memory", "lighting",
                          "key_colours", "latency_ms", "faults"});
    return loaded;
}

std::string FormatStateText(const KeyboardState& state) {
    OrderedJson document;
    document["present"] = state.present;
    document["bank"] = state.bank;
    for (const BytesField& field : kBytesFields)
        document[field.name] = ToHex(state.memories.Bytes(field.memory));
    document["latency_ms"] = state.latency_ms;
    OrderedJson faults = OrderedJson::object();
    for (const FaultField& field : kFaultFields) faults[field.name] = state.faults.*(field.counter);
    document["faults"] = faults;
    return document.dump(2) + "\n";
}

LoadedState LoadStateFile(const std::filesystem::path& path) {
    std::error_code error;
    if (!std::filesystem::exists(path, error)) return {FactoryState(), {}, std::nullopt};

    LoadedState loaded{FactoryState(), {}, std::nullopt};
    const uintmax_t size = std::filesystem::file_size(path, error);
    std::string text;
    if (!error && size <= kMaxStateFileSize) {
        std::ifstream file(path, std::ios::binary);
        text.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
        if (file.bad() || text.size() != size) error = std::make_error_code(std::errc::io_error);
    }
    if (error) {
        loaded.problems.push_back("cannot be read (" + error.message() +
                                  "); every value takes its factory value");
    } else if (size > kMaxStateFileSize) {
        loaded.problems.push_back("is larger than " + std::to_string(kMaxStateFileSize) +
                                  " bytes; every value takes its factory value");
    } else {
        loaded = ParseStateText(text);
    }

    if (!loaded.problems.empty()) {
        std::filesystem::path copy = path;
        copy += ".bad";
        if (std::filesystem::copy_file(path, copy, std::filesystem::copy_options::overwrite_existing,
                                       error)) {
            loaded.kept_copy = copy;
        }
    }
    return loaded;
}

bool SaveStateFile(const std::filesystem::path& path, const KeyboardState& state, std::string* error) {
    return WriteFileAtomically(path, FormatStateText(state), error);
}

}  // namespace quovex::sim
