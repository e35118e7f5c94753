// CIniFile: the reading rules every INI reader relies on, write-through that
// keeps the rest of the file, and the encodings and line ends of real files.
#include "app/ini_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <thread>

#include "support/file_size_limit.h"
#include "support/temporary_folder.h"

namespace quovex {
namespace {

using test_support::FileSizeLimit;
using test_support::ReadBytes;
using test_support::ReadFileText;
using test_support::TemporaryFolder;
using test_support::WriteBytes;
using test_support::WriteText;

class IniFileTest : public ::testing::Test {
protected:
    TemporaryFolder folder;
    std::filesystem::path path = folder / "settings.ini";
};

TEST_F(IniFileTest, ReadingRules) {
    WriteText(path,
              "; comment line\r\n"
              "orphan=before any section\r\n"
              "[Keycolor]\r\n"
              "  DengCheck =  1  \r\n"
              "Empty=\r\n"
              "Quoted=\" padded \"\r\n"
              "Single='x'\r\n"
              "NoEquals\r\n"
              "dup=first\r\n"
              "dup=second\r\n"
              "[Other]\r\n"
              "DengCheck=other\r\n"
              "[KEYCOLOR]\r\n"
              "Later=from the second section of the same name\r\n");
    const CIniFile ini(path);
    struct Case {
        std::string_view section, key, expected;
    };
    const Case cases[] = {
        {"KEYCOLOR", "dengcheck", "1"},       // case-insensitive, blanks trimmed
        {"keycolor", "Empty", ""},            // present but empty: empty, not the default
        {"KEYCOLOR", "Missing", "default"},   // missing key: the default
        {"Nowhere", "DengCheck", "default"},  // missing section
        {"KEYCOLOR", "Quoted", " padded "},   // one pair of quotes removed
        {"KEYCOLOR", "Single", "x"},
        {"KEYCOLOR", "NoEquals", "default"},
        {"KEYCOLOR", "dup", "first"},  // the first one wins
        {"KEYCOLOR", "Later", "from the second section of the same name"},
        {"", "orphan", "default"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.section) + "/" + std::string(c.key));
        EXPECT_EQ(ini.GetString(c.section, c.key, "default"), c.expected);
    }
    EXPECT_EQ(ini.GetInt("KEYCOLOR", "DengCheck", 7), 1);
    EXPECT_EQ(ini.GetInt("KEYCOLOR", "Missing", 7), 7);
}

TEST_F(IniFileTest, ValuesAreCutToTheReadersLimit) {
    WriteText(path, "[S]\nlong=" + std::string(3000, 'a') + "\n");
    const CIniFile ini(path);
    EXPECT_EQ(ini.GetString("S", "long", "").size(), kIniValueMaxCharacters);
    EXPECT_EQ(ini.GetString("S", "long", "", 259).size(), 259u);
    EXPECT_EQ(ini.GetString("S", "missing", "abcdef", 3), "abc");
    // Characters, not bytes: a cut never splits one.
    WriteText(path, "[S]\nchinese=请选择正确的更新文件\n");
    EXPECT_EQ(ini.GetString("S", "chinese", "", 4), "请选择正");
}

TEST_F(IniFileTest, MissingFileGivesDefaultsAndWriteCreatesIt) {
    CIniFile ini(path);
    EXPECT_EQ(ini.GetString("KEYCOLOR", "DengCheck", "0"), "0");
    ASSERT_TRUE(ini.WriteString("KEYCOLOR", "DengCheck", "1"));
    EXPECT_EQ(ReadFileText(path), "[KEYCOLOR]\nDengCheck=1\n");
    EXPECT_EQ(CIniFile(path).GetString("KEYCOLOR", "DengCheck", "0"), "1");
}

TEST_F(IniFileTest, WriteKeepsOrderCommentsAndLineEnds) {
    WriteText(path,
              "; presets\r\n"
              "[PRESENTMODE]\r\n"
              "mode=0\r\n"
              "\r\n"
              "[MODENAME]\r\n"
              "0=First ; not a comment\r\n"
              "\r\n"
              "[Mode0]\r\n"
              "tool=0");  // last line without a line end
    CIniFile ini(path);
    ASSERT_TRUE(ini.WriteString("presentmode", "MODE", "3"));  // existing key, other case
    ASSERT_TRUE(ini.WriteString("MODENAME", "1", "Second"));   // new key in an existing section
    ASSERT_TRUE(ini.WriteString("Mode1", "tool", "1"));        // new section
    EXPECT_EQ(ReadFileText(path),
              "; presets\r\n"
              "[PRESENTMODE]\r\n"
              "MODE=3\r\n"
              "\r\n"
              "[MODENAME]\r\n"
              "0=First ; not a comment\r\n"
              "1=Second\r\n"
              "\r\n"
              "[Mode0]\r\n"
              "tool=0\r\n"
              "[Mode1]\r\n"
              "tool=1\r\n");
}

TEST_F(IniFileTest, ValuesReadBackAsWrittenAndUnsafeWritesAreRefused) {
    CIniFile ini(path);
    for (std::string_view value : {" padded ", "\"quoted\"", "", "a=b;c", "請"}) {
        SCOPED_TRACE(value);
        ASSERT_TRUE(ini.WriteString("S", "k", value));
        EXPECT_EQ(CIniFile(path).GetString("S", "k", "default"), value);
    }
    const std::string before = ReadFileText(path);
    // A line break would let a value write keys of its own; names that cannot be read back are refused.
    EXPECT_FALSE(ini.WriteString("S", "k", "1\n[Other]\nkey=evil"));
    EXPECT_FALSE(ini.WriteString("S", "k", "1\r2"));
    EXPECT_FALSE(ini.WriteString("S]", "k", "1"));
    EXPECT_FALSE(ini.WriteString("S", "k=1", "1"));
    EXPECT_FALSE(ini.WriteString("S", ";k", "1"));
    EXPECT_FALSE(ini.WriteString("S", " k", "1"));
    EXPECT_FALSE(ini.WriteString("", "k", "1"));
    EXPECT_FALSE(ini.WriteString("S\xFF", "k", "1"));
    EXPECT_EQ(ReadFileText(path), before);
}

TEST_F(IniFileTest, SeveralKeysAreWrittenTogetherOrNotAtAll) {
    CIniFile ini(path);
    const CIniFile::KeyValue fill[] = {{"64", "1,2,3,1"}, {"65", "1,2,3,1"}};
    ASSERT_TRUE(ini.WriteStrings("Mode1", fill));
    EXPECT_EQ(ReadFileText(path), "[Mode1]\n64=1,2,3,1\n65=1,2,3,1\n");

    const CIniFile::KeyValue halfBad[] = {{"64", "9,9,9,1"}, {"6=5", "9,9,9,1"}};
    EXPECT_FALSE(ini.WriteStrings("Mode1", halfBad));
    EXPECT_EQ(ReadFileText(path), "[Mode1]\n64=1,2,3,1\n65=1,2,3,1\n");
    EXPECT_EQ(ini.GetString("Mode1", "64", ""), "1,2,3,1");
}

TEST_F(IniFileTest, Utf16LittleEndianFileIsReadAndWrittenBackInItsEncoding) {
    const std::u16string text = u"[ENGINSH]\r\nMAIN_CAPTION=Réglages\r\n";
    std::vector<uint8_t> bytes = {0xFF, 0xFE};
    for (char16_t unit : text) bytes.push_back(uint8_t(unit & 0xFF)), bytes.push_back(uint8_t(unit >> 8));
    WriteBytes(path, bytes);
    CIniFile ini(path);
    EXPECT_EQ(ini.GetString("enginsh", "main_caption", ""), "Réglages");

    ASSERT_TRUE(ini.WriteString("ENGINSH", "MENU_1", "Import"));
    const auto written = ReadBytes(path);
    ASSERT_GE(written.size(), 2u);
    EXPECT_EQ(written[0], 0xFF);
    EXPECT_EQ(written[1], 0xFE);
    EXPECT_EQ(CIniFile(path).GetString("ENGINSH", "MAIN_CAPTION", ""), "Réglages");
    EXPECT_EQ(CIniFile(path).GetString("ENGINSH", "MENU_1", ""), "Import");
}

TEST_F(IniFileTest, Utf8ByteOrderMarkIsKept) {
    WriteText(path, "\xEF\xBB\xBF[LANGUAGE]\nlanguage=1\n");
    CIniFile ini(path);
    EXPECT_EQ(ini.GetString("LANGUAGE", "language", ""), "1");
    ASSERT_TRUE(ini.WriteString("LANGUAGE", "language", "0"));
    EXPECT_EQ(ReadFileText(path), "\xEF\xBB\xBF[LANGUAGE]\nlanguage=0\n");
}

TEST_F(IniFileTest, InvalidBytesReadAsReplacementButUntouchedLinesSurviveAWrite) {
    WriteText(path, "[S]\nlegacy=\xB2\xE2\xCA\xD4\nother=1\n");  // a legacy-encoded value
    CIniFile ini(path);
    EXPECT_EQ(ini.GetString("S", "legacy", ""), "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD");
    ASSERT_TRUE(ini.WriteString("S", "other", "2"));
    EXPECT_EQ(ReadFileText(path), "[S]\nlegacy=\xB2\xE2\xCA\xD4\nother=2\n");
}

TEST_F(IniFileTest, ReadsSeeChangesMadeByOthersAndWritesDoNotLoseThem) {
    CIniFile mine(path);
    CIniFile theirs(path);
    ASSERT_TRUE(mine.WriteString("S", "a", "1"));
    EXPECT_EQ(theirs.GetString("S", "a", ""), "1");
    ASSERT_TRUE(theirs.WriteString("S", "b", "2"));
    ASSERT_TRUE(mine.WriteString("S", "c", "3"));
    EXPECT_EQ(ReadFileText(path), "[S]\na=1\nb=2\nc=3\n");
}

TEST_F(IniFileTest, FailedWriteLeavesTheFileAsItWas) {
    WriteText(path, "[S]\na=1\n");
    CIniFile ini(path);
    {
        FileSizeLimit full_disk(8);
        EXPECT_FALSE(ini.WriteString("S", "a", "a value longer than the disk has room for"));
    }
    EXPECT_EQ(ReadFileText(path), "[S]\na=1\n");
    EXPECT_EQ(ini.GetString("S", "a", ""), "1");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1)
        << "no temporary file left";
    EXPECT_FALSE(CIniFile(folder / "no folder" / "x.ini").WriteString("S", "a", "1"));
}

TEST_F(IniFileTest, NoTemporaryFileIsLeftBehindAndPermissionsAreKept) {
    WriteText(path, "[S]\na=1\n");
    ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
    CIniFile ini(path);
    ASSERT_TRUE(ini.WriteString("S", "a", "2"));
    struct stat status {};
    ASSERT_EQ(::stat(path.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0640u);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1);
}

TEST_F(IniFileTest, ConcurrentWritersLoseNoKey) {
    CIniFile ini(path);
    std::vector<std::thread> writers;
    for (int t = 0; t < 4; ++t) {
        writers.emplace_back([&ini, t] {
            for (int i = 0; i < 10; ++i)
                ini.WriteString("S", "k" + std::to_string(t * 10 + i), std::to_string(i));
        });
    }
    for (auto& writer : writers) writer.join();
    const CIniFile reread(path);
    for (int k = 0; k < 40; ++k)
        EXPECT_EQ(reread.GetString("S", "k" + std::to_string(k), "missing"), std::to_string(k % 10));
}

}  // namespace
}  // namespace quovex
