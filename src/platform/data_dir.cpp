#include "platform/data_dir.h"

#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#ifndef SKYRIFT_DATA_DIR
#define SKYRIFT_DATA_DIR "/usr/local/share/skyrift"
#endif

namespace platform {

bool HasGameData(const std::string& folder) {
    struct stat info;
    std::string images = folder + "/Images";
    return stat(images.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

std::vector<std::string> DataFolderCandidates() {
    std::vector<std::string> folders;
    char buffer[PATH_MAX];
    if (getcwd(buffer, sizeof buffer)) folders.push_back(buffer);
    else folders.push_back(".");
    ssize_t length = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (length > 0) {
        std::string exe(buffer, static_cast<size_t>(length));
        size_t slash = exe.rfind('/');
        if (slash != std::string::npos) {
            const std::string dir = slash == 0 ? "/" : exe.substr(0, slash);
            folders.push_back(dir);
            // <prefix>/bin/skyrift finds <prefix>/share/skyrift wherever the prefix ends up
            // (cmake --install --prefix), and /usr/games/skyrift its /usr/share/games/skyrift
            // (the package, also unpacked into another root).
            folders.push_back(dir + "/../share/skyrift");
            folders.push_back(dir + "/../share/games/skyrift");
        }
    }
    folders.push_back(SKYRIFT_DATA_DIR);
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
