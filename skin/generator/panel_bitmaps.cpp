#include "panel_bitmaps.h"

#include <QPainter>
#include <QPainterPath>

#include "ini_text.h"
#include "main_layout.h"
#include "paint_kit.h"
#include "skin/skin_files.h"
#include "theme.h"

namespace quovex::skin_gen {

namespace {

namespace images = skin::panel_images;

// Every panel picture sits on the lighting card, so its corners show the card.
QImage Canvas(const std::string& key) {
    QImage image(main_layout::ControlRect(key).size(), QImage::Format_RGB32);
    image.fill(theme::kCard);
    return image;
}

QImage LightingSwitch(bool on) {
    QImage image = Canvas("CONTROL_DengStaPic");
    QPainter p(&image);
    BeginPainter(p);
    const QRectF track = QRectF(image.rect()).adjusted(3, 3, -3, -3);
    p.setPen(QPen(on ? theme::kAccent : theme::kButtonEdge, 1.0));
    p.setBrush(on ? theme::kAccentDeep : theme::kButtonPressed);
    p.drawRoundedRect(track, track.height() / 2, track.height() / 2);
    const qreal knob = track.height() - 4;
    const QPointF centre(on ? track.right() - 2 - knob / 2 : track.left() + 2 + knob / 2, track.center().y());
    p.setPen(Qt::NoPen);
    p.setBrush(on ? QColor(Qt::white) : theme::kLegendDim);
    p.drawEllipse(centre, knob / 2, knob / 2);
    return image;
}

enum class Glyph { kLeft, kRight, kUp, kDown, kSpread, kGather };

void DrawGlyph(QPainter& p, Glyph glyph, const QRectF& box, const QColor& colour) {
    p.save();
    p.setPen(QPen(colour, 1.9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const QPointF c = box.center();
    const auto arrow = [&](QPointF from, QPointF to) {
        p.drawLine(from, to);
        const QPointF d = (to - from) / std::hypot((to - from).x(), (to - from).y());
        const QPointF n(-d.y(), d.x());
        p.drawPolyline(QPolygonF({to - d * 4 + n * 3.5, to, to - d * 4 - n * 3.5}));
    };
    switch (glyph) {
        case Glyph::kLeft: arrow(c + QPointF(7, 0), c + QPointF(-7, 0)); break;
        case Glyph::kRight: arrow(c + QPointF(-7, 0), c + QPointF(7, 0)); break;
        case Glyph::kUp: arrow(c + QPointF(0, 6), c + QPointF(0, -6)); break;
        case Glyph::kDown: arrow(c + QPointF(0, -6), c + QPointF(0, 6)); break;
        case Glyph::kSpread:
            arrow(c + QPointF(-2, 0), c + QPointF(-10, 0));
            arrow(c + QPointF(2, 0), c + QPointF(10, 0));
            break;
        case Glyph::kGather:
            arrow(c + QPointF(-11, 0), c + QPointF(-3, 0));
            arrow(c + QPointF(11, 0), c + QPointF(3, 0));
            break;
    }
    p.restore();
}

// A direction picture: released shows the plain face, pressed the chosen one.
QImage Direction(Glyph glyph, bool pressed) {
    QImage image = Canvas("CONTROL_BLFXLStaPic");
    QPainter p(&image);
    BeginPainter(p);
    const Look look = pressed ? Look::kSelected : Look::kNormal;
    DrawButtonFace(p, QRectF(image.rect()), look, 5);
    DrawGlyph(p, glyph, QRectF(image.rect()), InkFor(look));
    return image;
}

QImage SwatchPicture(const std::string& key, const QColor& colour, bool chosen) {
    QImage image = Canvas(key);
    QPainter p(&image);
    BeginPainter(p);
    const QRectF face = QRectF(image.rect()).adjusted(1.5, 1.5, -1.5, -1.5);
    p.setPen(chosen ? QPen(Qt::white, 2.0) : QPen(theme::kButtonEdge, 1.0));
    p.setBrush(colour);
    p.drawRoundedRect(face, 5, 5);
    if (chosen) {
        DrawIcon(p, Icon::kCheck, QRectF(face.center().x() - 8, face.center().y() - 8, 16, 16),
                 colour.lightness() > 150 ? QColor(0x10, 0x12, 0x16) : QColor(Qt::white), 2.2);
    }
    return image;
}

QImage MultiColour(bool on) {
    QImage image = Canvas("CONTROL_FYSJSStaPic");
    QPainter p(&image);
    BeginPainter(p);
    const QRectF face = QRectF(image.rect());
    DrawButtonFace(p, face, on ? Look::kSelected : Look::kNormal, 5);
    // Three colour bars: a rainbow when on, greyed when off.
    const QColor bars[] = {QColor(0xFF, 0x4D, 0x4D), QColor(0x4D, 0xE0, 0x6A), QColor(0x4D, 0x8D, 0xFF)};
    for (int i = 0; i < 3; ++i) {
        QColor bar = on ? bars[i] : QColor(0x5A, 0x60, 0x6C);
        p.setPen(Qt::NoPen);
        p.setBrush(bar);
        p.drawRoundedRect(QRectF(face.center().x() - 8 + i * 6, face.top() + 6, 4, face.height() - 12), 1.5, 1.5);
    }
    return image;
}

QImage Tool(Icon icon, bool pressed) {
    QImage image = Canvas("CONTROL_USERgjStaPic1");
    QPainter p(&image);
    BeginPainter(p);
    const Look look = pressed ? Look::kSelected : Look::kNormal;
    DrawButtonFace(p, QRectF(image.rect()), look, 5);
    DrawIcon(p, icon, QRectF(image.width() / 2.0 - 9, image.height() / 2.0 - 9, 18, 18), InkFor(look), 1.6);
    return image;
}

// An indeterminate progress bar: a bright segment that runs along the track.
QImage ProgressFrame(int frame) {
    QImage image(main_layout::ControlRect("CONTROL_JDTStatic").size(), QImage::Format_RGB32);
    image.fill(theme::kWindow);
    QPainter p(&image);
    BeginPainter(p);
    const QRectF track = QRectF(image.rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    p.setPen(Qt::NoPen);
    p.setBrush(theme::kButtonPressed);
    p.drawRoundedRect(track, track.height() / 2, track.height() / 2);
    const qreal segment = track.width() * 0.3;
    const qreal travel = track.width() + segment;
    const qreal left = track.left() - segment + travel * frame / images::kProgressFrameCount;
    QPainterPath clip;
    clip.addRoundedRect(track, track.height() / 2, track.height() / 2);
    p.setClipPath(clip);
    QLinearGradient gradient(left, 0, left + segment, 0);
    gradient.setColorAt(0, theme::kAccentDeep);
    gradient.setColorAt(0.7, theme::kAccent);
    gradient.setColorAt(1, theme::kAccentDeep);
    p.setBrush(gradient);
    p.drawRect(QRectF(left, track.top(), segment, track.height()));
    return image;
}

// A slider track at one of its five positions: the filled part up to the
// knob, tick marks for the five positions.
QImage SliderTrack(int position) {
    QImage image = Canvas("CONTROL_LightSlider");
    QPainter p(&image);
    BeginPainter(p);
    const qreal margin = 9;
    const qreal y = image.height() / 2.0;
    const qreal left = margin, right = image.width() - margin;
    const qreal knob_x = left + (right - left) * position / (images::kSliderPositions - 1);
    p.setPen(QPen(theme::kButtonPressed.lighter(130), 4.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(left, y), QPointF(right, y));
    p.setPen(QPen(theme::kAccent, 4.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(left, y), QPointF(knob_x, y));
    for (int i = 0; i < images::kSliderPositions; ++i) {
        const qreal x = left + (right - left) * i / (images::kSliderPositions - 1);
        p.setPen(Qt::NoPen);
        p.setBrush(i <= position ? theme::kAccent : theme::kButtonEdge);
        p.drawEllipse(QPointF(x, y), 1.6, 1.6);
    }
    p.setPen(QPen(theme::kAccent, 2.0));
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(knob_x, y), 6.5, 6.5);
    return image;
}

}  // namespace

void GeneratePanelBitmaps(OutputFolder& out) {
    out.Bmp(Q(images::kLightingOff), LightingSwitch(false));
    out.Bmp(Q(images::kLightingOn), LightingSwitch(true));

    const struct {
        images::DirectionPair files;
        Glyph first, second;
    } pairs[] = {{images::kLeftRight, Glyph::kLeft, Glyph::kRight},
                 {images::kUpDown, Glyph::kUp, Glyph::kDown},
                 {images::kSpreadGather, Glyph::kSpread, Glyph::kGather}};
    for (const auto& pair : pairs) {
        out.Bmp(Q(pair.files.first_up), Direction(pair.first, false));
        out.Bmp(Q(pair.files.first_down), Direction(pair.first, true));
        out.Bmp(Q(pair.files.second_up), Direction(pair.second, false));
        out.Bmp(Q(pair.files.second_down), Direction(pair.second, true));
    }

    const std::pair<const char*, QColor> swatches[] = {{"CONTROL_HONGPIC", QColor(0xF0, 0x3A, 0x3A)},
                                                       {"CONTROL_HUANGPIC", QColor(0xF5, 0xC8, 0x23)},
                                                       {"CONTROL_LVPIC", QColor(0x2F, 0xC8, 0x5A)},
                                                       {"CONTROL_LANPIC", QColor(0x2F, 0x6B, 0xF0)}};
    for (size_t i = 0; i < images::kSwatches.size(); ++i) {
        out.Bmp(Q(images::kSwatches[i].plain), SwatchPicture(swatches[i].first, swatches[i].second, false));
        out.Bmp(Q(images::kSwatches[i].chosen), SwatchPicture(swatches[i].first, swatches[i].second, true));
    }

    out.Bmp(Q(images::kMultiColourOff), MultiColour(false));
    out.Bmp(Q(images::kMultiColourOn), MultiColour(true));

    const Icon tool_icons[] = {Icon::kBrush, Icon::kDrop};
    for (int tool = 0; tool < 2; ++tool) {
        out.Bmp(Q(images::kToolUp[tool]), Tool(tool_icons[tool], false));
        out.Bmp(Q(images::kToolDown[tool]), Tool(tool_icons[tool], true));
    }

    for (int frame = 0; frame < images::kProgressFrameCount; ++frame) {
        out.Bmp(QString::fromStdString(images::ProgressFrame(frame)), ProgressFrame(frame));
    }
    for (int position = 0; position < images::kSliderPositions; ++position) {
        out.Bmp(QString::fromStdString(images::BrightnessTrack(position)), SliderTrack(position));
        out.Bmp(QString::fromStdString(images::SpeedTrack(position)), SliderTrack(position));
    }
}

}  // namespace quovex::skin_gen
