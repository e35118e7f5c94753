// What the lighting preview costs the program: a skinned main window with its
// key buttons and the lighting panel on the virtual keyboard, the lighting
// view on. Prints the process's processor time as a share of one core while
// the window is shown and the preview runs, the ticks drawn, and the timer
// events the program receives while the window is hidden (the goal: none, so
// that a program waiting in the tray never wakes the processor).
//   build/bin/quovex_bench_gui_preview [--seconds N] [--mode M]
// Runs on the offscreen platform unless QT_QPA_PLATFORM says otherwise.
#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <map>
#include <memory>
#include <string>

#include "app/application_context.h"
#include "keys/keyboard_picture_view.h"
#include "lighting/lighting_operations.h"
#include "lighting/lighting_panel.h"
#include "lighting/lighting_panel_widgets.h"
#include "model/key_layout.h"
#include "skin/base_dialog.h"
#include "skin/png_button.h"
#include "skin/skin_image.h"
#include "skin/skin_keys.h"
#include "skin/skin_placement.h"

namespace quovex::gui {
namespace {

// The key buttons of the main window's keyboard picture, as far as the preview draws on them.
class ButtonKeyboardPicture : public KeyboardPictureView {
public:
    void ResetKeyButtons() override {
        for (const auto& [id, button] : buttons) button->SetFrameColour(QColor(), false);
    }
    void RedrawKeyAssignments() override {}
    void SetKeyFrameColour(int controlId, Rgb colour, bool on) override {
        ++frames;
        const auto found = buttons.find(controlId);
        if (found != buttons.end()) found->second->SetFrameColour(QColor(colour.red, colour.green, colour.blue), on);
    }
    void SetKeyLight(int, const KeyLightLook&) override {}
    void SetKeyViewCaption(std::string_view) override {}
    void EnableApply() override {}

    std::map<int, CPngButton*> buttons;
    long frames = 0;
};

class NoLauncher : public ProgramLauncher {
public:
    bool StartProgram(const std::filesystem::path&) override { return false; }
};

class NoPrompter : public Prompter {
public:
    void ShowMessage(std::string_view, const std::string&) override {}
    bool AskYesNo(std::string_view, const std::string&) override { return false; }
    std::optional<std::filesystem::path> ChooseFile(const FileChoice&) override { return std::nullopt; }
};

// Counts the timer events the whole program receives, but those of the
// measurement's own end timer.
class TimerEventCounter : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Timer && watched != ignored) ++count;
        return QObject::eventFilter(watched, event);
    }
    const QObject* ignored = nullptr;
    long count = 0;
};

double ProcessSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

struct Measure {
    double cpu_seconds;
    double wall_seconds;
    long timer_events;
};

Measure RunFor(int seconds, TimerEventCounter& counter) {
    const long events_before = counter.count;
    const double cpu_before = ProcessSeconds();
    QElapsedTimer wall;
    wall.start();
    QEventLoop loop;
    QTimer end;
    end.setSingleShot(true);
    QObject::connect(&end, &QTimer::timeout, &loop, &QEventLoop::quit);
    counter.ignored = &end;
    end.start(seconds * 1000);
    loop.exec();
    return {ProcessSeconds() - cpu_before, static_cast<double>(wall.elapsed()) / 1000.0, counter.count - events_before};
}

int Run(int seconds, int mode) {
    const std::filesystem::path program_folder = QCoreApplication::applicationDirPath().toStdString();
    setenv("QUOVEX_DEVICE", "sim", 1);
    std::string error;
    std::unique_ptr<HidServLibrary> library = HidServLibrary::Load(program_folder, &error);
    if (!library) {
        std::fprintf(stderr, "quovex_bench_gui_preview: %s\n", error.c_str());
        return 1;
    }
    QTemporaryDir home;
    UserRoots roots;
    roots.home = home.path().toStdString();
    roots.documents = roots.home / "Documents";
    roots.program_folder = program_folder;
    std::filesystem::create_directories(roots.documents);

    WindowlessViewSink sink;
    NoPrompter prompter;
    NoLauncher launcher;
    StandardErrorLog log;
    ApplicationContext app(std::move(library), MakeApplicationPaths(roots), TextTable{},
                           FrontEnd{sink, prompter, launcher, log});
    app.Link().OpenChannels();

    CBaseDialog window(skin::SkinDialogInfoOf(skin::SkinDialog::kMain).template_id, nullptr,
                       skin::SkinPathsOf(program_folder, skin::SkinDialog::kMain));
    if (!window.OnInitDialog()) {
        std::fprintf(stderr, "quovex_bench_gui_preview: %s\n", window.SkinError().toStdString().c_str());
        return 1;
    }
    const QImage normal =
        RenderSkinImage(LoadSkinImage(program_folder, skin::StateImageName(skin::main_images::kNormal)), window.size());
    ButtonKeyboardPicture keys;
    const auto add = [&](const std::string& key, int id) {
        auto* button = new CPngButton(&window, id);
        ReadSkinButton(*button, window.SkinFile(), skin::kSectionButtons, key, SkinImageSet::All(&normal));
        keys.buttons[id] = button;
    };
    for (int q = 0; q < kLayoutKeyCount; ++q) add(KeySkinKey(q), kKeyPositions[q].control_id);
    for (int j = 0; j < kGKeyCount; ++j) add(GKeySkinKey(j), kGKeyControlIds[j]);
    add("KEY_FN", kFnControlId);

    LightingPanelWidgets panel(window, app, keys);
    panel.Initialise();
    app.Keyboard().SetCachedProfile(0);
    panel.Hooks().ReloadAfterProfileSync(0);
    LightingContext& lighting = panel.Lighting();
    if (!lighting.state.lightingView) ToggleLightingView(lighting, [] { return true; });
    SelectLightingMode(lighting, lighting.state.effectMap.ListIndexOfMode(mode));
    RefreshLightingPanel(lighting);

    TimerEventCounter counter;
    QApplication::instance()->installEventFilter(&counter);

    window.show();
    const long frames_before = keys.frames;
    const Measure shown = RunFor(seconds, counter);
    const long frames = keys.frames - frames_before;
    std::printf("preview shown, mode %d, %d s: %.2f %% of one core (%.3f s processor time), %.0f key frames "
                "drawn per second, %ld timer events\n",
                mode, seconds, 100.0 * shown.cpu_seconds / shown.wall_seconds, shown.cpu_seconds,
                static_cast<double>(frames) / shown.wall_seconds, shown.timer_events);

    window.hide();
    QApplication::processEvents();
    const Measure hidden = RunFor(seconds, counter);
    std::printf("window hidden, %d s: %.2f %% of one core (%.3f s processor time), %ld timer events, preview %s\n",
                seconds, 100.0 * hidden.cpu_seconds / hidden.wall_seconds, hidden.cpu_seconds,
                hidden.timer_events, panel.PreviewRunning() ? "running" : "stopped");
    return hidden.timer_events == 0 ? 0 : 2;
}

}  // namespace
}  // namespace quovex::gui

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    int seconds = 10;
    int mode = 13;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string option = argv[i];
        if (option == "--seconds") {
            seconds = std::max(1, std::atoi(argv[i + 1]));
        } else if (option == "--mode") {
            mode = std::atoi(argv[i + 1]);
        } else {
            std::fprintf(stderr, "usage: %s [--seconds N] [--mode M]\n", argv[0]);
            return 1;
        }
    }
    return quovex::gui::Run(seconds, mode);
}
