// The working profile and the write copy: the two in-memory profile images,
// each guarded by its own re-entrant lock. Lock order: the profile lock first,
// then the write-copy lock.
//
// The working profile always holds an image and its macro count is always the
// size of its macro array: loads build new contents and replace the old ones
// only when they succeeded.
#pragma once

#include <memory>
#include <mutex>
#include <span>
#include <vector>

#include "macros/macro_record.h"
#include "model/profile_image.h"
#include "model/string_table.h"

namespace quovex {

struct ProfileContents {
    std::unique_ptr<ProfileImage> image;  // never null in a working profile
    std::vector<MacroRecord> macros;      // in list order; a record's index is its macro-memory position
    StringTable strings;
};

class WorkingProfile {
public:
    WorkingProfile();  // a default image in memory, no macros, no strings

    // The profile lock. Every reader and writer of entries, macros or strings
    // holds it while it works (it is re-entrant).
    [[nodiscard]] std::unique_lock<std::recursive_mutex> Lock() const {
        return std::unique_lock<std::recursive_mutex>(mutex_);
    }

    // Everything below expects the profile lock held.
    ProfileImage& Image() { return *contents_.image; }
    const ProfileImage& Image() const { return *contents_.image; }
    KeyEntry& Entry(int index) { return contents_.image->entries.at(static_cast<size_t>(index)); }
    // Profile block 0..3; any other number throws std::out_of_range rather than
    // address memory outside the image (check IsOnBoardProfile first).
    std::span<KeyEntry, kEntriesPerProfileBlock> Block(int profile);
    std::vector<MacroRecord>& Macros() { return contents_.macros; }
    const std::vector<MacroRecord>& Macros() const { return contents_.macros; }
    StringTable& Strings() { return contents_.strings; }
    const StringTable& Strings() const { return contents_.strings; }

    // Installs new contents (a null image is replaced by a default one).
    void Replace(ProfileContents contents);
    void ReleaseMacros() { contents_.macros.clear(); }
    void ReleaseStrings() { contents_.strings.ClearAll(); }

private:
    mutable std::recursive_mutex mutex_;
    ProfileContents contents_;
};

// The image, macros and packed strings sent to the keyboard, made from the
// working profile by BuildWriteCopy / MakeWriteCopy.
class WriteCopy {
public:
    [[nodiscard]] std::unique_lock<std::recursive_mutex> Lock() const {
        return std::unique_lock<std::recursive_mutex>(mutex_);
    }

    // Under the write-copy lock.
    std::unique_ptr<ProfileImage> image;  // null until the first copy
    std::vector<MacroRecord> macros;
    std::vector<uint8_t> strings;  // the packed string area

    void Release();

private:
    mutable std::recursive_mutex mutex_;
};

// Steps of MakeWriteCopy before the keyboard writer runs: takes both locks in
// order, releases the previous write copy, copies the working image with a
// header rebuilt from the working count and string total (flag 0), copies the
// macros and packs the strings (storing their offsets in the working image).
// Returns 1, or 0 when memory ran out (the write copy is then left released).
int BuildWriteCopy(WorkingProfile& working, WriteCopy& copy);

}  // namespace quovex
