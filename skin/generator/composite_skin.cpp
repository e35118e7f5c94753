#include "composite_skin.h"

#include <QPainter>
#include <stdexcept>

#include "dialog_layout.h"
#include "ini_text.h"
#include "paint_kit.h"
#include "skin/skin_files.h"
#include "skin/skin_keys.h"
#include "theme.h"

namespace quovex::skin_gen {

namespace {

constexpr int kTitleBar = 48;

QRectF R(const char* key) { return QRectF(CompositeLayout().Rect(key)); }

Look LookOf(CompositeState state) {
    switch (state) {
        case CompositeState::kNormal: return Look::kNormal;
        case CompositeState::kOver: return Look::kOver;
        case CompositeState::kDown: return Look::kDown;
        case CompositeState::kDisable: return Look::kDisabled;
    }
    return Look::kNormal;
}

// A tab: the page shown is marked with the down picture (checked = down), so
// the down look is the selected tab: accent underline and a lit face.
void DrawTab(QPainter& p, const QRectF& rect, Look look) {
    if (look == Look::kDown) {
        DrawButtonFace(p, rect, Look::kSelected, 6);
        p.save();
        p.setPen(Qt::NoPen);
        p.setBrush(theme::kAccent);
        p.drawRoundedRect(QRectF(rect.left() + 10, rect.bottom() - 3, rect.width() - 20, 3), 1.5, 1.5);
        p.restore();
    } else {
        DrawButtonFace(p, rect, look, 6);
    }
}

// The page area. It is the background of the page's controls and takes the
// page's pictures in every state, so it looks the same in all of them.
void DrawPageArea(QPainter& p, CompositePage page) {
    const QRectF area = R("CONTROL_MASK");
    DrawCard(p, area, 8);
    Icon watermark = Icon::kKeyboard;
    switch (page) {
        case CompositePage::kKey:
            DrawField(p, R("FUNC_KEY_INPUT"));
            watermark = Icon::kKeyboard;
            break;
        case CompositePage::kMacro:
        case CompositePage::kMacroOnly:
            DrawField(p, R("FUNC_MACRO_LIST2"));
            DrawVerticalDivider(p, 452, 170, 360);
            watermark = Icon::kMacro;
            break;
        case CompositePage::kMedia:
            DrawField(p, R("FUNC_MEDIA_SELECT"));
            watermark = Icon::kMedia;
            break;
        case CompositePage::kFunction:
            DrawField(p, R("FUNC_FUNCTION_SELECT"));
            watermark = Icon::kFunction;
            break;
    }
    if (page == CompositePage::kKey) {
        // A faint keyboard under the key field: press the key to assign.
        DrawIcon(p, watermark, QRectF(area.center().x() - 60, 214, 120, 120), QColor(0x2A, 0x2F, 0x39), 1.2);
    }
}

void DrawIconButton(QPainter& p, const QRectF& rect, Icon icon, Look look, bool flat) {
    if (flat) {
        DrawFlatButtonFace(p, rect, look);
    } else {
        DrawButtonFace(p, rect, look, 5);
    }
    const qreal side = std::min(rect.width(), rect.height()) - 10;
    DrawIcon(p, icon, QRectF(rect.center().x() - side / 2, rect.center().y() - side / 2 + (look == Look::kDown ? 1 : 0),
                             side, side),
             look == Look::kNormal && flat ? theme::kLegendDim : InkFor(look), 1.7);
}

void DrawTitle(QPainter& p, Look look) {
    const QRectF rect = R("CONTROL_TITLE");
    DrawFlatButtonFace(p, rect, look == Look::kDisabled ? Look::kNormal : look);
    // A key cap with an arrow into it: a function goes onto a key.
    const QRectF cap(rect.left() + 8, rect.center().y() - 10, 20, 20);
    p.save();
    p.setPen(QPen(theme::kAccent, 1.8));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(cap, 4, 4);
    p.setPen(QPen(theme::kLegendDim, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const qreal y = cap.center().y();
    p.drawLine(QPointF(cap.right() + 20, y), QPointF(cap.right() + 6, y));
    p.drawPolyline(QPolygonF({QPointF(cap.right() + 10, y - 4), QPointF(cap.right() + 6, y), QPointF(cap.right() + 10, y + 4)}));
    p.restore();
}

}  // namespace

QImage DrawCompositePicture(CompositePage page, CompositeState state) {
    const DialogLayout& layout = CompositeLayout();
    QImage image(layout.size, QImage::Format_RGB32);
    QPainter p(&image);
    BeginPainter(p);
    DrawDialogBase(p, layout.size, kTitleBar, Icon::kKeyboard, QString());
    const Look look = LookOf(state);

    DrawTitle(p, look);
    DrawIconButton(p, R("CONTROL_CLEAR"), Icon::kRestore, look, true);
    DrawIconButton(p, R("CONTROL_OSK"), Icon::kKeyboard, look, true);
    for (const char* tab : {"CONTROL_KEY", "CONTROL_MACRO", "CONTROL_MEDIA", "CONTROL_FUNCTION"}) {
        DrawTab(p, R(tab), look);
    }

    DrawPageArea(p, page);
    // The macro page's buttons, only in the macro pages' pictures: the other
    // pages' area is the background of their own controls. Captions are the program's.
    if (page == CompositePage::kMacro || page == CompositePage::kMacroOnly) {
        DrawIconButton(p, R("FUNC_MACRO_ADD"), Icon::kPlus, look, false);
        DrawIconButton(p, R("FUNC_MACRO_DELETE"), Icon::kTrash, look, false);
        for (const char* key : {"FUNC_MACRO_RECORD", "FUNC_MACRO_DELETE2", "FUNC_MACRO_CLEAR", "FUNC_MACRO_UP_TOP",
                                "FUNC_MACRO_UP", "FUNC_MACRO_DOWN", "FUNC_MACRO_DOWN_BOTTOM"}) {
            DrawButtonFace(p, R(key), look, 5);
        }
    }

    // Apply has no caption of its own: its label is part of the picture.
    DrawButtonFace(p, R("CONTROL2_APPLY"), look);
    DrawCaption(p, R("CONTROL2_APPLY"), QStringLiteral("Apply"), look, 13, Icon::kCheck, true);
    DrawButtonFace(p, R("CONTROL_OK"), look);
    DrawButtonFace(p, R("CONTROL_CANCEL"), look);
    return image;
}

void GenerateCompositeSkin(OutputFolder& out) {
    namespace images = skin::composite_images;
    const struct {
        CompositePage page;
        images::PageSet files;
    } sets[] = {{CompositePage::kKey, images::kKey},
                {CompositePage::kMacro, images::kMacro},
                {CompositePage::kMacroOnly, images::kMacroOnly},
                {CompositePage::kMedia, images::kMedia},
                {CompositePage::kFunction, images::kFunction}};
    for (const auto& set : sets) {
        out.Jpeg(Q(set.files.normal), DrawCompositePicture(set.page, CompositeState::kNormal));
        out.Jpeg(Q(set.files.over), DrawCompositePicture(set.page, CompositeState::kOver));
        out.Jpeg(Q(set.files.down), DrawCompositePicture(set.page, CompositeState::kDown));
        if (!set.files.disable.empty()) {
            out.Jpeg(Q(set.files.disable), DrawCompositePicture(set.page, CompositeState::kDisable));
        }
    }
    out.MonoBmp(QStringLiteral("composite_mask.bmp"), RoundedMask(CompositeLayout().size, kDialogRadius));

    IniText ini;
    ini.Comment(QStringLiteral("Key assignment dialog skin. Rectangles: x,y,w,h in pixels of the client area."));
    ini.Section(skin::kSectionScreen);
    ini.Value(skin::kKeyBackground, Q(images::kKey.normal));
    ini.Value(skin::kKeyMask, QStringLiteral("composite_mask.bmp"));
    ini.Section(skin::kSectionButtons);
    for (const skin::DialogControlKey& control : skin::kCompositeKeys) {
        try {
            CompositeLayout().Rect(std::string(control.key));
        } catch (const std::out_of_range&) {
            out.Fail(QStringLiteral("Composite.ini: no rectangle for %1").arg(Q(control.key)));
        }
    }
    for (const DialogRect& named : CompositeLayout().rects) {
        ini.Rect(named.key, named.rect.x(), named.rect.y(), named.rect.width(), named.rect.height());
    }
    out.Text(QStringLiteral("Composite.ini"), ini.Text());
}

}  // namespace quovex::skin_gen
