// The skin viewer: each skinned dialog built from the generated skin alone,
// without keyboard or profile logic - its background and shape, its buttons
// with their pictures and captions as the dialogs dress them, and plain
// stand-ins for its other controls - so that the skin can be looked at and
// saved as a picture.
#pragma once

#include <QImage>
#include <QString>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "skin/base_dialog.h"
#include "skin/png_button.h"

namespace quovex::gui::preview {

class SkinPreviewDialog : public CBaseDialog {
public:
    SkinPreviewDialog(skin::SkinDialog dialog, const std::filesystem::path& program_folder);

    // The button or control placed from `key`, or null.
    CPngButton* Button(const std::string& key) const;
    QWidget* Control(const std::string& key) const;
    const std::map<std::string, CPngButton*>& Buttons() const { return buttons_; }

    // Renders one state surface from a picture of the skin folder (kept for the dialog's life).
    const QImage* Surface(std::string_view file_name);
    CPngButton* AddButton(const std::string& key, const SkinImageSet& images, int control_id = 0);
    void AddControl(const std::string& key, QWidget* control);
    std::string Text(std::string_view key) const;  // from the language file
    int Language() const { return language_; }
    const std::filesystem::path& ProgramFolder() const { return program_folder_; }

    // The dialog as the screen shows it: outside its shape transparent.
    QImage Picture();

private:
    std::filesystem::path program_folder_;
    int language_ = 1;
    std::map<std::string, std::unique_ptr<QImage>> surfaces_;
    std::map<std::string, CPngButton*> buttons_;
    std::map<std::string, QWidget*> controls_;
};

// Builders: each returns a dialog whose skin has been applied (check SkinError()
// when OnInitDialog failed: the returned dialog is then empty).
std::unique_ptr<SkinPreviewDialog> MainWindow(const std::filesystem::path& program_folder, int lighting_mode);
enum class Page { kKey, kMacro, kMedia, kFunction, kMacroOnly };
std::unique_ptr<SkinPreviewDialog> KeyAssignment(const std::filesystem::path& program_folder, Page page);
std::unique_ptr<SkinPreviewDialog> ProfileDialog(const std::filesystem::path& program_folder);
std::unique_ptr<SkinPreviewDialog> UpdateDialog(const std::filesystem::path& program_folder);

}  // namespace quovex::gui::preview
