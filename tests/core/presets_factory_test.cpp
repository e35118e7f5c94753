// The default skin's factory presets: the committed file is what its generator
// writes, and every preset colours each key of the picture.
#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>

#include "../../skin/presets/factory_presets.h"

namespace quovex {
namespace {

const char* const kFactoryFile = QUOVEX_TEST_DATA_DIR "/../../../skin/presets/UserDengColor_3.userd";

std::string ReadText(const char* path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(FactoryPresetsTest, CommittedFileIsWhatTheGeneratorWrites) {
    EXPECT_EQ(ReadText(kFactoryFile), factory_presets::MakeFactoryPresetFile())
        << "regenerate with skin/presets/make_factory_presets";
}

TEST(FactoryPresetsTest, TenNamedPresetsEachColourTheHundredAndFourKeysAndFn) {
    const auto places = factory_presets::KeyPlacesBySlot();
    ASSERT_EQ(places.size(), 105u);
    EXPECT_TRUE(places.contains(110)) << "Fn";
    EXPECT_TRUE(places.contains(112)) << "Right Win";

    std::set<std::string> names;
    for (const auto& preset : factory_presets::Presets()) {
        SCOPED_TRACE(preset.name);
        names.insert(preset.name);
        int ownColours = 0;
        for (const auto& [slot, place] : places) ownColours += !preset.look(slot, place).followsBase;
        EXPECT_GT(ownColours, 0) << "a preset shows at least some keys in their own colour";
    }
    EXPECT_EQ(names.size(), 10u) << "names are distinct";
}

}  // namespace
}  // namespace quovex
