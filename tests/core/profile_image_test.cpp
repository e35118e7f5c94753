// The profile image: its bytes, the file check, loading, saving, the string
// area and the write copy.
#include <gtest/gtest.h>

#include <cstring>

#include "model/assign_type.h"
#include "model/keyboard_context.h"
#include "model/profile_file.h"
#include "support/file_size_limit.h"
#include "support/recording_prompter.h"
#include "support/temporary_folder.h"

namespace quovex {
namespace {

using test_support::FileSizeLimit;
using test_support::ReadBytes;
using test_support::RecordingPrompter;
using test_support::TemporaryFolder;
using test_support::WriteBytes;

std::vector<uint8_t> ImageBytes(const ProfileImage& image) {
    const auto* begin = reinterpret_cast<const uint8_t*>(&image);
    return std::vector<uint8_t>(begin, begin + kImageSize);
}

MacroRecord NamedMacro(uint16_t id, std::u16string_view name) {
    MacroRecord macro{};
    macro.id = id;
    macro.repeat_count = 1;
    SetMacroName(macro, name);
    return macro;
}

TEST(ProfileImage, DefaultImageBytes) {
    const auto image = MakeDefaultImage(0);
    const auto bytes = ImageBytes(*image);
    const std::vector<uint8_t> header_start = {0x46, 0x44, 0x20, 0x00, 0x03, 0x00, 0x01,
                                               0x00, 0x40, 0x80, 0x00, 0x00, 0x00, 0x08};
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin(), bytes.begin() + 14), header_start);
    for (int i = 14; i < 31; ++i) EXPECT_EQ(bytes[i], 0) << i;
    EXPECT_EQ(bytes[31], 0x76);
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin() + 32, bytes.begin() + 64),
              std::vector<uint8_t>(kDefaultDeviceBlock.begin(), kDefaultDeviceBlock.end()));
    EXPECT_EQ(bytes[48], 0x45);
    EXPECT_EQ(bytes[49], 0x0C);
    EXPECT_EQ(bytes[50], 0x04);
    EXPECT_EQ(bytes[51], 0x50);

    for (int i = 0; i < kKeyEntryCount; ++i) {
        KeyEntry expected{};
        if (i >= 256 && i <= 264) expected.aux = static_cast<uint16_t>(0x0301 + i - 256);
        if (i >= 265 && i <= 273) expected.aux = static_cast<uint16_t>(0x1301 + i - 265);
        ASSERT_EQ(image->entries[i], expected) << "entry " << i;
    }
    EXPECT_EQ(MakeDefaultImage(1)->header.flag, 1);
    EXPECT_EQ(CheckImageHeader(MakeDefaultImage(1)->header), ImageHeaderFault::kNone);
}

class ProfileFileTest : public ::testing::Test {
protected:
    TemporaryFolder folder;
    RecordingPrompter prompter;
    TextTable texts;

    // A default image whose header is edited by `edit`; the checksum is redone unless told not to.
    std::filesystem::path WriteImage(const std::string& name, void (*edit)(ImageHeader&),
                                     bool fix_checksum = true, size_t extra_bytes = 0) {
        auto image = MakeDefaultImage(0);
        edit(image->header);
        if (fix_checksum) image->header.checksum = HeaderChecksum(image->header);
        auto bytes = ImageBytes(*image);
        bytes.resize(bytes.size() + extra_bytes, 0);
        WriteBytes(folder / name, bytes);
        return folder / name;
    }
};

