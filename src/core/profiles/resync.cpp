#include "profiles/resync.h"

#include <string>

#include "model/profile_file.h"
#include "profiles/keyboard_snapshot.h"
#include "profiles/profile_folder.h"
#include "profiles/profile_services.h"

namespace quovex {

int ResyncFromKeyboard(ProfileServices& services, bool keep_apply) {
    EnsureProfileFolder(services.paths, services.lighting);
    const int current = services.CurrentProfile();
    const std::filesystem::path working_file = GetProfilePath(services.paths, current);
    const bool snapshot_written =
        current >= 0 && !working_file.empty() && SnapshotKeyboardToFile(services, working_file) == 1;
    {
        auto lock = services.working.Lock();
        std::string error;
        if (!snapshot_written || LoadImageFile(services.working, working_file, &error) != 1) {
            if (snapshot_written) {
                services.log.WriteLine("cannot load the working file " + working_file.string() + ": " +
                                       error);
            }
            CreateDefaultImage(services.working, 0);
        }
        services.RefreshKeyView();
    }
    if (!keep_apply) services.SetApplyEnabled(false);
    return 1;
}

}  // namespace quovex
