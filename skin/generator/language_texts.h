// The language file Skins/language.ini: [LANGUAGE] language=1 (English) and a
// complete [CHINESE] and [ENGINSH] section with every text key the program reads.
#pragma once

#include <QString>
#include <span>
#include <string_view>

#include "output_folder.h"

namespace quovex::skin_gen {

struct LanguageText {
    std::string_view key;
    QString chinese;
    QString english;
};

// `version` fills the version label's text.
std::span<const LanguageText> LanguageTexts(const QString& version);
void GenerateLanguageFile(OutputFolder& out, const QString& version);

}  // namespace quovex::skin_gen
