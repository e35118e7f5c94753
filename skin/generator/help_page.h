// Help/index.html: what every window of the program does, opened by the Help
// button and F1.
#pragma once

#include <QString>

#include "output_folder.h"

namespace quovex::skin_gen {

QString HelpPage(const QString& version);
void GenerateHelp(OutputFolder& out, const QString& version);

}  // namespace quovex::skin_gen
