// Starting an outside program (the firmware updater) detached from this
// process. The GUI starts it with QProcess::startDetached; the command line
// uses SpawnedProgramLauncher; tests record what would have started.
#pragma once

#include <filesystem>

namespace quovex {

class ProgramLauncher {
public:
    virtual ~ProgramLauncher() = default;
    // Starts `program` with no arguments in the current folder, without
    // waiting for it. False when it could not be started.
    virtual bool StartProgram(const std::filesystem::path& program) = 0;
};

// posix_spawn, with the child reaped by a small waiting thread so that it
// leaves no zombie behind while this process runs on.
class SpawnedProgramLauncher : public ProgramLauncher {
public:
    bool StartProgram(const std::filesystem::path& program) override;
};

}  // namespace quovex