TEST_F(ProfileFileTest, ValidationResults) {
    struct Case {
        const char* name;
        void (*edit)(ImageHeader&);
        bool fix_checksum;
        int expected;
        bool message;
    };
    const Case cases[] = {
        {"valid", [](ImageHeader&) {}, true, kImageValid, false},
        {"flag 1 is valid", [](ImageHeader& h) { h.flag = 1; }, true, kImageValid, false},
        {"101 macros",
         [](ImageHeader& h) { h.macro_count = 101, h.total_size = kImageSize + 101 * kMacroRecordSize; },
         true, kImageInvalid, true},
        {"flag 2", [](ImageHeader& h) { h.flag = 2; }, true, kImageInvalid, true},
        {"total size disagrees", [](ImageHeader& h) { h.string_bytes = 2; }, true, kImageInvalid, true},
        {"bad checksum", [](ImageHeader& h) { h.checksum ^= 1; }, false, kImageInvalid, true},
        {"bad magic", [](ImageHeader& h) { h.magic = 0x4447; }, true, kImageInvalid, true},
        {"bad kind", [](ImageHeader& h) { h.format_kind = 2; }, true, kImageInvalid, true},
        {"bad entry count", [](ImageHeader& h) { h.entry_count = 2047; }, true, kImageInvalid, true},
        // The file's size is not compared with total_size: a short file with a good header passes.
        {"shorter than total size",
         [](ImageHeader& h) { h.macro_count = 1, h.total_size = kImageSize + kMacroRecordSize; }, true,
         kImageValid, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        prompter.Clear();
        const auto path = WriteImage("case.qvx", c.edit, c.fix_checksum);
        EXPECT_EQ(ValidateImageFile(path, prompter, texts), c.expected);
        if (c.message) {
            ASSERT_EQ(prompter.Prompts().size(), 1u);
            EXPECT_EQ(prompter.Prompts()[0].text_key, "PROFILE_FORMAT_ERROR");
            EXPECT_EQ(prompter.Prompts()[0].text,
                      "wrong file format, revert to the default values: \n  " + path.string());
        } else {
            EXPECT_TRUE(prompter.Prompts().empty());
        }
    }
}

TEST_F(ProfileFileTest, ValidationOfFilesThatAreNotImagesIsSilent) {
    WriteBytes(folder / "short.qvx", std::vector<uint8_t>(kImageSize - 1, 0));
    EXPECT_EQ(ValidateImageFile(folder / "short.qvx", prompter, texts), kImageInvalid);
    EXPECT_EQ(ValidateImageFile(folder / "missing.qvx", prompter, texts), kImageInvalid);
    std::filesystem::create_directory(folder / "folder.qvx");
    EXPECT_EQ(ValidateImageFile(folder / "folder.qvx", prompter, texts), kImageCannotOpen);
    EXPECT_TRUE(prompter.Prompts().empty());
}

TEST_F(ProfileFileTest, ExactImageLoadsWithNoMacrosAndNoStrings) {
    const auto path = folder / "default";
    ASSERT_EQ(CreateDefaultImage(path, 0), 1);
    EXPECT_EQ(std::filesystem::file_size(path), kImageSize);

    WorkingProfile working;
    working.Macros().push_back(NamedMacro(1, u"old"));
    working.Strings().Set(3, u"old");
    ASSERT_EQ(LoadImageFile(working, path), 1);
    EXPECT_TRUE(working.Macros().empty());
    EXPECT_EQ(working.Strings().Total(), 0u);
    EXPECT_EQ(ImageBytes(working.Image()), ImageBytes(*MakeDefaultImage(0)));
}

TEST_F(ProfileFileTest, ProgramPathInProfileOneSurvivesSaveAndLoad) {
    const int slot = SlotFromKeyCode(0x11D);
    const int index = EntryIndex(1, slot);
    WorkingProfile working;
    working.Entry(index).type = ASSIGN_PROGRAM;
    working.Strings().Set(index, u"/usr/bin/gimp");
    working.Entry(EntryIndex(2, 5)).type = ASSIGN_TEXT;
    working.Strings().Set(EntryIndex(2, 5), u"Bonjour, 世界");
    working.Entry(EntryIndex(0, 9)).light = 1;
    MacroRecord macro = NamedMacro(3, u"Combo");
    macro.action_count = 1;
    macro.actions[0] = {120, 0x01E, kMacroPress};
    working.Macros().push_back(macro);

    const auto path = folder / "$Profile0";
    ASSERT_EQ(SaveWorkingProfile(working, path), 1);
    EXPECT_EQ(std::filesystem::file_size(path), kImageSize + kMacroRecordSize + 28 + 24);
    EXPECT_EQ(ValidateImageFile(path, prompter, texts), kImageValid);

    WorkingProfile loaded;
    ASSERT_EQ(LoadImageFile(loaded, path), 1);
    ASSERT_NE(loaded.Strings().Get(index), nullptr);
    EXPECT_EQ(*loaded.Strings().Get(index), u"/usr/bin/gimp");
    EXPECT_EQ(*loaded.Strings().Get(EntryIndex(2, 5)), u"Bonjour, 世界");
    EXPECT_EQ(loaded.Strings().Total(), 28u + 24u);
    EXPECT_EQ(loaded.Entry(index).type, ASSIGN_PROGRAM);
    EXPECT_EQ(loaded.Entry(EntryIndex(0, 9)).light, 1u);
    ASSERT_EQ(loaded.Macros().size(), 1u);
    EXPECT_EQ(MacroName(loaded.Macros()[0]), u"Combo");
    EXPECT_EQ(loaded.Macros()[0].actions[0].delay_ms, 120u);
    EXPECT_EQ(loaded.Macros()[0].id, 3);
}

TEST_F(ProfileFileTest, StringPackingOffsets) {
    WorkingProfile working;
    working.Entry(7).type = ASSIGN_KEY;  // a string left on an entry that is no longer a program or text
    working.Strings().Set(7, u"ignored");
    working.Entry(10).type = ASSIGN_PROGRAM;
    working.Strings().Set(10, std::u16string(12, u'p'));  // 26 bytes with its NUL
    working.Entry(600).type = ASSIGN_TEXT;
    working.Strings().Set(600, u"t");
    working.Entry(700).type = ASSIGN_PROGRAM;  // a program key whose path was released
    working.Entry(700).value = 5000;

    const auto bytes = SerializeWorkingProfile(working);
    EXPECT_EQ(working.Entry(10).value, 0u);
    EXPECT_EQ(working.Entry(600).value, 26u);
    const auto& header = working.Image().header;
    EXPECT_EQ(header.string_bytes, 16u + 26u + 4u) << "the total still counts the left-out string";
    EXPECT_EQ(header.total_size, kImageSize + header.string_bytes);
    EXPECT_EQ(header.checksum, HeaderChecksum(header));
    ASSERT_EQ(bytes.size(), kImageSize + 46u);
    const size_t area = kImageSize;
    EXPECT_EQ(bytes[area], 'p');
    EXPECT_EQ(bytes[area + 24], 0);  // NUL of the first string
    EXPECT_EQ(bytes[area + 26], 't');
    for (size_t i = area + 30; i < bytes.size(); ++i) EXPECT_EQ(bytes[i], 0) << i;

    // Loading it back: the released path stays released, the others come back.
    WriteBytes(folder / "packed", bytes);
    WorkingProfile loaded;
    ASSERT_EQ(LoadImageFile(loaded, folder / "packed"), 1);
    EXPECT_EQ(*loaded.Strings().Get(10), std::u16string(12, u'p'));
    EXPECT_EQ(*loaded.Strings().Get(600), u"t");
    EXPECT_EQ(loaded.Strings().Get(700), nullptr);
    EXPECT_EQ(loaded.Strings().Get(7), nullptr);
    EXPECT_EQ(loaded.Entry(700).type, ASSIGN_PROGRAM);
}

TEST_F(ProfileFileTest, ReleasedProgramPathWithNoStringAreaLoads) {
    WorkingProfile working;
    working.Entry(30).type = ASSIGN_PROGRAM;  // value 0, no string: the assignment dialog leaves such keys
    ASSERT_EQ(SaveWorkingProfile(working, folder / "p"), 1);
    WorkingProfile loaded;
    EXPECT_EQ(LoadImageFile(loaded, folder / "p"), 1);
    EXPECT_EQ(loaded.Strings().Get(30), nullptr);
}

TEST_F(ProfileFileTest, DamagedFilesFailToLoadAndLeaveTheWorkingProfileAsItWas) {
    WorkingProfile source;
    source.Entry(10).type = ASSIGN_TEXT;
    source.Strings().Set(10, u"abc");
    source.Macros().push_back(NamedMacro(1, u"m"));
    const auto good = SerializeWorkingProfile(source);
    const size_t area = kImageSize + kMacroRecordSize;

    struct Case {
        const char* name;
        std::vector<uint8_t> bytes;
    };
    std::vector<Case> cases;
    cases.push_back({"cut inside the string area", {good.begin(), good.end() - 1}});
    cases.push_back({"cut inside the macros", {good.begin(), good.begin() + kImageSize + 100}});
    cases.push_back({"shorter than the image", {good.begin(), good.begin() + kImageSize - 1}});
    cases.push_back({"empty", {}});
    auto no_nul = good;
    no_nul[area + 6] = 'd';  // the NUL of "abc" becomes a character: the string runs to the end
    cases.push_back({"string without NUL", no_nul});
    auto too_many = good;
    ProfileImage* image = reinterpret_cast<ProfileImage*>(too_many.data());
    image->header.macro_count = 101;
    cases.push_back({"101 macros", too_many});
    auto long_total = good;
    reinterpret_cast<ProfileImage*>(long_total.data())->header.total_size += 2;
    cases.push_back({"shorter than total_size", long_total});

    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WriteBytes(folder / "bad", c.bytes);
        WorkingProfile working;
        working.Entry(5).type = ASSIGN_MEDIA;
        working.Macros().push_back(NamedMacro(9, u"keep me"));
        working.Strings().Set(5, u"keep");
        std::string error;
        EXPECT_EQ(LoadImageFile(working, folder / "bad", &error), 0);
        EXPECT_FALSE(error.empty());
        EXPECT_EQ(working.Entry(5).type, ASSIGN_MEDIA);
        ASSERT_EQ(working.Macros().size(), 1u);
        EXPECT_EQ(MacroName(working.Macros()[0]), u"keep me");
        EXPECT_EQ(*working.Strings().Get(5), u"keep");
    }
    WorkingProfile working;
    EXPECT_EQ(LoadImageFile(working, folder / "missing"), 0);
}

