// The lighting panel's pictures (the BMP files of the skin beside Main.ini):
// the view switch, the direction pairs, swatches, multi-colour switches,
// tools, progress frames and slider tracks. All are loaded once at start and
// found by file name; a file that is missing or cannot be decoded gives an
// empty picture, and the panel works on without it.
#pragma once

#include <QHash>
#include <QPixmap>
#include <QString>
#include <filesystem>
#include <string_view>
#include <vector>

namespace quovex::gui {

class PanelPictures {
public:
    // Every picture file the panel shows.
    static std::vector<std::string> FileNames();

    void Load(const std::filesystem::path& folder);

    // The picture of `file_name`, or an empty one.
    QPixmap Get(std::string_view file_name) const;
    // The file names that could not be loaded.
    const std::vector<std::string>& Missing() const { return missing_; }

private:
    QHash<QString, QPixmap> pictures_;
    std::vector<std::string> missing_;
};

}  // namespace quovex::gui
