// Helpers shared by the virtual keyboard's and the library's tests.
#pragma once

#include <stdlib.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "sim/command_report.h"

namespace quovex::sim::testing {

// A command report as the program builds it: report id 0x04, the fields, the data from byte 8, the checksum
// last.
inline ReportBytes MakeRequest(uint8_t code, uint8_t length = 0, uint16_t address = 0,
                               const std::vector<uint8_t>& data = {}) {
    CommandReport report{};
    report.report_id = kCommandReportId;
    report.code = code;
    report.length = length;
    report.address[0] = address & 0xFF;
    report.address[1] = address >> 8;
    std::copy(data.begin(), data.end(), report.data);
    report.Seal();
    return report.Bytes();
}

// A folder of its own under the temporary folder, removed with everything in it.
class TemporaryFolder {
public:
    TemporaryFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "quovex-test-XXXXXX").string();
        path_ = mkdtemp(pattern.data());
    }
    ~TemporaryFolder() { std::filesystem::remove_all(path_); }
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;
    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_;
};

inline std::string ReadText(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

}  // namespace quovex::sim::testing
