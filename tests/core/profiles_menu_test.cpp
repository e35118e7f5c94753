// The profile menu's items, check mark, caption and tooltip.
#include <gtest/gtest.h>

#include "model/keyboard_context.h"
#include "profiles/profile_menu.h"

namespace quovex {
namespace {

TEST(ProfilesMenuTest, ItemsCheckCaptionAndTooltip) {
    const TextTable texts;
    const std::vector<ProfileMenuItem> items = {{9000, "<Default Profile>", false},
                                                {0, "", true},
                                                {9001, "$Profile0", false},
                                                {9002, "$Profile0", false},
                                                {9003, "$Profile0", false}};
    struct Case {
        int current;
        int checked;
        const char* caption;
    };
    for (const Case c : {Case{kProfileUnknown, 0, "<Default Profile>"}, Case{0, 2, "$Profile0"},
                         Case{2, 4, "$Profile0"}, Case{7, 0, "<Default Profile>"}}) {
        SCOPED_TRACE(c.current);
        const ProfileMenu menu = MakeProfileMenu(c.current, texts);
        EXPECT_EQ(menu.items, items);
        EXPECT_EQ(menu.checked_position, c.checked);
        EXPECT_EQ(menu.caption, c.caption);
        EXPECT_EQ(menu.tooltip, std::string("The current contextual  mode: ") + c.caption);
    }
}

}  // namespace
}  // namespace quovex
