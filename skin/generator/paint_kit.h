// Drawing pieces shared by every picture of the default skin: window and card
// surfaces, button faces in their states, key caps, fields and line icons.
#pragma once

#include <QPainter>
#include <QPainterPath>
#include <QRectF>
#include <QString>

namespace quovex::skin_gen {

// How a control looks in one state picture.
enum class Look {
    kNormal,
    kOver,      // hovered: lighter, accent edge
    kDown,      // pressed: darker, sunk by a pixel
    kSelected,  // checked: accent fill (the disable picture serves as "checked" for most buttons)
    kDisabled,  // dimmed
};

// How a key cap looks in one state picture.
enum class CapLook {
    kNormal,
    kOver,
    kDown,
    kMarked,    // the key carries an assignment
    kLightOff,  // colour keys view, light flag off
    kLightOn,   // colour keys view, light flag on
};

enum class Icon {
    kClose,
    kMinimize,
    kHelp,
    kMenu,
    kPlus,
    kMinus,
    kRestore,   // back to the default function
    kKeyboard,  // on-screen keyboard, key page
    kFolderOpen,
    kSave,
    kUpload,    // firmware update
    kCheck,
    kCross,
    kTrash,
    kChip,
    kProfiles,
    kMacro,
    kMedia,
    kFunction,
    kWarning,
    kBrush,
    kDrop,
};

// Anti-aliased painter on `image` with the skin's defaults.
void BeginPainter(QPainter& painter);

void FillWindow(QPainter& painter, const QRectF& rect);
void DrawWindowFrame(QPainter& painter, const QRectF& rect, qreal radius);
void DrawCard(QPainter& painter, const QRectF& rect, qreal radius = 10);
void DrawDivider(QPainter& painter, qreal x1, qreal x2, qreal y);
void DrawVerticalDivider(QPainter& painter, qreal x, qreal y1, qreal y2);
// A sunken field behind an edit box, list or drop-down the program places there.
void DrawField(QPainter& painter, const QRectF& rect, qreal radius = 5);

// A button face in `look`; captions are left to the caller (or to the program).
void DrawButtonFace(QPainter& painter, const QRectF& rect, Look look, qreal radius = 6);
// A flat tool button (title bar): no face until hovered.
void DrawFlatButtonFace(QPainter& painter, const QRectF& rect, Look look, qreal radius = 6);
// The colour of text or icons drawn on a face in `look`.
QColor InkFor(Look look);
// A caption drawn into the picture, for buttons whose program draws none.
void DrawCaption(QPainter& painter, const QRectF& rect, const QString& text, Look look, int pixel_size = 13,
                 Icon icon = Icon::kCheck, bool with_icon = false);

void DrawIcon(QPainter& painter, Icon icon, const QRectF& box, const QColor& colour, qreal stroke = 1.8);

struct Legends {
    QString main;
    QString shifted;    // drawn small above the main legend
    QString secondary;  // drawn small below (numpad functions)
    int pixel_size = 11;
};

// A key cap whose outline is `outline` (a rounded rectangle or the L of the
// big Enter); legends are centred in `legend_area`.
void DrawKeycap(QPainter& painter, const QPainterPath& outline, const QRectF& legend_area, const Legends& legends,
                CapLook look);
QPainterPath RoundedRectPath(const QRectF& rect, qreal radius);

}  // namespace quovex::skin_gen

namespace quovex::skin_gen {

// A whole dialog's base: background, frame, title bar divider; with a title
// when `title` is not empty (drawn into the picture: the program draws none).
void DrawDialogBase(QPainter& painter, const QSize& size, int title_bar_height, Icon icon, const QString& title);
// The window-shape mask of a dialog with rounded corners: black inside, pure
// white (transparent) outside, no anti-aliasing.
QImage RoundedMask(const QSize& size, int radius);

}  // namespace quovex::skin_gen
