#include "platform/data_dir.h"

#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>
#ifdef _WIN32
#include <windows.h>
#endif

#ifndef SKYRIFT_DATA_DIR
#define SKYRIFT_DATA_DIR "/usr/local/share/skyrift"
#endif

namespace platform {
namespace {

// The full path of the running executable; empty when the system does not say.
std::string ExecutablePath() {
    char buffer[PATH_MAX];
#ifdef _WIN32
    const DWORD length = GetModuleFileNameA(nullptr, buffer, sizeof buffer);
    if (length == 0 || length >= sizeof buffer) return std::string();  // a cut path is no path
#else
    const ssize_t length = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (length <= 0) return std::string();
#endif
    return std::string(buffer, static_cast<size_t>(length));
}

}  // namespace

bool HasGameData(const std::string& folder) {
    struct stat info;
    std::string images = folder + "/Images";
    return stat(images.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

std::vector<std::string> DataFolderCandidates() {
    std::vector<std::string> folders;
    char buffer[PATH_MAX];
    if (getcwd(buffer, sizeof buffer))
        folders.push_back(buffer);
    else
        folders.push_back(".");
    const std::string exe = ExecutablePath();
#ifdef _WIN32
    // The zip and the installer keep the data beside skyrift.exe; there is no share/ folder.
    const size_t slash = exe.find_last_of("\\/");
    if (slash != std::string::npos) {
        std::string dir = exe.substr(0, slash);
        if (!dir.empty() && dir.back() == ':') dir += '\\';  // the root of a drive
        folders.push_back(dir);
    }
#else
    const size_t slash = exe.rfind('/');
    if (slash != std::string::npos) {
        const std::string dir = slash == 0 ? "/" : exe.substr(0, slash);
        folders.push_back(dir);
        // <prefix>/bin/skyrift finds <prefix>/share/skyrift wherever the prefix ends up
        // (cmake --install --prefix), and /usr/games/skyrift its /usr/share/games/skyrift
        // (the package, also unpacked into another root).
        folders.push_back(dir + "/../share/skyrift");
        folders.push_back(dir + "/../share/games/skyrift");
    }
    folders.push_back(SKYRIFT_DATA_DIR);
#endif
    return folders;
}

bool EnterDataFolder(std::vector<std::string>* tried) {
    for (const std::string& folder : DataFolderCandidates()) {
        if (tried) tried->push_back(folder);
        if (HasGameData(folder)) return chdir(folder.c_str()) == 0;
    }
    return false;
}

}  // namespace platform
