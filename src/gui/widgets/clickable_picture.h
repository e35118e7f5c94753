// A picture control: shows one picture unscaled at its top-left corner (or
// nothing) and, when clickable, reports left clicks as the dialogs' notifying
// picture controls do. A click is a press and a release inside the picture; a
// double-click counts as two clicks, so that fast clicking loses none.
#pragma once

#include <QPixmap>
#include <QString>
#include <QWidget>

namespace quovex::gui {

class ClickablePicture : public QWidget {
    Q_OBJECT

public:
    ClickablePicture(QWidget* parent, int control_id, bool clickable);

    int ControlId() const { return control_id_; }
    bool IsClickable() const { return clickable_; }

    // `name` tells which picture is shown (its file name); an empty pixmap shows nothing.
    void SetPicture(const QPixmap& picture, const QString& name);
    const QString& PictureName() const { return picture_name_; }
    const QPixmap& Picture() const { return picture_; }

    QSize sizeHint() const override;

signals:
    void Clicked(int control_id);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    int control_id_;
    bool clickable_;
    bool pressed_ = false;
    QPixmap picture_;
    QString picture_name_;
};

}  // namespace quovex::gui
