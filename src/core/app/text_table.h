// The text table: every text the user sees is looked up by key in the
// language file (program folder + "Skins/language.ini"), in the section that
// its [LANGUAGE] "language" value chooses. Texts are UTF-8 strings.
//
// Reading rule: the key is read from the chosen section with the default " "
// (one space), so a missing key gives a single space and a key present with an
// empty value an empty text; a value is cut to 259 characters. The text read
// replaces the built-in text completely: built-in texts are only what an entry
// holds before it is loaded.
#pragma once

#include <cstddef>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/ini_file.h"

namespace quovex {

inline constexpr size_t kTextMaxCharacters = 259;
inline constexpr std::string_view kLanguageSectionChinese = "CHINESE";
inline constexpr std::string_view kLanguageSectionEnglish = "ENGINSH";  // spelled so in every language file

struct TextKeyInfo {
    std::string_view key;
    std::string_view built_in;
    // Characters the entry can hold: kTextMaxCharacters, or the room of an entry
    // that only fits its built-in text (the update texts and the tray menu).
    size_t room = kTextMaxCharacters;
    bool in_startup_table = true;  // false: read on demand with ReadText only
};

// Every key of the start-up table, in loading order, then the keys read on demand.
std::span<const TextKeyInfo> TextKeys();

std::filesystem::path LanguageFilePath(const std::filesystem::path& program_folder);

// The section chosen by a "language" value: "ENGINSH" for the number 1 (leading
// blanks skipped, conversion stops at the first non-digit), "CHINESE" otherwise.
std::string_view ChooseLanguageSection(std::string_view language_value);
// The section chosen by the language file as it is now ("CHINESE" when it is missing).
std::string_view ChooseLanguageSection(const CIniFile& language_file);

// One on-demand reading: the section is chosen anew and the file read now, so
// an edited language file shows at the next reading. Cut to the key's room.
std::string ReadText(const std::filesystem::path& language_file, std::string_view key);

// The start-up table: loaded once at start, before other threads run, and only
// read afterwards, so readers on any thread need no lock.
class TextTable {
public:
    TextTable();  // every entry holds its built-in text

    // Chooses the section, then reads every key of the start-up table in order.
    void LoadTextTable(const std::filesystem::path& language_file);

    // The entry of a start-up key; an empty text for a key the table does not hold.
    const std::string& Text(std::string_view key) const;

private:
    std::vector<std::string> entries_;  // in the order of TextKeys()
};

}  // namespace quovex
