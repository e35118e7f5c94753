// CBaseDialog: the base of every skinned dialog. It paints the skin's
// background picture instead of a dialog face, is cut to the shape of the
// skin's mask picture, has no frame or caption, and moves with the mouse when
// the user drags any point of its background.
//
// Derived dialogs call OnInitDialog first in their own initialisation. The
// background and mask are kept until the dialog is accepted (or the derived
// dialog releases them on its own close path).
#pragma once

#include <QDialog>
#include <QImage>
#include <QPoint>
#include <QString>
#include <optional>

#include "skin/skin_files.h"
#include "skin/skin_layout.h"

class QRegion;

namespace quovex::gui {

class CBaseDialog : public QDialog {
    Q_OBJECT

public:
    CBaseDialog(int template_id, QWidget* parent, skin::SkinPaths paths);
    ~CBaseDialog() override;

    int TemplateId() const { return template_id_; }
    const skin::SkinPaths& Paths() const { return paths_; }
    const skin::SkinLayoutFile& SkinFile() const { return skin_file_; }

    // Loads the background ([SCREEN] "Main") and the mask ([SCREEN] "Mask",
    // "Main" when missing) from the INI's folder, gives the dialog the
    // background's size and the mask's shape. False, with SkinError() telling
    // why, when "Main" is empty or a picture cannot be opened or decoded: the
    // dialog cannot be shown then (see ExitForSkinFailure).
    virtual bool OnInitDialog();
    const QString& SkinError() const { return skin_error_; }
    // True while OnInitDialog applies the skin.
    bool SkinBusy() const { return skin_busy_; }

    const QImage& BackgroundImage() const { return background_; }
    const QImage& MaskImage() const { return mask_image_; }
    // The region the mask gave, or none (the dialog is rectangular then).
    const std::optional<QRegion>& SkinRegion() const { return region_; }

    // Drops the background and mask pictures.
    void ReleaseSkin();

public slots:
    // OK: the skin pictures go, then the dialog closes with OK.
    void accept() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    std::optional<QImage> LoadPicture(const std::string& file_name, const char* what);

    int template_id_;
    skin::SkinPaths paths_;
    skin::SkinLayoutFile skin_file_;
    QImage background_;
    QImage mask_image_;
    std::optional<QRegion> region_;
    QString skin_error_;
    bool skin_busy_ = false;
    // Where the drag started, when the platform cannot move the window itself.
    std::optional<QPoint> drag_offset_;
};

// Ends the program after a skin failure: one line on standard error, exit code 1.
[[noreturn]] void ExitForSkinFailure(const QString& error);

}  // namespace quovex::gui
