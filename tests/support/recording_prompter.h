// A prompter for tests: records every message and question (text key and
// final text) and answers questions and file choices from queues set up by the
// test. Safe to call from any thread.
#pragma once

#include <deque>
#include <filesystem>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "app/prompter.h"

namespace quovex::test_support {

class RecordingPrompter : public Prompter {
public:
    struct Prompt {
        enum class Kind { kMessage, kQuestion, kFileChoice };
        Kind kind;
        std::string text_key;
        std::string text;
    };

    void ShowMessage(std::string_view text_key, const std::string& text) override {
        std::lock_guard lock(mutex_);
        prompts_.push_back({Prompt::Kind::kMessage, std::string(text_key), text});
    }

    bool AskYesNo(std::string_view text_key, const std::string& text) override {
        std::lock_guard lock(mutex_);
        prompts_.push_back({Prompt::Kind::kQuestion, std::string(text_key), text});
        if (answers_.empty()) return false;  // No is the default button
        const bool answer = answers_.front();
        answers_.pop_front();
        return answer;
    }

    std::optional<std::filesystem::path> ChooseFile(const FileChoice& choice) override {
        std::lock_guard lock(mutex_);
        prompts_.push_back({Prompt::Kind::kFileChoice, {}, choice.file_name});
        if (files_.empty()) return std::nullopt;
        auto file = files_.front();
        files_.pop_front();
        return file;
    }

    void QueueAnswer(bool yes) {
        std::lock_guard lock(mutex_);
        answers_.push_back(yes);
    }
    void QueueFile(std::optional<std::filesystem::path> file) {
        std::lock_guard lock(mutex_);
        files_.push_back(std::move(file));
    }

    std::vector<Prompt> Prompts() const {
        std::lock_guard lock(mutex_);
        return prompts_;
    }
    // The text keys of every prompt so far, in order.
    std::vector<std::string> Keys() const {
        std::lock_guard lock(mutex_);
        std::vector<std::string> keys;
        for (const Prompt& prompt : prompts_) keys.push_back(prompt.text_key);
        return keys;
    }
    void Clear() {
        std::lock_guard lock(mutex_);
        prompts_.clear();
    }

private:
    mutable std::mutex mutex_;
    std::vector<Prompt> prompts_;
    std::deque<bool> answers_;
    std::deque<std::optional<std::filesystem::path>> files_;
};

}  // namespace quovex::test_support
