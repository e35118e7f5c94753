// The main window's skin: Main.ini, its state pictures (normal, over, down,
// disable and the two colour-view pictures), Arrow.jpg and the window mask.
#pragma once

#include <QImage>

#include "output_folder.h"

namespace quovex::skin_gen {

enum class MainPicture { kNormal, kOver, kDown, kDisable, kColour0, kColour1 };

QImage DrawMainPicture(MainPicture picture);
QImage DrawArrowSheet();
QImage DrawMainMask();

void GenerateMainSkin(OutputFolder& out);

}  // namespace quovex::skin_gen
