// The profile dialog's skin (Profile.ini and its three pictures) and the
// firmware update dialog's skin (UpdateDlg.ini and its two pictures). Their
// buttons draw no captions, so the labels are part of the pictures.
#pragma once

#include <QImage>

#include "output_folder.h"
#include "paint_kit.h"

namespace quovex::skin_gen {

QImage DrawProfilePicture(Look look);
QImage DrawUpdatePicture(Look look);

void GenerateProfileSkin(OutputFolder& out);
void GenerateUpdateSkin(OutputFolder& out);

}  // namespace quovex::skin_gen
