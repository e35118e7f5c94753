// The lighting panel's small pictures (BMP): the lighting switch, direction
// pairs, colour swatches, multi-colour switch, painting tools, the Apply
// progress frames and the brightness and speed slider tracks. Each is drawn at
// the size of the control that shows it in Main.ini.
#pragma once

#include "output_folder.h"

namespace quovex::skin_gen {

void GeneratePanelBitmaps(OutputFolder& out);

}  // namespace quovex::skin_gen
