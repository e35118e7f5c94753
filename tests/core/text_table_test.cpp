// The text table: section choice, the reading rule, the start-up table and
// the on-demand readings.
#include "app/text_table.h"

#include <gtest/gtest.h>

#include <set>

#include "app/unicode.h"
#include "support/temporary_folder.h"

namespace quovex {
namespace {

using test_support::TemporaryFolder;
using test_support::WriteText;

std::string LanguageFile(std::string_view language_line, std::string_view chinese, std::string_view english) {
    return "[LANGUAGE]\r\n" + std::string(language_line) + "\r\n[CHINESE]\r\n" + std::string(chinese) +
           "\r\n[ENGINSH]\r\n" + std::string(english) + "\r\n";
}

TEST(TextTable, LanguageValueChoosesTheSection) {
    const std::pair<std::string_view, std::string_view> cases[] = {
        {"1", "ENGINSH"}, {" 1", "ENGINSH"}, {"1x", "ENGINSH"},      {"01", "ENGINSH"}, {"0", "CHINESE"},
        {"2", "CHINESE"}, {"", "CHINESE"},   {"english", "CHINESE"}, {" ", "CHINESE"},  {"11", "CHINESE"},
    };
    for (const auto& [value, section] : cases) {
        SCOPED_TRACE(value);
        EXPECT_EQ(ChooseLanguageSection(value), section);
    }
}

TEST(TextTable, HoldsBuiltInTextsBeforeLoading) {
    const TextTable texts;
    EXPECT_EQ(texts.Text("MAIN_CAPTION"), "Gaming Keyboard Settings");
    EXPECT_EQ(texts.Text("UNKNOWN_KEY"), "Unknown Key: %03x");
    EXPECT_EQ(texts.Text("MEDIA_MAIL_18"), "Hello world");
    EXPECT_EQ(
        texts.Text("EXTRA_MACRO_TOO_LONG"),
        "Macro space exceeds the hardware space.\r\n Please reduce the number of macros or macro action "
        "number\uFF0Cand then download.");
    EXPECT_EQ(texts.Text("MAIN_UPDATE_BACKUP_NG"), "备份失败,请重新备份!");
    EXPECT_EQ(texts.Text("MENU_11"), "") << "on-demand keys are not part of the start-up table";
    EXPECT_EQ(texts.Text("NO_SUCH_KEY"), "");

    std::set<std::string_view> keys;
    for (const TextKeyInfo& info : TextKeys()) {
        EXPECT_TRUE(keys.insert(info.key).second) << info.key << " is listed twice";
        EXPECT_LE(Utf8CharacterCount(info.built_in), info.room) << info.key;
    }
}

class TextTableFileTest : public ::testing::Test {
protected:
    TemporaryFolder folder;
    std::filesystem::path program = folder.Path();
    std::filesystem::path path = LanguageFilePath(program);
    void SetUp() override { std::filesystem::create_directories(path.parent_path()); }
};

TEST_F(TextTableFileTest, LoadReadsTheChosenSectionAndNeverFallsBackToBuiltIns) {
    WriteText(path, LanguageFile("language=1", "MAIN_CAPTION=键盘设置",
                                 "MAIN_CAPTION=Keyboard\r\nMENU_1=\r\nMAIN_HELP_PROMPT=Help me"));
    TextTable texts;
    texts.LoadTextTable(path);
    EXPECT_EQ(texts.Text("MAIN_CAPTION"), "Keyboard");
    EXPECT_EQ(texts.Text("MAIN_HELP_PROMPT"), "Help me");
    EXPECT_EQ(texts.Text("MAIN_CLOSE_PROMPT"), " ") << "a missing key is a single space";

    WriteText(path, LanguageFile("language=0", "MAIN_CAPTION=键盘设置", "MAIN_CAPTION=Keyboard"));
    texts.LoadTextTable(path);
    EXPECT_EQ(texts.Text("MAIN_CAPTION"), "键盘设置");
}

TEST_F(TextTableFileTest, EmptyValueGivesAnEmptyTextAndMissingFileGivesSpaces) {
    WriteText(path, LanguageFile("language=1", "", "MAIN_CAPTION="));
    TextTable texts;
    texts.LoadTextTable(path);
    EXPECT_EQ(texts.Text("MAIN_CAPTION"), "");

    TextTable without_file;
    without_file.LoadTextTable(folder / "missing.ini");
    for (const TextKeyInfo& info : TextKeys()) {
        if (info.in_startup_table) {
            EXPECT_EQ(without_file.Text(info.key), " ") << info.key;
        }
    }
}

TEST_F(TextTableFileTest, TextsAreCutToTheRoomOfTheirEntry) {
    const std::string long_text(300, 'x');
    WriteText(path, LanguageFile("language=1", "",
                                 "MAIN_CAPTION=" + long_text +
                                     "\r\nMAIN_UPDATE_BACKUP_OK=Backup succeeded!\r\n"
                                     "MAIN_SHELL_ERROR_TEXT=无法执行更新文件!无法执行\r\n"
                                     "MENU_11=Open the window(&O)\r\nMENU_22=About(&A)\r\nMENU_1=" +
                                     long_text));
    TextTable texts;
    texts.LoadTextTable(path);
    EXPECT_EQ(texts.Text("MAIN_CAPTION"), std::string(kTextMaxCharacters, 'x'));
    EXPECT_EQ(texts.Text("MAIN_UPDATE_BACKUP_OK"), "Backu");
    EXPECT_EQ(texts.Text("MAIN_SHELL_ERROR_TEXT"), "无法执行更新文件!无");
    EXPECT_EQ(ReadText(path, "MENU_11"), "Open the");
    EXPECT_EQ(ReadText(path, "MENU_22"), "About(&A)");
    EXPECT_EQ(ReadText(path, "MENU_1"), std::string(kTextMaxCharacters, 'x'));
}

TEST_F(TextTableFileTest, ReadTextSeesEditsWhileTheStartUpTableDoesNot) {
    WriteText(path, LanguageFile("language=1", "MENU_3=关于", "MENU_3=About\r\nMAIN_CAPTION=First"));
    TextTable texts;
    texts.LoadTextTable(path);
    EXPECT_EQ(ReadText(path, "MENU_3"), "About");

    WriteText(path, LanguageFile("language=0", "MENU_3=关于\r\nMAIN_CAPTION=Second", "MENU_3=About"));
    EXPECT_EQ(ReadText(path, "MENU_3"), "关于");
    EXPECT_EQ(ReadText(path, "GUANYU_BANQUAN"), " ");
    EXPECT_EQ(texts.Text("MAIN_CAPTION"), "First");
}

}  // namespace
}  // namespace quovex