TEST_F(ProfileFileTest, LoadedMacroRecordsAreBroughtWithinTheirLimits) {
    WorkingProfile source;
    MacroRecord macro{};
    macro.id = 1;
    std::fill(macro.name.begin(), macro.name.end(), u'n');  // no NUL in the whole field
    source.Macros().push_back(macro);
    auto bytes = SerializeWorkingProfile(source);
    bytes[kImageSize + offsetof(MacroRecord, action_count)] = 0xFF;  // 0xFFFF... actions
    bytes[kImageSize + offsetof(MacroRecord, action_count) + 1] = 0xFF;
    WriteBytes(folder / "m", bytes);
    WorkingProfile loaded;
    ASSERT_EQ(LoadImageFile(loaded, folder / "m"), 1);
    EXPECT_EQ(MacroName(loaded.Macros()[0]).size(), size_t{kMaxMacroNameCharacters});
    EXPECT_EQ(loaded.Macros()[0].action_count, kMaxMacroActions);
}

TEST_F(ProfileFileTest, FailedSaveLeavesTheOldFile) {
    WorkingProfile working;
    const auto path = folder / "$Profile0";
    ASSERT_EQ(SaveWorkingProfile(working, path), 1);
    const auto before = ReadBytes(path);
    working.Macros().push_back(NamedMacro(1, u"new"));

    std::string error;
    EXPECT_EQ(SaveWorkingProfile(working, folder / "no folder" / "$Profile0", &error), 0);
    EXPECT_FALSE(error.empty());

    {
        FileSizeLimit full_disk(1000);
        EXPECT_EQ(SaveWorkingProfile(working, path, &error), 0);
    }
    EXPECT_EQ(ReadBytes(path), before);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1)
        << "no temporary file left";
}

