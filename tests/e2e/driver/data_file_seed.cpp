#include "data_file_seed.h"
#include "history/data_file_writer.h"
#include "user_data.h"
#include "win32/win32_text.h"

namespace qv::e2e {

std::string MakeDataFile(int version, int items) {
    std::string bytes;
    const platform::win32::Win32CodePage codePage;
    CDataFileWriter writer(bytes, codePage);
    writer.BeginList();
    for (int i = 0; i < items; ++i)
        writer.AddEntry("", "stored item " + std::to_string(i), "");
    writer.EndList();
    writer.BeginList();
    writer.EndList();
    bytes[0] = static_cast<char>(version);
    return bytes;
}

bool SeedDataFile(const std::string& bytes) {
    ResetUserData();
    return (CreateDirectoryA(DataFolder().c_str(), nullptr) || FileExists(DataFolder())) &&
           WriteWholeFile(DataFilePath(), bytes);
}

} // namespace qv::e2e
