#include "driver/recorder.h"
#include "driver/program.h"
#include "driver/user_data.h"
#include "win32/win32_handles.h"

namespace qv::e2e {

namespace {

bool SetDefaultValue(const std::string& key, const std::string& value) {
    HKEY created = nullptr;
    if (RegCreateKeyExA(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                        &created, nullptr) != ERROR_SUCCESS)
        return false;
    const platform::win32::UniqueKey owned(created);
    return RegSetValueExA(created, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                          static_cast<DWORD>(value.size() + 1)) == ERROR_SUCCESS;
}

} // namespace

std::string RecorderPath() {
    return Options().recorder.empty() ? std::string() : WindowsPath(Options().recorder);
}

std::string RecorderOutput() {
    const std::string recorder = RecorderPath();
    return recorder.empty() ? std::string()
                            : recorder.substr(0, recorder.find_last_of('\\') + 1) + "opened.txt";
}

bool RegisterRecorder(const std::string& classKey) {
    const std::string recorder = RecorderPath();
    return !recorder.empty() &&
           SetDefaultValue(classKey + "\\shell\\open\\command", "\"" + recorder + "\" \"%1\"");
}

bool RegisterFileType(const std::string& extension, const std::string& classKey) {
    return SetDefaultValue(extension, classKey);
}

bool ClearRecord() {
    DeleteFileA(RecorderOutput().c_str());
    return !FileExists(RecorderOutput());
}

std::string Recorded() {
    std::string contents;
    return ReadWholeFile(RecorderOutput(), contents) ? contents : std::string();
}

} // namespace qv::e2e
