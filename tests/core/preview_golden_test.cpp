// Golden frame sequences of the preview: for every mode id 0..20, once with
// multi-colour on and direction 255 and once with a single colour and direction
// 0, the first 40 ticks from a fixed seed (with a restart before tick 21), kept as
// one digest per frame in data/preview_golden.txt. Any change to what the engine
// draws shows up here.
//
// After a deliberate change to the engine, regenerate the file and review its diff:
//   QUOVEX_UPDATE_GOLDEN=1 build/bin/quovex_core_tests --gtest_filter='PreviewGoldenTest.*'
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "lighting/preview_engine.h"

namespace quovex {
namespace {

constexpr uint32_t kSeed = 20240611;
constexpr int kTicks = 40;
constexpr int kRestartBeforeTick = 21;
constexpr Rgb kSingleColour{255, 128, 64};
const char* const kGoldenFile = QUOVEX_TEST_DATA_DIR "/preview_golden.txt";

char LookLetter(PreviewLook look) {
    switch (look) {
        case PreviewLook::kUnchanged: return 'U';
        case PreviewLook::kPlain: return 'P';
        case PreviewLook::kFramed: return 'F';
    }
    return '?';
}

// FNV-1a over the look and, per key index, whether it was drawn and its colour.
uint32_t FrameDigest(const PreviewFrame& frame) {
    uint32_t hash = 2166136261u;
    auto mix = [&hash](uint8_t byte) { hash = (hash ^ byte) * 16777619u; };
    mix(static_cast<uint8_t>(frame.look));
    for (int k = 0; k < preview::kKeyIndexes; ++k) {
        mix(frame.drawn[k] ? 1 : 0);
        if (!frame.drawn[k]) continue;
        mix(frame.colours[k].red);
        mix(frame.colours[k].green);
        mix(frame.colours[k].blue);
    }
    return hash;
}

struct GoldenCase {
    int mode;
    bool multiColour;
    int direction;
};

std::string CaseKey(const GoldenCase& c) {
    std::ostringstream key;
    key << c.mode << ' ' << (c.multiColour ? 1 : 0) << ' ' << c.direction;
    return key.str();
}

// One line per tick: "mode multi direction tick look digest".
std::vector<std::string> RunCase(const GoldenCase& c) {
    SeededPreviewRandom random(kSeed);
    PreviewEngine engine(random);
    LightingState state;
    state.lightingView = true;
    state.currentMode = c.mode;
    state.multiColour = c.multiColour;
    state.direction = c.direction;
    state.effectColour = kSingleColour;
    std::vector<std::string> lines;
    for (int tick = 1; tick <= kTicks; ++tick) {
        if (tick == kRestartBeforeTick) engine.RestartPreview();
        const PreviewFrame& frame = engine.PreviewTick(state);
        char line[64];
        std::snprintf(line, sizeof line, "%s %02d %c %08x", CaseKey(c).c_str(), tick, LookLetter(frame.look),
                      FrameDigest(frame));
        lines.emplace_back(line);
    }
    return lines;
}

std::vector<GoldenCase> AllCases() {
    std::vector<GoldenCase> cases;
    for (int mode = 0; mode <= 20; ++mode) {
        cases.push_back({mode, true, 255});
        cases.push_back({mode, false, 0});
    }
    return cases;
}

TEST(PreviewGoldenTest, EveryModeDrawsItsRecordedFrames) {
    if (std::getenv("QUOVEX_UPDATE_GOLDEN") != nullptr) {
        std::ofstream out(kGoldenFile, std::ios::trunc);
        out << "# Preview golden frames, written by preview_golden_test.cpp; review changes before committing.\n"
            << "# mode multiColour direction tick look(U unchanged, P plain, F framed) frame-digest\n";
        for (const GoldenCase& c : AllCases()) {
            for (const std::string& line : RunCase(c)) out << line << '\n';
        }
        ASSERT_TRUE(out.good()) << "cannot write " << kGoldenFile;
        GTEST_SKIP() << "regenerated " << kGoldenFile;
    }

    std::ifstream in(kGoldenFile);
    ASSERT_TRUE(in) << "missing " << kGoldenFile;
    std::map<std::string, std::vector<std::string>> recorded;
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream fields(line);
        std::string mode, multi, direction;
        fields >> mode >> multi >> direction;
        recorded[mode + ' ' + multi + ' ' + direction].push_back(line);
    }

    for (const GoldenCase& c : AllCases()) {
        const std::vector<std::string> actual = RunCase(c);
        const std::vector<std::string>& expected = recorded[CaseKey(c)];
        ASSERT_EQ(expected.size(), actual.size()) << "case " << CaseKey(c) << " missing from the golden file";
        for (size_t i = 0; i < actual.size(); ++i) {
            if (actual[i] != expected[i]) {
                ADD_FAILURE() << "first differing frame: expected \"" << expected[i] << "\", got \"" << actual[i]
                              << '"';
                break;
            }
        }
    }
}

}  // namespace
}  // namespace quovex
