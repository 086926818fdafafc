#include "app/data_folder.h"
#include "lists/data_file_store.h"
#include "resource.h"
#include "settings/settings_names.h"
#include <cstring>
#include <new>

namespace qv {

namespace {

void AppendBackslash(std::string& path) {
    if (!path.empty() && path.back() != '\\')
        path += '\\';
}

bool FindFolders(platform::IShellFolders& shell, std::string& folder, std::string& documents) {
    if (!shell.Load())
        return false;
    const bool hasFunction = shell.HasFolderFunction();
    std::string path;
    if (hasFunction && shell.GetFolderPath(kFolderAppData, path) && !path.empty()) {
        folder = path;
        AppendBackslash(folder);
        folder += kSettingsCompany;
        folder += '\\';
    }
    if (folder.empty())
        folder = kFallbackDataFolder;
    path.clear();
    if (hasFunction && shell.GetFolderPath(kFolderPersonal, path)) {
        documents = path;
        AppendBackslash(documents);
    }
    shell.Unload();
    return true;
}

// A network path (\\\\server\\share\\...) is created only one level below a folder that
// exists: the levels above belong to the share.
bool CreateLastLevel(platform::IFileSystem& files, const std::string& path) {
    if (path.compare(0, 2, "\\\\") != 0)
        return false;
    std::string folder = path;
    if (!folder.empty() && folder.back() == '\\')
        folder.pop_back();
    const std::size_t cut = folder.rfind('\\');
    if (cut == std::string::npos || cut == 0)
        return false;
    const std::string parent = folder.substr(0, cut + 1);
    return parent.size() > 3 && IsExistingFolder(files, parent.c_str(), true) &&
           files.CreateFolder(folder);
}

} // namespace

bool GetDataFolder(platform::IPlatform& platform, const ProgramTexts& texts, std::string& folder) {
    try {
        std::string documents;
        if (FindFolders(platform.ShellFolders(), folder, documents) &&
            EnsureFolderExists(platform.Files(), folder)) {
            if (!documents.empty()) {
                const std::string oldFile = DataFilePath(documents, texts.name);
                const std::string newFile = DataFilePath(folder, texts.name);
                if (FileExists(platform.Files(), oldFile) && !FileExists(platform.Files(), newFile))
                    platform.Files().CopyFile(oldFile, newFile, true); // a failed copy is no error
            }
            return true;
        }
        platform.MessageBox(platform.Strings().Load(IDS_CANNOT_INITIALIZE), texts.name,
                            platform::MsgButtons::Ok, platform::MsgIcon::Exclamation);
    } catch (const std::bad_alloc&) {
        platform.MessageBox(texts.outOfMemory, texts.name, platform::MsgButtons::Ok,
                            platform::MsgIcon::Stop);
    }
    return false;
}

bool EnsureFolderExists(platform::IFileSystem& files, std::string path) {
    // A folder that exists is accepted whatever its form: a per-user folder redirected to a
    // network share has no drive letter.
    if (path.size() > 3 && IsExistingFolder(files, path.c_str(), true))
        return true;
    if (path.size() < 3 || path[1] != ':')
        return CreateLastLevel(files, path);
    if (path.size() == 3)
        return true;
    if (path.size() >= 256)
        return false;
    if (IsExistingFolder(files, path.c_str(), true))
        return true;
    for (std::size_t pos = path.find('\\', 3); pos != std::string::npos;
         pos = path.find('\\', pos + 1)) {
        const std::string prefix = path.substr(0, pos);
        if (!IsExistingFolder(files, prefix.c_str(), true) && !files.CreateFolder(prefix))
            return false;
    }
    if (!IsExistingFolder(files, path.c_str(), true) && !files.CreateFolder(path))
        return false;
    return true;
}

bool IsExistingFolder(platform::IFileSystem& files, const char* path, bool missingIsFolder) {
    if (!path)
        return false;
    const std::size_t len = std::strlen(path);
    if (len == 3)
        return path[1] == ':' && path[2] == '\\';
    if (len < 4 || len > 259)
        return false;
    std::string p(path, len);
    if (p.back() == '\\')
        p.pop_back();
    bool isFolder = false;
    if (!files.GetAttributes(p, isFolder))
        return !missingIsFolder;
    return isFolder;
}

bool FileExists(platform::IFileSystem& files, const std::string& path) {
    return files.FindFirst(path);
}

} // namespace qv
