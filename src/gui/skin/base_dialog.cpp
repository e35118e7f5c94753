#include "skin/base_dialog.h"

#include <QImageReader>
#include <QMouseEvent>
#include <QPainter>
#include <QRegion>
#include <QWindow>
#include <cstdio>
#include <cstdlib>

#include "skin/mask_region.h"

namespace quovex::gui {

CBaseDialog::CBaseDialog(int template_id, QWidget* parent, skin::SkinPaths paths)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint),
      template_id_(template_id),
      paths_(std::move(paths)),
      skin_file_(paths_.ini_path) {}

CBaseDialog::~CBaseDialog() = default;

std::optional<QImage> CBaseDialog::LoadPicture(const std::string& file_name, const char* what) {
    const QString ini = QString::fromStdString(paths_.ini_path.string());
    if (file_name.empty()) {
        skin_error_ = QStringLiteral("%1 names no %2 picture ([SCREEN] \"Main\" is empty)").arg(ini, what);
        return std::nullopt;
    }
    const QString path = QString::fromStdString((paths_.image_folder / file_name).string());
    QImageReader reader(path);
    QImage image = reader.read();
    if (image.isNull()) {
        skin_error_ = QStringLiteral("cannot read the %1 picture %2 of %3: %4").arg(what, path, ini, reader.errorString());
        return std::nullopt;
    }
    return image;
}

bool CBaseDialog::OnInitDialog() {
    skin_busy_ = true;
    skin_error_.clear();
    std::optional<QImage> background = LoadPicture(skin_file_.Background(), "background");
    std::optional<QImage> mask = background ? LoadPicture(skin_file_.Mask(), "mask") : std::nullopt;
    if (!background || !mask) {
        skin_busy_ = false;
        return false;
    }
    background_ = std::move(*background);
    mask_image_ = std::move(*mask);

    // The dialog takes the background's size where it stands now.
    setFixedSize(background_.size());
    raise();

    region_ = RegionFromMask(mask_image_);
    if (region_ && !region_->isEmpty()) {
        setMask(*region_);
    } else {
        // A mask without a single window pixel would leave a dialog nobody can
        // see or reach; it keeps its rectangular shape instead.
        clearMask();
        if (region_) {
            std::fprintf(stderr, "quovex: the mask of %s is all white; the dialog stays rectangular\n",
                         paths_.ini_path.string().c_str());
        }
    }
    update();
    skin_busy_ = false;
    return true;
}

void CBaseDialog::ReleaseSkin() {
    background_ = QImage();
    mask_image_ = QImage();
}

void CBaseDialog::accept() {
    ReleaseSkin();
    QDialog::accept();
}

void CBaseDialog::paintEvent(QPaintEvent*) {
    if (background_.isNull()) return;
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), background_);
}

void CBaseDialog::mousePressEvent(QMouseEvent* event) {
    // A press on the dialog's own surface (not on a control) drags the window.
    if (event->button() == Qt::LeftButton) {
        QWindow* window = windowHandle();
        if (!window || !window->startSystemMove()) {
            drag_offset_ = event->globalPosition().toPoint() - frameGeometry().topLeft();
        }
    }
    QDialog::mousePressEvent(event);
}

void CBaseDialog::mouseMoveEvent(QMouseEvent* event) {
    if (drag_offset_ && (event->buttons() & Qt::LeftButton)) move(event->globalPosition().toPoint() - *drag_offset_);
    QDialog::mouseMoveEvent(event);
}

void CBaseDialog::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) drag_offset_.reset();
    QDialog::mouseReleaseEvent(event);
}

void ExitForSkinFailure(const QString& error) {
    std::fprintf(stderr, "quovex: %s\n", qPrintable(error));
    std::exit(1);
}

}  // namespace quovex::gui
