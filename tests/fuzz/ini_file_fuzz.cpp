// INI files from outside (language file, skins, presets, settings): parsing
// any bytes, writing back what was read unchanged, and reading back a key
// just set.
#include <cstdlib>
#include <string>

#include "app/ini_document.h"
#include "app/unicode.h"

namespace {

void Check(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace quovex;
    const std::span<const uint8_t> bytes(data, size);
    IniDocument document = IniDocument::Parse(bytes);
    const auto serialized = document.Serialize();
    Check(IniDocument::Parse(serialized).Serialize() == serialized);

    // Section, key and value for an edit come from the input's first bytes.
    const std::string text(reinterpret_cast<const char*>(data), size);
    const size_t a = std::min<size_t>(text.size(), 8), b = std::min<size_t>(text.size(), 16);
    const std::string section = text.substr(0, a), key = text.substr(a, b - a), value = text.substr(b, 32);
    document.Find(section, key);
    if (document.Set(section, key, value)) {
        const auto found = document.Find(section, key);
        Check(found && *found == SanitizeUtf8(value));
        const auto reparsed = IniDocument::Parse(document.Serialize()).Find(section, key);
        Check(reparsed && *reparsed == SanitizeUtf8(value));
    }
    return 0;
}
