#include "skin/skin_image.h"

#include <QImageReader>
#include <QPainter>
#include <QString>

namespace quovex::gui {

SkinImage LoadSkinImage(const std::filesystem::path& program_folder, const std::filesystem::path& name) {
    QImageReader reader(QString::fromStdString((program_folder / name).string()));
    QImage image = reader.read();
    return SkinImage(std::move(image));
}

QImage RenderSkinImage(const SkinImage& image, const QSize& client_size) {
    const QSize size(std::max(0, client_size.width()) + kSurfaceMargin, std::max(0, client_size.height()) + kSurfaceMargin);
    QImage surface(size, QImage::Format_RGB32);
    surface.fill(Qt::black);
    if (image.IsDecoded()) {
        QPainter painter(&surface);
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
        painter.drawImage(QPoint(0, 0), image.Image());
    }
    return surface;
}

}  // namespace quovex::gui
