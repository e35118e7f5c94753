// What core calls to show a message, ask a Yes/No question or let the user
// choose a file. Core never prints or draws: the GUI implements this with
// message boxes and file dialogs, the command line with its own output, and
// tests with a recording prompter that answers on cue.
//
// Every call carries the text key and the final text (already looked up in the
// text table and filled with its argument), so that an implementation can show
// the text and a test can assert which message it was.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "app/text_format.h"
#include "app/text_table.h"

namespace quovex {

struct FileChoice {
    enum class Purpose { kOpen, kSave };
    Purpose purpose = Purpose::kOpen;
    std::filesystem::path folder;  // where the dialog starts
    std::string file_name;         // proposed name (save)
    std::string filter_name;       // e.g. "Profile files"
    std::string extension;         // e.g. ".qvx"; empty for any file
};

class Prompter {
public:
    virtual ~Prompter() = default;

    // A modal message with an OK button.
    virtual void ShowMessage(std::string_view text_key, const std::string& text) = 0;

    // A modal Yes/No question with No as the default button; true for Yes.
    virtual bool AskYesNo(std::string_view text_key, const std::string& text) = 0;

    // The chosen file, or nullopt when the user cancelled.
    virtual std::optional<std::filesystem::path> ChooseFile(const FileChoice& choice) = 0;
};

// Looks the key up in the text table, fills in the argument and shows it.
inline void ShowTextMessage(Prompter& prompter, const TextTable& texts, std::string_view key,
                            const TextArgument& argument = {}) {
    prompter.ShowMessage(key, FormatText(texts.Text(key), argument));
}

inline bool AskTextYesNo(Prompter& prompter, const TextTable& texts, std::string_view key,
                         const TextArgument& argument = {}) {
    return prompter.AskYesNo(key, FormatText(texts.Text(key), argument));
}

}  // namespace quovex
