#include "main_skin.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "ini_text.h"
#include "main_layout.h"
#include "mode_names.h"
#include "model/key_layout.h"
#include "paint_kit.h"
#include "skin/skin_files.h"
#include "skin/skin_keys.h"
#include "skin/skin_layout.h"
#include "theme.h"

namespace quovex::skin_gen {

namespace {

namespace layout = main_layout;
using skin::MainImageSet;

Look LookFor(MainImageSet set, MainPicture picture) {
    switch (picture) {
        case MainPicture::kNormal: return Look::kNormal;
        case MainPicture::kOver: return Look::kOver;
        case MainPicture::kDown: return Look::kDown;
        case MainPicture::kDisable:
            // The disable picture is the checked picture of most buttons and the
            // disabled one of Apply only; the link uses it when pressed.
            switch (set) {
                case MainImageSet::kToggle: return Look::kSelected;
                case MainImageSet::kApply: return Look::kDisabled;
                case MainImageSet::kLink: return Look::kDown;
                default: return Look::kNormal;
            }
        case MainPicture::kColour0:
        case MainPicture::kColour1: return Look::kNormal;
    }
    return Look::kNormal;
}

CapLook CapLookFor(MainPicture picture) {
    switch (picture) {
        case MainPicture::kNormal: return CapLook::kNormal;
        case MainPicture::kOver: return CapLook::kOver;
        case MainPicture::kDown: return CapLook::kDown;
        case MainPicture::kDisable: return CapLook::kMarked;
        case MainPicture::kColour0: return CapLook::kLightOff;
        case MainPicture::kColour1: return CapLook::kLightOn;
    }
    return CapLook::kNormal;
}

MainImageSet ImageSetOf(std::string_view key) {
    for (const skin::MainButtonKey& button : skin::kMainButtonKeys) {
        if (button.key == key) return button.images;
    }
    return MainImageSet::kStatic;
}

QRectF R(const std::string& key) { return QRectF(layout::ControlRect(key)); }

void DrawColourWheel(QPainter& painter) {
    const int r = layout::kWheelRadius;
    const QPoint c = layout::kWheelCentre;
    QImage wheel(2 * r + 5, 2 * r + 5, QImage::Format_ARGB32_Premultiplied);
    wheel.fill(Qt::transparent);
    const double half = (wheel.width() - 1) / 2.0;
    for (int y = 0; y < wheel.height(); ++y) {
        for (int x = 0; x < wheel.width(); ++x) {
            const double dx = x - half, dy = y - half;
            const double distance = std::sqrt(dx * dx + dy * dy);
            // Every pixel within the radius is a pure wheel colour; only the rim
            // outside it blends into the card.
            const double coverage = std::clamp(r + 1.0 - distance, 0.0, 1.0);
            if (coverage <= 0) continue;
            double hue = std::atan2(-dy, dx) / (2 * M_PI);
            if (hue < 0) hue += 1;
            const double saturation = std::min(1.0, distance / r);
            QColor colour = QColor::fromHsvF(hue, saturation, 1.0);
            colour.setAlphaF(coverage);
            wheel.setPixelColor(x, y, colour);
        }
    }
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(QPointF(c.x() - half, c.y() - half), wheel);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(theme::kCardEdge.lighter(130), 1.5));
    painter.drawEllipse(QPointF(c), r + 3.5, r + 3.5);
    painter.restore();
}

void DrawWordmark(QPainter& painter, const QRectF& rect, Look look) {
    painter.save();
    const QColor ink = look == Look::kNormal ? theme::kLegend : look == Look::kOver ? QColor(Qt::white) : theme::kAccent;
    // The mark: a ring with a tail, in the accent colour.
    const QRectF mark(rect.left() + 2, rect.center().y() - 10, 20, 20);
    painter.setPen(QPen(theme::kAccent, 3.0, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(mark.adjusted(1.5, 1.5, -1.5, -1.5));
    painter.drawLine(mark.center() + QPointF(3.5, 3.5), mark.bottomRight() + QPointF(1, 1));
    QFont font = theme::Font(17, true);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 3.0);
    painter.setFont(font);
    painter.setPen(ink);
    const QRectF text_rect(mark.right() + 10, rect.top(), rect.width() - mark.width() - 12, rect.height());
    painter.drawText(text_rect, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("QUOVEX"));
    if (look == Look::kOver) {
        painter.setPen(QPen(theme::kAccent, 1.5));
        const qreal width = QFontMetricsF(font).horizontalAdvance(QStringLiteral("QUOVEX"));
        painter.drawLine(QPointF(text_rect.left(), rect.bottom() - 2), QPointF(text_rect.left() + width, rect.bottom() - 2));
    }
    painter.restore();
}

void DrawTitleButtons(QPainter& painter, Look look) {
    const std::pair<const char*, Icon> buttons[] = {{"CONTROL_MENU", Icon::kMenu},
                                                    {"CONTROL_HELP", Icon::kHelp},
                                                    {"CONTROL_MINIMIZE", Icon::kMinimize},
                                                    {"CONTROL_CLOSE", Icon::kClose}};
    for (const auto& [key, icon] : buttons) {
        const QRectF rect = R(key);
        DrawFlatButtonFace(painter, rect, look);
        const QRectF box(rect.center().x() - 9, rect.center().y() - 9 + (look == Look::kDown ? 1 : 0), 18, 18);
        DrawIcon(painter, icon, box, look == Look::kNormal ? theme::kLegendDim : InkFor(look), 1.7);
    }
}

// The profile-name tag: the program writes the active profile's name along
// its diagonal band, rising at 26.8 degrees.
void DrawProfileTag(QPainter& painter, Look look) {
    const QRectF rect = R("FUNC_PROFILES");
    DrawButtonFace(painter, rect, look == Look::kSelected ? Look::kNormal : look, 8);
    painter.save();
    QPainterPath clip;
    clip.addRoundedRect(rect.adjusted(1, 1, -1, -1), 7, 7);
    painter.setClipPath(clip);
    painter.translate(rect.center());
    painter.rotate(-26.8);
    QColor band = theme::kAccent;
    band.setAlpha(look == Look::kOver ? 60 : look == Look::kDown ? 35 : 45);
    painter.fillRect(QRectF(-rect.width(), -13, 2 * rect.width(), 26), band);
    painter.setPen(QPen(QColor(theme::kAccent.red(), theme::kAccent.green(), theme::kAccent.blue(), 150), 1.0));
    painter.drawLine(QPointF(-rect.width(), -13), QPointF(rect.width(), -13));
    painter.drawLine(QPointF(-rect.width(), 13), QPointF(rect.width(), 13));
    painter.restore();
    DrawIcon(painter, Icon::kProfiles, QRectF(rect.left() + 8, rect.top() + 7, 14, 14), theme::kLegendDim, 1.5);
}

void DrawFlipHandle(QPainter& painter, const QRectF& rect, Look look) {
    painter.save();
    QColor fill = QColor(0x24, 0x28, 0x31);
    QColor edge = theme::kPlateEdge;
    if (look == Look::kOver) { fill = fill.lighter(130); edge = theme::kAccent; }
    if (look == Look::kDown) { fill = fill.darker(120); edge = theme::kAccent.darker(140); }
    if (look == Look::kSelected) { fill = theme::kAccentDeep; edge = theme::kAccent; }
    painter.setPen(QPen(edge, 1.0));
    painter.setBrush(fill);
    painter.drawRoundedRect(rect.adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
    // Grip lines above and below the arrow.
    painter.setPen(QPen(look == Look::kNormal ? theme::kLegendDim.darker(140) : theme::kLegendDim, 1.0));
    for (const qreal y : {rect.top() + 5.5, rect.top() + 8.5, rect.bottom() - 8.5, rect.bottom() - 5.5}) {
        painter.drawLine(QPointF(rect.left() + 4, y), QPointF(rect.right() - 4, y));
    }
    painter.restore();
}

void DrawArrowGlyph(QPainter& painter, const QRectF& rect, bool up, bool bright) {
    painter.save();
    painter.setPen(QPen(bright ? theme::kAccent : theme::kLegend, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const qreal cx = rect.center().x(), cy = rect.center().y();
    const qreal dy = up ? -2.0 : 2.0;
    painter.drawPolyline(QPolygonF({QPointF(cx - 3.5, cy - dy), QPointF(cx, cy + dy), QPointF(cx + 3.5, cy - dy)}));
    painter.restore();
}

void DrawLockLight(QPainter& painter, const QRectF& rect, const QString& label, bool lit) {
    painter.save();
    const QPointF led(rect.center().x(), rect.top() + 9);
    if (lit) {
        QRadialGradient glow(led, 8);
        glow.setColorAt(0, QColor(theme::kAccent.red(), theme::kAccent.green(), theme::kAccent.blue(), 150));
        glow.setColorAt(1, QColor(theme::kAccent.red(), theme::kAccent.green(), theme::kAccent.blue(), 0));
        painter.setPen(Qt::NoPen);
        painter.setBrush(glow);
        painter.drawEllipse(led, 8, 8);
    }
    painter.setPen(QPen(lit ? theme::kAccent.lighter(130) : QColor(0x3A, 0x3F, 0x4A), 1.0));
    painter.setBrush(lit ? theme::kAccent : QColor(0x23, 0x27, 0x2F));
    painter.drawEllipse(led, 3.5, 3.5);
    painter.setFont(theme::Font(9, true));
    painter.setPen(lit ? theme::kLegend : theme::kLegendDim);
    painter.drawText(QRectF(rect.left() - 2, rect.top() + 15, rect.width() + 4, 14), Qt::AlignCenter, label);
    painter.restore();
}

// The bank light shows which G-key bank is active: A in the normal picture,
// B in the over picture (the bank button swaps the two in bank B).
void DrawBankLight(QPainter& painter, const QRectF& rect, bool bank_b) {
    painter.save();
    for (int bank = 0; bank < 2; ++bank) {
        const bool lit = (bank == 1) == bank_b;
        const QPointF centre(rect.center().x() + (bank == 0 ? -7 : 7), rect.top() + 9);
        painter.setPen(Qt::NoPen);
        painter.setBrush(lit ? theme::kAccent : QColor(0x23, 0x27, 0x2F));
        painter.drawRoundedRect(QRectF(centre.x() - 6, centre.y() - 6, 12, 12), 3, 3);
        painter.setFont(theme::Font(9, true));
        painter.setPen(lit ? QColor(0x08, 0x20, 0x2A) : theme::kLegendDim);
        painter.drawText(QRectF(centre.x() - 6, centre.y() - 6, 12, 12), Qt::AlignCenter, bank == 0 ? "A" : "B");
    }
    painter.setFont(theme::Font(9, true));
    painter.setPen(theme::kLegendDim);
    painter.drawText(QRectF(rect.left() - 2, rect.top() + 15, rect.width() + 4, 14), Qt::AlignCenter, "BANK");
    painter.restore();
}

void DrawKey(QPainter& painter, const KeyPlace& place, CapLook look) {
    const QRectF cap(layout::CapRect(place));
    // Legends shrink with their length so that each fits its cap.
    Legends legends{place.legend, place.shifted, place.secondary, 12};
    const qsizetype length = place.legend.size();
    if (length >= 3) legends.pixel_size = place.w > 1.0 ? 11 : 10;
    if (length >= 4 && place.w <= 1.0) legends.pixel_size = 9;
    if (length >= 8) legends.pixel_size = 10;
    const QRectF legend_area = cap.adjusted(2, 1, -2, -4);
    DrawKeycap(painter, RoundedRectPath(cap, 4), legend_area, legends, look);
}

void DrawKeyboard(QPainter& painter, MainPicture picture) {
    const QRectF plate(layout::kKeyboardCase);
    painter.save();
    QLinearGradient gradient(plate.topLeft(), plate.bottomLeft());
    gradient.setColorAt(0, theme::kPlate.lighter(118));
    gradient.setColorAt(1, theme::kPlate);
    painter.setPen(QPen(theme::kPlateEdge, 1.0));
    painter.setBrush(gradient);
    painter.drawRoundedRect(plate.adjusted(0.5, 0.5, -0.5, -0.5), 12, 12);
    painter.restore();

    const CapLook look = CapLookFor(picture);
    for (const KeyPlace& place : KeyPlaces()) {
        if (place.code == 0x01C) continue;  // drawn with its upper part below
        DrawKey(painter, place, look);
    }
    DrawKey(painter, FnPlace(), look);
    for (int j = 0; j < kGKeyCount; ++j) {
        KeyPlace place = GKeyPlace(j);
        const QRectF cap(layout::CapRect(place));
        DrawKeycap(painter, RoundedRectPath(cap, 4), cap.adjusted(2, 0, -2, -3), Legends{place.legend, "", "", 10},
                   look);
    }
    // The big Enter, one L-shaped cap made of two buttons.
    QPainterPath enter;
    enter.addPolygon(layout::BigEnterOutline());
    enter.closeSubpath();
    const QPainterPath rounded = enter.simplified();
    DrawKeycap(painter, rounded, QRectF(layout::SecondEnterRect()).adjusted(2, 1, -2, -4),
               Legends{"Enter", "", "", 10}, look);

    // Flip handles, lock lights and bank light belong to the plate.
    const Look handle_look = LookFor(MainImageSet::kToggle, picture);
    DrawFlipHandle(painter, R("FLIP_1"), handle_look);
    DrawFlipHandle(painter, R("FLIP_2"), handle_look);
    const bool lit = picture == MainPicture::kOver;
    DrawLockLight(painter, R("LOCK_NUM"), "NUM", lit);
    DrawLockLight(painter, R("LOCK_CAPS"), "CAPS", lit);
    DrawLockLight(painter, R("LOCK_SCROLL"), "SCRL", lit);
    DrawBankLight(painter, R("LOCK_AB"), lit);
}

void DrawButtons(QPainter& painter, MainPicture picture) {
    for (const char* key : {"FUNC_PROFILE1", "FUNC_PROFILE2", "FUNC_PROFILE3", "FUNC_SWITCH", "FUNC_MACRO",
                            "FUNC_DEFAULT", "CONTROL_OK", "CONTROL_CANCEL", "CONTROL2_APPLY"}) {
        DrawButtonFace(painter, R(key), LookFor(ImageSetOf(key), picture));
    }
    for (int i = 0; i < 4; ++i) {
        const std::string key = "FUNC_REPORT" + std::to_string(i + 1);
        const Look look = LookFor(MainImageSet::kToggle, picture);
        DrawButtonFace(painter, R(key), look, 5);
        painter.save();
        painter.setFont(theme::Font(10, true));
        painter.setPen(InkFor(look));
        painter.drawText(R(key).translated(0, look == Look::kDown ? 1 : 0), Qt::AlignCenter,
                         layout::kReportRateLabels[i]);
        painter.restore();
    }
}

void DrawLightingCard(QPainter& painter) {
    DrawCard(painter, QRectF(layout::kLightingCard));
    DrawDivider(painter, layout::kLightingCard.left() + 12, layout::kLightingCard.right() - 12,
                layout::kLightingDividerY);
}

}  // namespace

QImage DrawMainPicture(MainPicture picture) {
    QImage image(layout::kWindowSize, QImage::Format_RGB32);
    QPainter painter(&image);
    BeginPainter(painter);
    const QRectF window(QPointF(0, 0), QSizeF(layout::kWindowSize));
    FillWindow(painter, window);
    DrawDivider(painter, 12, window.right() - 12, layout::kTitleBarHeight);
    DrawDivider(painter, 304, window.right() - 12, layout::kBottomDividerY);
    DrawWindowFrame(painter, window, layout::kWindowRadius);

    DrawWordmark(painter, R("PELMAR_LINK"), LookFor(MainImageSet::kLink, picture));
    DrawTitleButtons(painter, LookFor(MainImageSet::kCommand, picture));

    DrawCard(painter, QRectF(layout::kWheelCard));
    DrawColourWheel(painter);
    DrawLightingCard(painter);

    DrawProfileTag(painter, LookFor(MainImageSet::kCommand, picture));
    DrawKeyboard(painter, picture);
    DrawButtons(painter, picture);
    return image;
}

QImage DrawArrowSheet() {
    QImage image(layout::kWindowSize, QImage::Format_RGB32);
    image.fill(QColor(0x24, 0x28, 0x31));  // the flip handle's face, so the arrows blend in
    QPainter painter(&image);
    BeginPainter(painter);
    for (const layout::NamedRect& frame : layout::ArrowFrames()) {
        const bool up = frame.key.rfind("UP_", 0) == 0;
        const bool second_frame = frame.key.back() == '2';
        DrawArrowGlyph(painter, QRectF(frame.rect), up, second_frame);
    }
    return image;
}

QImage DrawMainMask() {
    QImage mask(layout::kWindowSize, QImage::Format_RGB32);
    mask.fill(Qt::white);
    QPainter painter(&mask);
    // No anti-aliasing: the mask is read as exactly white or not.
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawRoundedRect(QRectF(QPointF(0, 0), QSizeF(layout::kWindowSize)), layout::kWindowRadius,
                            layout::kWindowRadius);
    return mask;
}

void GenerateMainSkin(OutputFolder& out) {
    namespace images = skin::main_images;
    out.Jpeg(Q(images::kNormal), DrawMainPicture(MainPicture::kNormal));
    out.Jpeg(Q(images::kOver), DrawMainPicture(MainPicture::kOver));
    out.Jpeg(Q(images::kDown), DrawMainPicture(MainPicture::kDown));
    out.Jpeg(Q(images::kDisable), DrawMainPicture(MainPicture::kDisable));
    out.Jpeg(Q(images::kColour0), DrawMainPicture(MainPicture::kColour0));
    out.Jpeg(Q(images::kColour1), DrawMainPicture(MainPicture::kColour1));
    out.Jpeg(Q(images::kArrow), DrawArrowSheet());
    out.MonoBmp(QStringLiteral("main_mask.bmp"), DrawMainMask());

    IniText ini;
    ini.Comment(QStringLiteral("Main window skin. Rectangles: x,y,w,h in pixels of the client area."));
    ini.Section(skin::kSectionScreen);
    ini.Value(skin::kKeyBackground, Q(images::kNormal));
    ini.Value(skin::kKeyMask, QStringLiteral("main_mask.bmp"));
    ini.Value(skin::kKeyLink, Q(skin::kDefaultLinkAddress));

    // Every control the main window places has a rectangle here.
    const auto require = [&](std::string_view key) {
        if (key == "KEY_FN") return;
        try {
            layout::ControlRect(std::string(key));
        } catch (const std::out_of_range&) {
            out.Fail(QStringLiteral("Main.ini: no rectangle for %1").arg(Q(key)));
        }
    };
    for (const skin::MainButtonKey& button : skin::kMainButtonKeys) require(button.key);
    for (const skin::PanelControlKey& control : skin::kLightingPanelKeys) require(control.key);
    for (const std::string_view key : skin::kDirectionVariantKeys) require(key);

    ini.Section(skin::kSectionButtons);
    for (const layout::NamedRect& named : layout::ControlRects()) {
        ini.Rect(named.key, named.rect.x(), named.rect.y(), named.rect.width(), named.rect.height());
    }
    const QRect fn = layout::CapRect(FnPlace());
    ini.Rect("KEY_FN", fn.x(), fn.y(), fn.width(), fn.height());
    for (int j = 0; j < kGKeyCount; ++j) {
        const QRect cap = layout::CapRect(GKeyPlace(j));
        ini.Rect(GKeySkinKey(j), cap.x(), cap.y(), cap.width(), cap.height());
    }
    // Every key of the key list has its place in the picture, and the picture
    // draws no key the list does not hold.
    for (int q = 0; q < kLayoutKeyCount; ++q) {
        const KeyPlace* place = FindKeyPlace(kKeyPositions[q].code);
        if (!place) {
            out.Fail(QStringLiteral("key %1 (%2) has no place in the keyboard picture")
                         .arg(QString::fromStdString(KeySkinKey(q)), Q(kKeyPositions[q].name)));
            continue;
        }
        const QRect cap = place->code == 0x01C ? layout::EnterRect() : layout::CapRect(*place);
        ini.Rect(KeySkinKey(q), cap.x(), cap.y(), cap.width(), cap.height());
    }
    for (const KeyPlace& place : KeyPlaces()) {
        const bool listed = std::any_of(kKeyPositions.begin(), kKeyPositions.end(),
                                        [&](const KeyPosition& key) { return key.code == place.code; });
        if (!listed) out.Fail(QStringLiteral("the picture draws key %1, which the key list does not hold").arg(place.code, 3, 16));
    }
    const QRect enter2 = layout::SecondEnterRect();
    ini.Rect(skin::kSecondEnterKey, enter2.x(), enter2.y(), enter2.width(), enter2.height());

    ini.Section(skin::kSectionArrowFrames);
    for (const layout::NamedRect& frame : layout::ArrowFrames()) {
        ini.Rect(frame.key, frame.rect.x(), frame.rect.y(), frame.rect.width(), frame.rect.height());
    }

    ini.Section(skin::kSectionLabelsLanguage0);
    for (const PanelLabel& label : PanelLabels()) ini.Value(label.key, label.chinese);
    ini.Section(skin::kSectionLabelsLanguage1);
    for (const PanelLabel& label : PanelLabels()) ini.Value(label.key, label.english);

    ini.Section(skin::kSectionModeNamesLanguage0);
    for (const ModeName& mode : ModeNames()) ini.Value(std::to_string(mode.id), mode.chinese);
    ini.Section(skin::kSectionModeNamesLanguage1);
    for (const ModeName& mode : ModeNames()) ini.Value(std::to_string(mode.id), mode.english);

    out.Text(QStringLiteral("Main.ini"), ini.Text());
}

}  // namespace quovex::skin_gen
