// The key assignment dialog's skin: Composite.ini and the five page picture
// sets (key, macro, macro-only, multimedia, function).
#pragma once

#include <QImage>

#include "output_folder.h"

namespace quovex::skin_gen {

enum class CompositePage { kKey, kMacro, kMacroOnly, kMedia, kFunction };
enum class CompositeState { kNormal, kOver, kDown, kDisable };

QImage DrawCompositePicture(CompositePage page, CompositeState state);
void GenerateCompositeSkin(OutputFolder& out);

}  // namespace quovex::skin_gen
