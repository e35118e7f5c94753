// CPngButton: the image button behind every clickable picture. It shows the
// part of a full-dialog state surface that lies under it, in one of five
// states (normal, over, down, disabled, checked), or the colour-view pair,
// optionally a coloured frame instead, a caption over the picture, and a
// tooltip that appears after 2000 ms.
//
// Source picture, first match wins: disabled; colour-view pair (when it has an
// owner); pressed; hovered; checked; normal. A double-click counts as two
// clicks, so that fast clicking never loses one.
#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QTimer>
#include <array>
#include <functional>

#include "skin/caption_style.h"
#include "skin/skin_image.h"

namespace quovex::gui {

class CPngButton : public QAbstractButton {
    Q_OBJECT

public:
    // Called after every drawing with the button and whether the normal picture was drawn.
    using DrawCallback = std::function<void(CPngButton& button, bool normal_drawn)>;

    static constexpr int kTooltipDelayMs = 2000;
    // A shown tooltip stays ten times its delay unless the mouse leaves first.
    static constexpr int kTooltipShowMs = 10 * kTooltipDelayMs;
    static constexpr int kFrameWidth = 2;

    explicit CPngButton(QWidget* parent = nullptr, int control_id = 0);
    ~CPngButton() override;

    int ControlId() const { return control_id_; }
    void SetControlId(int control_id) { control_id_ = control_id; }

    // Three values, one per on-board profile, kept for the per-key colour view.
    std::array<int, 3>& ProfileValues() { return profile_values_; }

    // Image offset and image set; clears the hover, pressed and tracking flags.
    void SetSkin(int x, int y, const SkinImageSet& images, bool redraw);
    void SetSkinImages(const SkinImageSet& images, bool redraw);
    void SetSkinOffset(int x, int y, bool redraw);
    // The colour-view pair; while `owner` is set the pair replaces the image set
    // and `state` chooses the on image (not 0) or the off image.
    void SetSkinPair(const QImage* off, const QImage* on, const QObject* owner, int state, bool redraw);
    // The checked flag (not Qt's checkable state: a click never toggles it).
    void SetChecked(bool checked, bool redraw);
    // A 2-pixel frame of `colour` around the button instead of its picture.
    void SetFrameColour(const QColor& colour, bool on);
    void SetTextStyle(bool has_caption, int point_size, const QString& face_name, const QColor& colour,
                      int format_flags);
    void SetTextMargins(int left, int right, int top, int bottom);
    void SetTextAngle(int escapement, bool angled);
    void SetDrawCallback(DrawCallback callback);
    // An empty text changes nothing. Otherwise the text becomes the tooltip,
    // shown `kTooltipDelayMs` after the mouse comes to rest on the button
    // while `activate` is set.
    void SetTooltip(const QString& text, bool activate);
    // Draws now (`redraw`) or at the next paint.
    void DrawButton(bool redraw);

    // What the button shows and holds.
    const QImage* SourceImage() const;
    const QImage* LastDrawnImage() const { return last_drawn_; }
    QPoint SkinOffset() const { return offset_; }
    const SkinImageSet& Images() const { return images_; }
    bool Checked() const { return checked_; }
    bool Hovered() const { return hovered_; }
    bool FrameOn() const { return frame_on_; }
    QColor FrameColour() const { return frame_colour_; }
    const CaptionStyle& Caption() const { return caption_; }
    QFont CaptionFont() const;
    // The rectangle the caption is laid out in (before any rotation).
    QRect CaptionRect() const;
    QString TooltipText() const { return tooltip_text_; }
    bool TooltipActive() const { return tooltip_active_; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void ClearMouseState();
    void DrawCaptionText(QPainter& painter);
    void ShowTooltipNow();

    int control_id_ = 0;
    std::array<int, 3> profile_values_{};
    SkinImageSet images_;
    const QImage* pair_off_ = nullptr;
    const QImage* pair_on_ = nullptr;
    const QObject* pair_owner_ = nullptr;
    int pair_state_ = 0;
    const QImage* last_drawn_ = nullptr;
    QPoint offset_{1, 1};
    bool hovered_ = false;
    bool checked_ = false;
    bool frame_on_ = false;
    QColor frame_colour_;
    CaptionStyle caption_;
    DrawCallback draw_callback_;
    QString tooltip_text_;
    bool tooltip_active_ = false;
    QTimer tooltip_timer_;
};

}  // namespace quovex::gui
