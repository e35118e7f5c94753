// The lighting preview: every tick computes what the keyboard picture shows to
// imitate the chosen lighting mode (waves, breathing, rainbows, ripples). The
// engine only computes; the GUI paints the frame it returns. It uses the mode,
// direction, multi-colour flag and effect colour of the lighting state, never
// speed or brightness, and sends nothing to the keyboard.
//
// Not thread-safe: one engine belongs to the thread that runs the preview timer.
#pragma once

#include <array>
#include <cstdint>

#include "lighting/lighting_state.h"
#include "lighting/preview_frame.h"
#include "lighting/preview_random.h"
#include "lighting/preview_waves.h"

namespace quovex {

class PreviewEngine {
public:
    // `random` supplies the hues of the twinkle and ripple modes; it must outlive the engine.
    explicit PreviewEngine(PreviewRandom& random) : random_(random) {}

    // The next tick starts the shared ripple state afresh (called when a mode is chosen).
    void RestartPreview() { restarted_ = false; }

    // One tick (the GUI calls it every 50 ms). With the lighting view off the frame
    // draws nothing. The returned frame stays valid until the next tick.
    const PreviewFrame& PreviewTick(const LightingState& state);

private:
    using Routine = void (PreviewEngine::*)(const LightingState&);
    struct RoutineEntry {
        int mode;
        Routine routine;
    };
    static const std::array<RoutineEntry, 14> kRoutines;

    void Restart();

    void RunColumnWave(const LightingState& state);     // mode 1
    void RunColumnPulse(const LightingState& state);    // mode 2
    void RunSnake(const LightingState& state);          // mode 3
    void RunColourCycle(const LightingState& state);    // mode 4
    void RunBreathing(const LightingState& state);      // mode 5
    void RunStaticRainbow(const LightingState& state);  // mode 6
    void RunTwinkle(const LightingState& state);        // mode 10
    void RunKeyCycle(const LightingState& state);       // mode 11
    void RunRowWave(const LightingState& state);        // mode 12
    void RunCentreRipple(const LightingState& state);   // mode 13
    void RunScript(const LightingState& state);         // mode 14
    void RunRain(const LightingState& state);           // mode 15
    void RunCornerRipple(const LightingState& state);   // mode 16
    void RunRings(const LightingState& state);          // mode 18

    template <typename ColourOfColumn>
    void DrawColumns(ColourOfColumn colourOfColumn);
    void DrawAllKeys(Rgb colour);
    void PaintLevels(preview::LevelPair& pair, preview::DecayRule rule, const LightingState& state);
    void LightScriptKey(uint8_t keyIndex, int hueGrowth, bool multiColour);

    PreviewRandom& random_;
    PreviewFrame frame_;

    // Clear: the next tick restarts the shared ripple state first.
    bool restarted_ = false;

    // Each routine's own position; they continue where they were when a mode is chosen again.
    int columnWavePosition_ = 0;
    int columnPulsePosition_ = 0;
    int snakePosition_ = 0;
    int colourCyclePosition_ = 0;
    int breathingPosition_ = 0;
    int rowWavePosition_ = 0;

    // Mode 14's step counter, which is also the running column of modes 15 and 18.
    uint8_t sharedCounter_ = 0;
    uint8_t scriptHue_ = 0;
    int scriptPhase_ = 0;

    int twinkleIndex_ = 0;

    bool keyCycleStarted_ = false;
    std::array<uint8_t, preview::kOrderedKeys> keyCyclePhase_{};

    bool centreRippleStarted_ = false;

    preview::LevelPair centreRipplePair_;  // mode 13
    preview::LevelPair scriptPair_;        // mode 14
    preview::LevelPair cornerRipplePair_;  // mode 16
    preview::LevelPair commonPair_;        // modes 10 and 15
    preview::WaveSet centreRippleWaves_;   // mode 13
    preview::WaveSet scriptWaves_;         // mode 14
    preview::WaveSet cornerRippleWaves_;   // mode 16
    preview::WaveSet commonWaves_;         // mode 15
};

}  // namespace quovex
