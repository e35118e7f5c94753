// Profile files: creating, checking, loading and saving the profile image
// layout of profile_image.h (the working file and the .qvx files).
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "app/prompter.h"
#include "app/text_table.h"
#include "model/working_profile.h"

namespace quovex {

// Results of ValidateImageFile.
inline constexpr int kImageValid = 1;
inline constexpr int kImageInvalid = 0;  // missing, too small, larger than 4 GiB, or a bad header
inline constexpr int kImageCannotOpen = -2;
inline constexpr int kImageOutOfMemory = -3;

enum class ImageHeaderFault {
    kNone,
    kMagic,
    kHeaderSize,
    kFormatKind,
    kFormatVersion,
    kTotalSizeTooSmall,
    kEntryCount,
    kTooManyMacros,
    kFlag,
    kTotalSizeMismatch,
    kChecksum,
};

// The header checks in their order; the first failing one is reported.
// The file's real size is not compared with total_size here.
ImageHeaderFault CheckImageHeader(const ImageHeader& header);

// 1 when the file's header passes; 0 without a message for a missing file or
// one below 32832 bytes or above 4 GiB; 0 with the PROFILE_FORMAT_ERROR
// message (the path in place of %s) for a bad header; -2 when it cannot be
// opened for reading.
int ValidateImageFile(const std::filesystem::path& path, Prompter& prompter, const TextTable& texts);

// Builds working-profile contents from the bytes of a profile file. Reads
// only inside the bytes: fails (nullopt, with a reason in `error`) when they
// are shorter than the header's total_size or than the image, macros and
// string area it announces, when it announces more than 100 macros, or when a
// string starts in the string area but has no NUL before its end. A program
// or text entry whose offset lies at or past the end of the string area has
// no string (the program keeps such entries itself: a program key whose path
// was released keeps its type) and loads with an empty slot. Macro records are
// brought within their limits (NormaliseMacroRecord).
std::optional<ProfileContents> ParseImageBytes(std::span<const uint8_t> bytes, std::string* error = nullptr);

// Loads a profile file into the working profile: 1 on success, 0 otherwise.
// The file is read into new storage; the working profile is replaced only when
// the whole load succeeded, so a failed load leaves it as it was.
int LoadImageFile(WorkingProfile& working, const std::filesystem::path& path, std::string* error = nullptr);

// The file bytes of the working profile: rebuilds the working image's header
// from the macro count and string total (flag 0), packs the strings (storing
// their offsets in the working entries), then image, macros and string area.
std::vector<uint8_t> SerializeWorkingProfile(WorkingProfile& working);

// Saves the working profile atomically (temporary file, flush, rename): 1 when
// written, 0 otherwise; a failed save leaves the old file as it was.
int SaveWorkingProfile(WorkingProfile& working, const std::filesystem::path& path,
                       std::string* error = nullptr);

// Writes a 32832-byte default image file atomically: 1 on success, 0 on failure.
int CreateDefaultImage(const std::filesystem::path& path, uint8_t flag);
// Makes the working profile a default image in memory with no macros and no strings.
int CreateDefaultImage(WorkingProfile& working, uint8_t flag);

}  // namespace quovex
