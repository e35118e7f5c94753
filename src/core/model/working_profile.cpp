#include "model/working_profile.h"

#include <new>
#include <stdexcept>

namespace quovex {

WorkingProfile::WorkingProfile() {
    contents_.image = MakeDefaultImage(0);
}

std::span<KeyEntry, kEntriesPerProfileBlock> WorkingProfile::Block(int profile) {
    if (profile < 0 || profile >= kKeyEntryCount / kEntriesPerProfileBlock)
        throw std::out_of_range("profile block");
    return std::span<KeyEntry, kEntriesPerProfileBlock>(
        contents_.image->entries.data() + EntryIndex(profile, 0), kEntriesPerProfileBlock);
}

void WorkingProfile::Replace(ProfileContents contents) {
    if (!contents.image) contents.image = MakeDefaultImage(0);
    contents_ = std::move(contents);
}

void WriteCopy::Release() {
    strings.clear();
    macros.clear();
    image.reset();
}

int BuildWriteCopy(WorkingProfile& working, WriteCopy& copy) {
    auto working_lock = working.Lock();
    auto copy_lock = copy.Lock();
    copy.Release();
    try {
        auto image = std::make_unique<ProfileImage>(working.Image());
        BuildImageHeader(*image, static_cast<uint16_t>(working.Macros().size()), working.Strings().Total(),
                         0);
        std::vector<MacroRecord> macros = working.Macros();
        std::vector<uint8_t> strings = PackStrings(working.Image().entries, working.Strings());
        // The offsets were stored in the working image; the copy carries them too.
        image->entries = working.Image().entries;
        copy.image = std::move(image);
        copy.macros = std::move(macros);
        copy.strings = std::move(strings);
    } catch (const std::bad_alloc&) {
        copy.Release();
        return 0;
    }
    return 1;
}

}  // namespace quovex
