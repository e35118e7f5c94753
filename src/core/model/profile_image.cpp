#include "model/profile_image.h"

#include <cstring>

#include "model/key_layout.h"

namespace quovex {

uint8_t HeaderChecksum(const ImageHeader& header) {
    uint8_t bytes[sizeof(ImageHeader)];
    std::memcpy(bytes, &header, sizeof bytes);
    uint8_t sum = 0;
    for (size_t i = 0; i < offsetof(ImageHeader, checksum); ++i) sum = static_cast<uint8_t>(sum + bytes[i]);
    return sum;
}

void BuildImageHeader(ProfileImage& image, uint16_t macro_count, uint32_t string_bytes, uint8_t flag) {
    ImageHeader& header = image.header;
    header = ImageHeader{};
    header.magic = kImageMagic;
    header.header_size = kImageHeaderSize;
    header.format_kind = kImageFormatKind;
    header.format_version = kImageFormatVersion;
    header.total_size = kImageSize + uint32_t{macro_count} * kMacroRecordSize + string_bytes;
    header.entry_count = kKeyEntryCount;
    header.macro_count = macro_count;
    header.string_bytes = string_bytes;
    header.flag = flag;
    header.checksum = HeaderChecksum(header);
}

namespace {

void WriteGKeyIdentifiers(std::span<KeyEntry, kEntriesPerProfileBlock> block) {
    for (int j = 0; j < kGKeyCount; ++j) {
        block[GKeySlot(j, 0)].aux = static_cast<uint16_t>(kGKeyIdBankA + j);
        block[GKeySlot(j, 1)].aux = static_cast<uint16_t>(kGKeyIdBankB + j);
    }
}

}  // namespace

void SetDefaultKeyEntries(ProfileImage& image) {
    image.entries.fill(KeyEntry{});
    WriteGKeyIdentifiers(
        std::span<KeyEntry, kEntriesPerProfileBlock>(image.entries.data(), kEntriesPerProfileBlock));
}

std::unique_ptr<ProfileImage> MakeDefaultImage(uint8_t flag) {
    auto image = std::make_unique<ProfileImage>();
    BuildImageHeader(*image, 0, 0, flag);
    image->device = kDefaultDeviceBlock;
    SetDefaultKeyEntries(*image);
    return image;
}

ProfileBlock DefaultProfileBlock() {
    ProfileBlock block{};
    WriteGKeyIdentifiers(block);
    return block;
}

}  // namespace quovex
