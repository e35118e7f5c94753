#include "lighting/preview_engine.h"

#include "lighting/mode_table.h"
#include "lighting/preview_tables.h"

namespace quovex {

using namespace preview;

namespace {

// Column where the centre ripple (mode 13) and the climbing light of mode 15 start.
constexpr int kCentreColumn = 9;
// Columns where the corner ripple (mode 16) starts from the top and from below.
constexpr int kCornerStartColumn = 1;
constexpr int kCornerEndColumn = kGridColumns - 1;

// Mode 14's script: a sweep through the step table, a chase through the pair
// table, a ripple from key P that has to reach the Ctrl corner and fade there.
enum ScriptPhase : int { kSweep = 0, kChase = 1, kRippleStart = 2, kRippleTravel = 3, kRippleFade = 4 };
constexpr int kLastChaseCount = 30;

struct GridCell {
    int row;
    int column;
};

constexpr GridCell CellOf(uint16_t controlId) {
    for (int row = 0; row < kGridRows; ++row) {
        for (int column = 0; column < kGridColumns; ++column) {
            if (kKeyGrid[row][column] == controlId) return {row, column};
        }
    }
    return {-1, -1};
}

// Grid cells as key indexes, and the scripted tables as key indexes, computed once.
template <size_t Rows, size_t Width>
constexpr std::array<std::array<uint8_t, Width>, Rows> ToKeyIndexes(
    const std::array<std::array<uint16_t, Width>, Rows>& ids) {
    std::array<std::array<uint8_t, Width>, Rows> indexes{};
    for (size_t row = 0; row < Rows; ++row) {
        for (size_t i = 0; i < Width; ++i) {
            indexes[row][i] = ids[row][i] == 0 ? kNoKey : PreviewKeyIndex(ids[row][i]);
        }
    }
    return indexes;
}
constexpr auto kGridKeys = ToKeyIndexes(kKeyGrid);
constexpr auto kStepKeys = ToKeyIndexes(kStepTable);
constexpr auto kPairKeys = ToKeyIndexes(kPairTable);
constexpr auto kRingKeys = ToKeyIndexes(kRingTable);
constexpr uint8_t kChaseEndIndex = PreviewKeyIndex(kScriptChaseEndKey);
constexpr uint8_t kCornerIndex = PreviewKeyIndex(kScriptCornerKey);
constexpr GridCell kRippleCell = CellOf(kScriptRippleKey);
static_assert(kChaseEndIndex < kKeyIndexes && kCornerIndex < kKeyIndexes && kRippleCell.row >= 0);

}  // namespace

// The routine of each mode. Modes 7, 8, 9, 17 and any mode not listed show the
// plain look; mode 20 leaves the painted key colours as they are.
const std::array<PreviewEngine::RoutineEntry, 14> PreviewEngine::kRoutines = {{
    {1, &PreviewEngine::RunColumnWave},
    {2, &PreviewEngine::RunColumnPulse},
    {3, &PreviewEngine::RunSnake},
    {4, &PreviewEngine::RunColourCycle},
    {5, &PreviewEngine::RunBreathing},
    {6, &PreviewEngine::RunStaticRainbow},
    {10, &PreviewEngine::RunTwinkle},
    {11, &PreviewEngine::RunKeyCycle},
    {12, &PreviewEngine::RunRowWave},
    {13, &PreviewEngine::RunCentreRipple},
    {14, &PreviewEngine::RunScript},
    {15, &PreviewEngine::RunRain},
    {16, &PreviewEngine::RunCornerRipple},
    {18, &PreviewEngine::RunRings},
}};

const PreviewFrame& PreviewEngine::PreviewTick(const LightingState& state) {
    if (!state.lightingView) {
        frame_.Reset(PreviewLook::kUnchanged);
        return frame_;
    }
    if (!restarted_) {
        Restart();
        restarted_ = true;
    }
    if (state.currentMode == kPerKeyColourModeId) {
        frame_.Reset(PreviewLook::kUnchanged);
        return frame_;
    }
    for (const RoutineEntry& entry : kRoutines) {
        if (entry.mode == state.currentMode) {
            frame_.Reset(PreviewLook::kFramed);
            (this->*entry.routine)(state);
            return frame_;
        }
    }
    frame_.Reset(PreviewLook::kPlain);
    return frame_;
}

void PreviewEngine::Restart() {
    commonPair_.Clear();
    cornerRipplePair_.Clear();
    commonWaves_.Clear();
    commonWaves_.SetInAllPlanes(kCentreColumn, kBelowGridBit);
    cornerRippleWaves_.Clear();
    cornerRippleWaves_.SetInAllPlanes(kCornerStartColumn, kTopRowBit);
    sharedCounter_ = 0;
    scriptPhase_ = kSweep;
    scriptHue_ = 0;
}

// --- Drawing helpers -------------------------------------------------------

template <typename ColourOfColumn>
void PreviewEngine::DrawColumns(ColourOfColumn colourOfColumn) {
    for (int column = 0; column < kGridColumns; ++column) {
        const Rgb colour = colourOfColumn(column);
        for (int row = 0; row < kGridRows; ++row) frame_.Draw(kGridKeys[row][column], colour);
    }
}

void PreviewEngine::DrawAllKeys(Rgb colour) {
    for (const OrderedKey& key : kKeyOrder) frame_.Draw(key.keyIndex, colour);
}

void PreviewEngine::PaintLevels(LevelPair& pair, DecayRule rule, const LightingState& state) {
    for (const OrderedKey& key : kKeyOrder) {
        const uint8_t k = key.keyIndex;
        pair.level[k] = Decay(pair.level[k], rule);
        const Rgb colour = state.multiColour ? ExtendedWheel(pair.hue[k]) : state.effectColour;
        frame_.Draw(k, Scale(colour, pair.level[k]));
    }
}

// --- Routines --------------------------------------------------------------

void PreviewEngine::RunColumnWave(const LightingState& state) {
    const bool forward = state.direction != 0;
    if (state.multiColour) {
        columnWavePosition_ = Step(forward, columnWavePosition_, 9, kWheelSize);
        const int pos = columnWavePosition_;
        DrawColumns([pos](int x) { return kColourWheel[(pos + 9 * x) % kWheelSize]; });
    } else {
        columnWavePosition_ = Step(forward, columnWavePosition_, 7, kW96.size());
        const int pos = columnWavePosition_;
        DrawColumns([pos, &state](int x) { return Scale(state.effectColour, kW96[(pos + 7 * x) % kW96.size()]); });
    }
}

void PreviewEngine::RunColumnPulse(const LightingState& state) {
    const bool forward = state.direction != 0;
    if (state.multiColour) {
        columnPulsePosition_ = Step(forward, columnPulsePosition_, 4, kWheelSize);
        const int pos = columnPulsePosition_;
        DrawColumns([pos](int x) { return kColourWheel[(pos + 5 * x) % kWheelSize]; });
        return;
    }
    // The pulse runs on a 128-step clock; the columns step through the 129-entry
    // curve by 5 in the chosen direction, so index 128 is reachable forwards.
    constexpr int kPeriod = 128;
    columnPulsePosition_ = Step(true, columnPulsePosition_, 4, kPeriod);
    int b = columnPulsePosition_;
    std::array<uint8_t, kGridColumns> levelOfColumn{};
    for (int x = 0; x < kGridColumns; ++x) {
        if (forward) {
            b += 5;
            if (b > kPeriod) b -= kPeriod;
        } else {
            b -= 5;
            if (b < 0) b += kPeriod;
        }
        levelOfColumn[x] = kW129[b];
    }
    DrawColumns([&levelOfColumn, &state](int x) { return Scale(state.effectColour, levelOfColumn[x]); });
}

void PreviewEngine::RunSnake(const LightingState& state) {
    const bool forward = state.direction != 0;
    if (state.multiColour) {
        snakePosition_ = Step(forward, snakePosition_, 4, kWheelSize);
        for (int n = 0; n < kOrderedKeys; ++n) {
            frame_.Draw(kKeyOrder[n].keyIndex, kColourWheel[(snakePosition_ + 5 * n) % kWheelSize]);
        }
    } else {
        snakePosition_ = Step(forward, snakePosition_, 4, kW96.size());
        for (int n = 0; n < kOrderedKeys; ++n) {
            frame_.Draw(kKeyOrder[n].keyIndex, Scale(state.effectColour, kW96[(snakePosition_ + 5 * n) % kW96.size()]));
        }
    }
}

void PreviewEngine::RunColourCycle(const LightingState& state) {
    colourCyclePosition_ = Step(state.direction != 0, colourCyclePosition_, 2, kWheelSize);
    DrawAllKeys(kColourWheel[colourCyclePosition_]);
}

void PreviewEngine::RunBreathing(const LightingState& state) {
    breathingPosition_ = Step(true, breathingPosition_, 2, kW128.size());
    const uint8_t level = kW128[breathingPosition_];
    DrawColumns([level, &state](int x) {
        return Scale(state.multiColour ? kColourWheel[7 * x] : state.effectColour, level);
    });
}

void PreviewEngine::RunStaticRainbow(const LightingState& state) {
    if (!state.multiColour) {
        DrawAllKeys(state.effectColour);
        return;
    }
    // 9 x 22 would run past the wheel; the last column repeats the first colour.
    DrawColumns([](int x) { return x == kGridColumns - 1 ? kColourWheel[0] : kColourWheel[9 * x]; });
}

void PreviewEngine::RunTwinkle(const LightingState& state) {
    for (int i = 0; i < 3; ++i) {
        ++twinkleIndex_;
        if (twinkleIndex_ >= kOrderedKeys) twinkleIndex_ = 0;
        const uint8_t k = kKeyOrder[kRandomOrder[twinkleIndex_]].keyIndex;
        commonPair_.level[k] = 255;
        commonPair_.hue[k] = random_.NextHue();
    }
    PaintLevels(commonPair_, DecayRule::kStandard, state);
}

void PreviewEngine::RunKeyCycle(const LightingState&) {
    if (!keyCycleStarted_) {
        keyCycleStarted_ = true;
        int v = 0;
        for (uint8_t& phase : keyCyclePhase_) {
            v += 33;
            if (v > kWheelSize) v -= kWheelSize;
            phase = static_cast<uint8_t>(v);
        }
    }
    for (int n = 0; n < kOrderedKeys; ++n) {
        int phase = keyCyclePhase_[n] + 3;
        if (phase >= kWheelSize) phase = 0;
        keyCyclePhase_[n] = static_cast<uint8_t>(phase);
        frame_.Draw(kKeyOrder[n].keyIndex, kColourWheel[phase]);
    }
}

void PreviewEngine::RunRowWave(const LightingState& state) {
    rowWavePosition_ = Step(state.direction != 0, rowWavePosition_, 3, kWheelSize);
    for (int row = 0; row < kGridRows; ++row) {
        const Rgb colour = kColourWheel[(rowWavePosition_ + 32 * row) % kWheelSize];
        for (int column = 0; column < kGridColumns; ++column) frame_.Draw(kGridKeys[row][column], colour);
    }
}

void PreviewEngine::RunCentreRipple(const LightingState& state) {
    WaveSet& waves = centreRippleWaves_;
    if (!centreRippleStarted_) {
        centreRippleStarted_ = true;
        waves.SetInAllPlanes(kCentreColumn, kBelowGridBit);
    }
    // When the ripple has left the centre column at the top, a new one starts
    // from the top; when it has left at the bottom, a new one starts from below.
    const uint8_t centre = waves.ColumnUnion(kCentreColumn);
    if (centre == kTopRowBit) waves.AssignInAllPlanes(kCentreColumn, kTopRowBit);
    if (centre == kBelowGridBit) waves.SetInAllPlanes(kCentreColumn, kBelowGridBit);
    LightFront(waves, centreRipplePair_, state.multiColour, random_);
    MoveWaves(waves);
    PaintLevels(centreRipplePair_, DecayRule::kStandard, state);
}

// Lights one key of the script. The running hue advances only when it colours a
// key (multi-colour); a single-colour key gets hue 0.
void PreviewEngine::LightScriptKey(uint8_t keyIndex, int hueGrowth, bool multiColour) {
    if (keyIndex >= kKeyIndexes) return;
    scriptPair_.level[keyIndex] = 255;
    if (multiColour) {
        scriptHue_ = static_cast<uint8_t>(scriptHue_ + hueGrowth);
        scriptPair_.hue[keyIndex] = scriptHue_;
    } else {
        scriptPair_.hue[keyIndex] = 0;
    }
}

void PreviewEngine::RunScript(const LightingState& state) {
    const bool multi = state.multiColour;
    ++scriptHue_;
    switch (scriptPhase_) {
        case kSweep:
            // The counter is shared with modes 15 and 18; a value they left behind
            // starts the sweep from its first step instead of reading past the table.
            if (sharedCounter_ >= kScriptSteps) sharedCounter_ = 0;
            for (uint8_t key : kStepKeys[sharedCounter_]) LightScriptKey(key, 11, multi);
            if (++sharedCounter_ >= kScriptSteps) {
                sharedCounter_ = 0;
                scriptPhase_ = kChase;
            }
            break;
        case kChase:
            // One pair per tick, 31 pairs in all, then wait for the chase to fade out.
            if (sharedCounter_ <= kLastChaseCount) {
                for (uint8_t key : kPairKeys[sharedCounter_ % kScriptPairs]) LightScriptKey(key, 1, multi);
                ++sharedCounter_;
            } else if (scriptPair_.level[kChaseEndIndex] == 0) {
                scriptPhase_ = kRippleStart;
                sharedCounter_ = 0;
            }
            break;
        case kRippleStart:
            scriptWaves_.SetInAllPlanes(kRippleCell.column, static_cast<uint8_t>(1u << kRippleCell.row));
            scriptPhase_ = kRippleTravel;
            break;
        case kRippleTravel:
            LightFront(scriptWaves_, scriptPair_, multi, random_);
            MoveWaves(scriptWaves_);
            if (scriptPair_.level[kCornerIndex] != 0) scriptPhase_ = kRippleFade;
            break;
        default:  // kRippleFade
            if (scriptPair_.level[kCornerIndex] == 0) {
                scriptPhase_ = kSweep;
                sharedCounter_ = 0;
            }
            break;
    }
    PaintLevels(scriptPair_, DecayRule::kFast, state);
}

// Three drops per tick in the top row, at the running column + 7, + 10 and + 13;
// the restart's light below column 9 climbs at the same time.
void PreviewEngine::RunRain(const LightingState& state) {
    int column = (sharedCounter_ + 7) % kGridColumns;
    for (int drop = 0; drop < 3; ++drop) {
        if (drop > 0) column = (column + 3) % kGridColumns;
        commonWaves_.SetInAllPlanes(column, kTopRowBit);
    }
    sharedCounter_ = static_cast<uint8_t>(column);
    LightFront(commonWaves_, commonPair_, state.multiColour, random_);
    MoveDown(commonWaves_);
    PaintLevels(commonPair_, DecayRule::kStandard, state);
}

void PreviewEngine::RunCornerRipple(const LightingState& state) {
    WaveSet& waves = cornerRippleWaves_;
    if (waves.ColumnUnion(kCornerStartColumn) == kTopRowBit) waves.AssignInAllPlanes(kCornerStartColumn, kTopRowBit);
    if (waves.ColumnUnion(kCornerEndColumn) == kBelowGridBit) waves.SetInAllPlanes(kCornerEndColumn, kBelowGridBit);
    LightFront(waves, cornerRipplePair_, state.multiColour, random_);
    MoveWaves(waves);
    PaintLevels(cornerRipplePair_, DecayRule::kStandard, state);
}

void PreviewEngine::RunRings(const LightingState& state) {
    int column = sharedCounter_;
    if (state.direction != 0) {
        column += 2;
        if (column >= kWheelSize) column = 0;
    } else {
        column -= 2;
        if (column < 0) column = kWheelSize;  // 192, not 190: the wheel index wraps below
    }
    sharedCounter_ = static_cast<uint8_t>(column);
    for (int n = 1; n <= kRings; ++n) {
        const Rgb colour = kColourWheel[(column + 21 * n) % kWheelSize];
        for (uint8_t key : kRingKeys[n - 1]) frame_.Draw(key, colour);
    }
}

}  // namespace quovex
