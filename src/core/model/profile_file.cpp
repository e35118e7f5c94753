#include "model/profile_file.h"

#include <cstring>
#include <fstream>
#include <new>
#include <system_error>

#include "app/atomic_file.h"
#include "app/unicode.h"
#include "model/assign_type.h"

namespace quovex {

namespace {

constexpr uint64_t kMaxProfileFileBytes = 0xFFFFFFFFull;  // sizes are 32-bit

void SetError(std::string* error, std::string text) {
    if (error) *error = std::move(text);
}

// The string starting at byte `offset` of the area, up to its NUL; nullopt
// when no NUL follows inside the area.
std::optional<std::u16string> ReadAreaString(std::span<const uint8_t> area, size_t offset) {
    std::u16string text;
    for (size_t pos = offset; pos + 1 < area.size(); pos += 2) {
        const auto unit = static_cast<char16_t>(area[pos] | (area[pos + 1] << 8));
        if (unit == u'\0') return text;
        text.push_back(unit);
    }
    return std::nullopt;
}

}  // namespace

ImageHeaderFault CheckImageHeader(const ImageHeader& header) {
    if (header.magic != kImageMagic) return ImageHeaderFault::kMagic;
    if (header.header_size != kImageHeaderSize) return ImageHeaderFault::kHeaderSize;
    if (header.format_kind != kImageFormatKind) return ImageHeaderFault::kFormatKind;
    if (header.format_version != kImageFormatVersion) return ImageHeaderFault::kFormatVersion;
    if (header.total_size < kImageSize) return ImageHeaderFault::kTotalSizeTooSmall;
    if (header.entry_count != kKeyEntryCount) return ImageHeaderFault::kEntryCount;
    if (header.macro_count > kMaxMacros) return ImageHeaderFault::kTooManyMacros;
    if (header.flag > 1) return ImageHeaderFault::kFlag;
    if (uint64_t{header.total_size} !=
        uint64_t{header.macro_count} * kMacroRecordSize + header.string_bytes + kImageSize) {
        return ImageHeaderFault::kTotalSizeMismatch;
    }
    if (header.checksum != HeaderChecksum(header)) return ImageHeaderFault::kChecksum;
    return ImageHeaderFault::kNone;
}

int ValidateImageFile(const std::filesystem::path& path, Prompter& prompter, const TextTable& texts) {
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) return kImageInvalid;
    std::ifstream in;
    if (std::filesystem::is_regular_file(path, ec)) in.open(path, std::ios::binary);
    if (!in.is_open()) return kImageCannotOpen;
    const uint64_t size = std::filesystem::file_size(path, ec);
    if (ec || size > kMaxProfileFileBytes || size < kImageSize) return kImageInvalid;

    // Only the header is checked, so only the header is read.
    ImageHeader header{};
    if (!in.read(reinterpret_cast<char*>(&header), sizeof header)) return kImageCannotOpen;
    if (CheckImageHeader(header) == ImageHeaderFault::kNone) return kImageValid;
    ShowTextMessage(prompter, texts, "PROFILE_FORMAT_ERROR", path.string());
    return kImageInvalid;
}

std::optional<ProfileContents> ParseImageBytes(std::span<const uint8_t> bytes, std::string* error) {
    if (bytes.size() < kImageSize) {
        SetError(error,
                 "the file is shorter than a profile image (" + std::to_string(kImageSize) + " bytes)");
        return std::nullopt;
    }
    ProfileContents contents;
    try {
        contents.image = std::make_unique<ProfileImage>();
        std::memcpy(contents.image.get(), bytes.data(), kImageSize);
        const ImageHeader& header = contents.image->header;

        const uint64_t needed =
            uint64_t{kImageSize} + uint64_t{header.macro_count} * kMacroRecordSize + header.string_bytes;
        if (header.macro_count > kMaxMacros) {
            SetError(error, "the file announces " + std::to_string(header.macro_count) + " macros (at most " +
                                std::to_string(kMaxMacros) + ")");
            return std::nullopt;
        }
        if (bytes.size() < needed || bytes.size() < header.total_size) {
            SetError(error, "the file is shorter than its header announces");
            return std::nullopt;
        }

        contents.macros.resize(header.macro_count);
        for (size_t i = 0; i < contents.macros.size(); ++i) {
            std::memcpy(&contents.macros[i], bytes.data() + kImageSize + i * kMacroRecordSize,
                        kMacroRecordSize);
            NormaliseMacroRecord(contents.macros[i]);
        }

        const auto area =
            bytes.subspan(kImageSize + size_t{header.macro_count} * kMacroRecordSize, header.string_bytes);
        for (int i = 0; i < kKeyEntryCount; ++i) {
            const KeyEntry& entry = contents.image->entries[i];
            if (!UsesString(entry.type)) continue;
            const size_t offset = entry.value & ~uint32_t{1};  // strings start on even offsets
            if (offset >= area.size()) continue;               // no string was stored for this entry
            auto text = ReadAreaString(area, offset);
            if (!text) {
                SetError(error,
                         "the string of key entry " + std::to_string(i) + " has no end inside the file");
                return std::nullopt;
            }
            contents.strings.Set(i, *text);
        }
    } catch (const std::bad_alloc&) {
        SetError(error, "out of memory");
        return std::nullopt;
    }
    return contents;
}

int LoadImageFile(WorkingProfile& working, const std::filesystem::path& path, std::string* error) {
    const auto bytes = ReadWholeFile(path, kMaxProfileFileBytes);
    if (!bytes) {
        SetError(error, "cannot read " + path.string());
        return 0;
    }
    auto contents = ParseImageBytes(*bytes, error);
    if (!contents) return 0;
    auto lock = working.Lock();
    working.Replace(std::move(*contents));
    return 1;
}

std::vector<uint8_t> SerializeWorkingProfile(WorkingProfile& working) {
    auto lock = working.Lock();
    ProfileImage& image = working.Image();
    const auto& macros = working.Macros();
    BuildImageHeader(image, static_cast<uint16_t>(macros.size()), working.Strings().Total(), 0);
    const std::vector<uint8_t> strings = PackStrings(image.entries, working.Strings());

    std::vector<uint8_t> bytes(kImageSize + macros.size() * kMacroRecordSize + strings.size());
    std::memcpy(bytes.data(), &image, kImageSize);
    if (!macros.empty())
        std::memcpy(bytes.data() + kImageSize, macros.data(), macros.size() * kMacroRecordSize);
    if (!strings.empty()) {
        std::memcpy(bytes.data() + kImageSize + macros.size() * kMacroRecordSize, strings.data(),
                    strings.size());
    }
    return bytes;
}

int SaveWorkingProfile(WorkingProfile& working, const std::filesystem::path& path, std::string* error) {
    try {
        auto lock = working.Lock();
        return WriteFileAtomically(path, SerializeWorkingProfile(working), error) ? 1 : 0;
    } catch (const std::bad_alloc&) {
        SetError(error, "out of memory");
        return 0;
    }
}

int CreateDefaultImage(const std::filesystem::path& path, uint8_t flag) {
    const auto image = MakeDefaultImage(flag);
    return WriteFileAtomically(path, std::span(reinterpret_cast<const uint8_t*>(image.get()), kImageSize))
               ? 1
               : 0;
}

int CreateDefaultImage(WorkingProfile& working, uint8_t flag) {
    ProfileContents contents;
    contents.image = MakeDefaultImage(flag);
    auto lock = working.Lock();
    working.Replace(std::move(contents));
    return 1;
}

}  // namespace quovex
