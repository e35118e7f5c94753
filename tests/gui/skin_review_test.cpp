// The skin viewer at work: each skinned dialog opened with the generated skin
// and no keyboard logic, checked for controls that would collide, and saved
// as a PNG for review (see QUOVEX_REVIEW_DIR: build/skin-review/).
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QStyleFactory>
#include <set>

#include "lighting/mode_table.h"
#include "skin/skin_keys.h"
#include "skin/skin_palette.h"
#include "skin_preview.h"

namespace quovex::gui::preview {
namespace {

const std::filesystem::path kProgram = QUOVEX_PROGRAM_DIR;

void Save(SkinPreviewDialog& dialog, const QString& name) {
    QDir().mkpath(QStringLiteral(QUOVEX_REVIEW_DIR));
    const QImage picture = dialog.Picture();
    ASSERT_TRUE(picture.save(QStringLiteral(QUOVEX_REVIEW_DIR "/") + name)) << name.toStdString();
}

// Visible controls and enabled buttons must not cover one another.
void ExpectNoCollisions(SkinPreviewDialog& dialog, const std::set<std::string>& allowed_under) {
    std::vector<std::pair<std::string, QRect>> placed;
    for (const auto& [key, button] : dialog.Buttons()) {
        if (allowed_under.contains(key) || !button->isVisibleTo(&dialog)) continue;
        placed.emplace_back(key, button->geometry());
    }
    for (const QWidget* child : dialog.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (qobject_cast<const CPngButton*>(child) || !child->isVisibleTo(&dialog)) continue;
        placed.emplace_back(child->metaObject()->className(), child->geometry());
    }
    for (size_t i = 0; i < placed.size(); ++i) {
        EXPECT_TRUE(dialog.rect().contains(placed[i].second)) << placed[i].first;
        for (size_t j = i + 1; j < placed.size(); ++j) {
            EXPECT_FALSE(placed[i].second.intersects(placed[j].second))
                << placed[i].first << " " << placed[i].second.x() << "," << placed[i].second.y() << " and "
                << placed[j].first << " " << placed[j].second.x() << "," << placed[j].second.y();
        }
    }
}

class SkinReviewTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        QApplication::setPalette(SkinPalette());
    }
};

TEST_F(SkinReviewTest, MainWindowInEveryLightingMode) {
    for (const ModeInfo& mode : ModeTable()) {
        SCOPED_TRACE(mode.id);
        std::unique_ptr<SkinPreviewDialog> dialog = MainWindow(kProgram, mode.id);
        ASSERT_TRUE(dialog->SkinError().isEmpty()) << dialog->SkinError().toStdString();
        EXPECT_EQ(dialog->size(), dialog->BackgroundImage().size());
        ASSERT_TRUE(dialog->SkinRegion().has_value());
        EXPECT_FALSE(dialog->SkinRegion()->isEmpty());
        // The flip area lies under F1 to F4 and its handles, the arrows on the handles.
        ExpectNoCollisions(*dialog, {"FLIP_0"});
        for (const auto& [key, button] : dialog->Buttons()) {
            const bool disabled_by_design = key == "FLIP_0" || key == "PELMAR_VER" || key == "CONTROL2_APPLY";
            EXPECT_EQ(button->isEnabled(), !disabled_by_design) << key;
        }
        if (mode.id == 1) Save(*dialog, QStringLiteral("main_wave.png"));
        if (mode.id == 12) Save(*dialog, QStringLiteral("main_vertical_wave.png"));
        if (mode.id == 17) Save(*dialog, QStringLiteral("main_four_colors.png"));
        if (mode.id == 20) Save(*dialog, QStringLiteral("main_custom.png"));
    }
}

TEST_F(SkinReviewTest, KeyAssignmentDialogOnEachPage) {
    const std::pair<Page, const char*> pages[] = {{Page::kKey, "key_assignment_key.png"},
                                                  {Page::kMacro, "key_assignment_macro.png"},
                                                  {Page::kMedia, "key_assignment_media.png"},
                                                  {Page::kFunction, "key_assignment_function.png"},
                                                  {Page::kMacroOnly, "key_assignment_macro_only.png"}};
    for (const auto& [page, file] : pages) {
        SCOPED_TRACE(file);
        std::unique_ptr<SkinPreviewDialog> dialog = KeyAssignment(kProgram, page);
        ASSERT_TRUE(dialog->SkinError().isEmpty()) << dialog->SkinError().toStdString();
        // The page's controls lie on the page background (the mask button).
        ExpectNoCollisions(*dialog, {"CONTROL_MASK"});
        Save(*dialog, QString::fromLatin1(file));
    }
}

TEST_F(SkinReviewTest, ProfileAndUpdateDialogs) {
    std::unique_ptr<SkinPreviewDialog> profile = ProfileDialog(kProgram);
    ASSERT_TRUE(profile->SkinError().isEmpty()) << profile->SkinError().toStdString();
    ExpectNoCollisions(*profile, {});
    Save(*profile, QStringLiteral("profile.png"));

    std::unique_ptr<SkinPreviewDialog> update = UpdateDialog(kProgram);
    ASSERT_TRUE(update->SkinError().isEmpty()) << update->SkinError().toStdString();
    ExpectNoCollisions(*update, {});
    Save(*update, QStringLiteral("update.png"));
}

}  // namespace
}  // namespace quovex::gui::preview
