#include "profiles/profile_list.h"

#include "model/current_profile.h"
#include "profiles/profile_folder.h"
#include "profiles/profile_menu.h"
#include "profiles/profile_services.h"
#include "profiles/resync.h"

namespace quovex {

namespace {

constexpr const char* kProfileFileExtension = ".qvx";

}  // namespace

std::vector<ProfileListRow> InitialProfileList(ProfileServices& services) {
    std::vector<ProfileListRow> rows;
    for (int profile = 0; profile < GetProfileCount(); ++profile) {
        const std::filesystem::path path = GetProfilePath(services.paths, profile);
        std::string folder = path.parent_path().string();
        if (!folder.empty() && folder.back() != '/') folder.push_back('/');
        rows.push_back({path.stem().string(), folder, false});
    }
    const int current = services.CurrentProfile();
    if (IsOnBoardProfile(current)) rows[static_cast<size_t>(current)].checked = true;
    return rows;
}

void ApplyProfileList(ProfileServices& services, const std::vector<ProfileListRow>& rows) {
    for (size_t row = 0; row < rows.size(); ++row) {
        services.settings.WriteProfileListEntry(static_cast<int>(row),
                                                rows[row].folder + rows[row].name + kProfileFileExtension);
    }
    services.settings.WriteProfileListCount(static_cast<int>(rows.size()));

    int checked = kProfileUnknown;
    for (size_t row = 0; row < rows.size() && checked == kProfileUnknown; ++row) {
        if (rows[row].checked) checked = static_cast<int>(row);
    }
    if (checked >= GetProfileCount()) {
        services.log.WriteLine("profile list: row " + std::to_string(checked + 1) +
                               " is not an on-board profile; the keyboard's profile is left as it is");
        checked = kProfileUnknown;
    }
    SetCurrentProfile(services.commands, services.keyboard, checked);

    ResyncFromKeyboard(services, false);
    BuildProfileMenu(services);
    services.SetApplyEnabled(false);
}

}  // namespace quovex