TEST(WorkingProfile, DefaultInMemoryReplacesImageMacrosAndStrings) {
    WorkingProfile working;
    working.Entry(3).type = ASSIGN_PROGRAM;
    working.Strings().Set(3, u"x");
    working.Macros().push_back(NamedMacro(1, u"m"));
    ASSERT_EQ(CreateDefaultImage(working, 0), 1);
    EXPECT_EQ(ImageBytes(working.Image()), ImageBytes(*MakeDefaultImage(0)));
    EXPECT_TRUE(working.Macros().empty());
    EXPECT_EQ(working.Strings().Total(), 0u);
    EXPECT_THROW(working.Block(kProfileUnknown), std::out_of_range);
}

TEST(WriteCopy, CarriesTheWorkingProfileWithItsStringsPacked) {
    WorkingProfile working;
    working.Entry(EntryIndex(1, 4)).type = ASSIGN_PROGRAM;
    working.Strings().Set(EntryIndex(1, 4), u"run");
    working.Macros().push_back(NamedMacro(2, u"m"));
    WriteCopy copy;
    copy.strings = {1, 2, 3};  // the previous copy is released first
    ASSERT_EQ(BuildWriteCopy(working, copy), 1);
    ASSERT_NE(copy.image, nullptr);
    EXPECT_EQ(copy.image->header.macro_count, 1);
    EXPECT_EQ(copy.image->header.string_bytes, 8u);
    EXPECT_EQ(copy.image->header.flag, 0);
    EXPECT_EQ(copy.macros.size(), 1u);
    EXPECT_EQ(copy.strings, (std::vector<uint8_t>{'r', 0, 'u', 0, 'n', 0, 0, 0}));
    EXPECT_EQ(copy.image->entries[EntryIndex(1, 4)].value, 0u);
}

}  // namespace
}  // namespace quovex
