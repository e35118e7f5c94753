// Key colour and tool colour values of preset files from outside: any text
// reads as a colour (unreadable fields keep their defaults), and what is
// written back reads as the same colour.
#include <cstdlib>
#include <string_view>

#include "lighting/preset_values.h"

namespace {

void Check(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace quovex;
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    const KeyColour key = ParseKeyColourValue(text, kDefaultKeyColour);
    Check(ParseKeyColourValue(FormatKeyColourValue(key), KeyColour{kRgbBlack, false}) == key);

    const Rgb colour = ParseColourValue(text, kDefaultToolColour);
    Check(ParseColourValue(FormatColourValue(colour), kRgbWhite) == colour);
    return 0;
}
