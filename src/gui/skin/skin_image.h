// Skin pictures and the off-screen surfaces buttons draw from.
//
// A dialog loads each state picture once per process and renders it into a
// surface the size of its client area plus 100 pixels in each direction; a
// button then copies the part of a surface that lies under it. A picture that
// is missing or cannot be decoded still gives a surface, which stays black.
#pragma once

#include <QImage>
#include <QSize>
#include <filesystem>

namespace quovex::gui {

// A decoded skin picture, or nothing when the file could not be decoded.
class SkinImage {
public:
    SkinImage() = default;
    explicit SkinImage(QImage image) : image_(std::move(image)) {}
    bool IsDecoded() const { return !image_.isNull(); }
    const QImage& Image() const { return image_; }

private:
    QImage image_;
};

// Extra room of a state surface beyond the dialog's client area, right and below.
inline constexpr int kSurfaceMargin = 100;

// Opens program folder + `name` (for example "Skins/main_normal.jpg") as a
// BMP, JPEG, GIF or PNG picture.
SkinImage LoadSkinImage(const std::filesystem::path& program_folder, const std::filesystem::path& name);

// The state surface for a dialog whose client area is `client_size`: client
// size plus 100 in each direction, black, with the picture drawn unscaled at
// (0, 0) and cut at the surface's right and bottom edges.
QImage RenderSkinImage(const SkinImage& image, const QSize& client_size);

// The five pictures of one button (pointers into surfaces its dialog owns).
struct SkinImageSet {
    const QImage* normal = nullptr;
    const QImage* over = nullptr;
    const QImage* down = nullptr;
    const QImage* disabled = nullptr;
    const QImage* checked = nullptr;

    // The same surface in all five states.
    static SkinImageSet All(const QImage* image) { return {image, image, image, image, image}; }
    bool operator==(const SkinImageSet&) const = default;
};

}  // namespace quovex::gui
