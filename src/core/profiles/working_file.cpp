#include "profiles/working_file.h"

#include <string>
#include <system_error>

#include "model/profile_file.h"
#include "profiles/profile_folder.h"
#include "profiles/profile_services.h"

namespace quovex {

int SaveWorkingProfileIfPresent(ProfileServices& services) {
    auto lock = services.working.Lock();
    const std::filesystem::path path = GetProfilePath(services.paths, services.keyboard.CachedProfile());
    std::error_code ec;
    if (path.empty() || !std::filesystem::exists(path, ec)) return 0;
    std::string error;
    if (SaveWorkingProfile(services.working, path, &error) == 1) return 1;
    services.log.WriteLine("cannot save the working file " + path.string() + ": " + error);
    return 0;
}

int ApplyWorkingProfile(ProfileServices& services) {
    services.view.ShowApplyProgress(true);
    int result = 1;
    if (services.flags.apply_enabled.load()) {
        auto lock = services.working.Lock();
        // Both steps run whatever the first gave: the keyboard gets the changes
        // even when the working file is gone.
        const int saved = SaveWorkingProfileIfPresent(services);
        const int written =
            MakeWriteCopy(services.working, services.write_copy, false, services.KeyboardWrite());
        if (saved == 1 && written == 1) {
            services.SetApplyEnabled(false);
        } else {
            result = 0;
        }
    }
    services.view.ShowApplyProgress(false);
    return result;
}

}  // namespace quovex
