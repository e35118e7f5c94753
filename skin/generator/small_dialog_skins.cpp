#include "small_dialog_skins.h"

#include <QPainter>
#include <span>
#include <stdexcept>

#include "dialog_layout.h"
#include "ini_text.h"
#include "skin/skin_files.h"
#include "skin/skin_keys.h"
#include "theme.h"

namespace quovex::skin_gen {

namespace {

constexpr int kTitleBar = 44;

struct LabelledButton {
    const char* key;
    const char* label;
    Icon icon;
};

// `label_look` differs from `look` where one picture serves two states.
void DrawLabelledButtons(QPainter& p, const DialogLayout& layout, std::initializer_list<LabelledButton> buttons,
                         Look look, Look label_look) {
    for (const LabelledButton& button : buttons) {
        const QRectF rect(layout.Rect(button.key));
        DrawButtonFace(p, rect, look);
        DrawCaption(p, rect, QString::fromUtf8(button.label), label_look, 13, button.icon, true);
    }
}

void WriteIni(OutputFolder& out, const QString& name, const QString& comment, const DialogLayout& layout,
              std::span<const skin::DialogControlKey> keys, std::string_view background, const QString& mask) {
    for (const skin::DialogControlKey& control : keys) {
        try {
            layout.Rect(std::string(control.key));
        } catch (const std::out_of_range&) {
            out.Fail(QStringLiteral("%1: no rectangle for %2").arg(name, Q(control.key)));
        }
    }
    IniText ini;
    ini.Comment(comment);
    ini.Section(skin::kSectionScreen);
    ini.Value(skin::kKeyBackground, Q(background));
    ini.Value(skin::kKeyMask, mask);
    ini.Section(skin::kSectionButtons);
    for (const DialogRect& named : layout.rects) {
        ini.Rect(named.key, named.rect.x(), named.rect.y(), named.rect.width(), named.rect.height());
    }
    out.Text(name, ini.Text());
}

}  // namespace

QImage DrawProfilePicture(Look look) {
    const DialogLayout& layout = ProfileLayout();
    QImage image(layout.size, QImage::Format_RGB32);
    QPainter p(&image);
    BeginPainter(p);
    DrawDialogBase(p, layout.size, kTitleBar, Icon::kProfiles, QStringLiteral("Profiles"));
    DrawField(p, QRectF(layout.Rect("PROGRAM_LIST")));
    DrawDivider(p, 16, layout.size.width() - 16, 322);
    DrawLabelledButtons(p, layout,
                        {{"FUNC_ADD", "Add", Icon::kPlus},
                         {"FUNC_LOAD", "Load", Icon::kFolderOpen},
                         {"FUNC_DELETE", "Delete", Icon::kTrash},
                         {"CONTROL_OK", "OK", Icon::kCheck},
                         {"CONTROL_CANCEL", "Cancel", Icon::kCross},
                         {"CONTROL2_APPLY", "Apply", Icon::kCheck}},
                        look, look == Look::kDown ? Look::kDisabled : look);
    return image;
}

QImage DrawUpdatePicture(Look look) {
    const DialogLayout& layout = UpdateLayout();
    QImage image(layout.size, QImage::Format_RGB32);
    QPainter p(&image);
    BeginPainter(p);
    DrawDialogBase(p, layout.size, kTitleBar, Icon::kChip, QStringLiteral("Firmware update"));
    DrawField(p, QRectF(layout.Rect("CONTROL_UPStatic")));
    // A reminder that belongs to the picture: the program shows no such text.
    const QRectF note(16, 162, layout.size.width() - 32, 22);
    DrawIcon(p, Icon::kWarning, QRectF(note.left(), note.top() + 2, 18, 18), QColor(0xF5, 0xC8, 0x23), 1.6);
    p.setFont(theme::Font(12));
    p.setPen(theme::kTextDim);
    p.drawText(note.adjusted(26, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Keep the keyboard plugged in until the update has finished."));
    DrawDivider(p, 16, layout.size.width() - 16, 194);
    DrawLabelledButtons(p, layout,
                        {{"CONTROL_OPENButton", "Choose…", Icon::kFolderOpen},
                         {"CONTROL_BACKUPButton", "Back up", Icon::kSave},
                         {"CONTROL_UPButton", "Update", Icon::kUpload},
                         {"CONTROL_CUPButton", "Cancel", Icon::kCross}},
                        look, look);
    return image;
}

void GenerateProfileSkin(OutputFolder& out) {
    namespace images = skin::profile_images;
    out.Jpeg(Q(images::kNormal), DrawProfilePicture(Look::kNormal));
    out.Jpeg(Q(images::kOver), DrawProfilePicture(Look::kOver));
    // The down picture is also the disabled one: a sunk face with dimmed labels.
    out.Jpeg(Q(images::kDown), DrawProfilePicture(Look::kDown));
    out.MonoBmp(QStringLiteral("profile_mask.bmp"), RoundedMask(ProfileLayout().size, kDialogRadius));
    WriteIni(out, QStringLiteral("Profile.ini"),
             QStringLiteral("Profile dialog skin. Rectangles: x,y,w,h in pixels of the client area."), ProfileLayout(),
             skin::kProfileKeys, images::kNormal, QStringLiteral("profile_mask.bmp"));
}

void GenerateUpdateSkin(OutputFolder& out) {
    namespace images = skin::update_images;
    out.Jpeg(Q(images::kNormal), DrawUpdatePicture(Look::kNormal));
    out.Jpeg(Q(images::kOver), DrawUpdatePicture(Look::kOver));
    out.MonoBmp(QStringLiteral("update_mask.bmp"), RoundedMask(UpdateLayout().size, kDialogRadius));
    WriteIni(out, QStringLiteral("UpdateDlg.ini"),
             QStringLiteral("Firmware update dialog skin. Rectangles: x,y,w,h in pixels of the client area."),
             UpdateLayout(), skin::kUpdateKeys, images::kNormal, QStringLiteral("update_mask.bmp"));
}

}  // namespace quovex::skin_gen
