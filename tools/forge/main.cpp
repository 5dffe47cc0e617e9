// skyrift-forge: makes every picture, sound and music file of Skyrift.
//   skyrift-forge [--out DIR] [--threads N] [--only TEXT] [--contact-sheet FILE.png] [--verbose] [--list]
//   skyrift-forge --icons DIR
//   skyrift-forge --windows-icon FILE.ico
// --out DIR writes the game's files under DIR (the build passes the game folder); without it
// the forge still makes and checks everything, and writes only the contact sheet if asked.
// --icons DIR writes only the desktop icons, into the icon theme folder DIR (DIR/48x48/apps/...).
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "families.h"
#include "forge.h"

int main(int argc, char** argv) {
    forge::Options options;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        auto value = [&](const char* name) -> std::string {
            if (i + 1 >= argc) {
                std::fprintf(stderr, "skyrift-forge: %s needs a value\n", name);
                std::exit(2);
            }
            return argv[++i];
        };
        if (arg == "--out")
            options.outDir = value("--out");
        else if (arg == "--threads")
            options.threads = std::atoi(value("--threads").c_str());
        else if (arg == "--only")
            options.only = value("--only");
        else if (arg == "--contact-sheet")
            options.contactSheet = value("--contact-sheet");
        else if (arg == "--verbose")
            options.verbose = true;
        else if (arg == "--icons")
            return forge::WriteIcons(value("--icons"));
        else if (arg == "--windows-icon")
            return forge::WriteWindowsIcon(value("--windows-icon"));
        else if (arg == "--list") {
            std::fputs(forge::ManifestTable().c_str(), stdout);
            return 0;
        } else {
            std::fprintf(stderr,
                         "usage: skyrift-forge [--out DIR] [--threads N] [--only TEXT] [--contact-sheet FILE.png] "
                         "[--verbose] [--list]\n       skyrift-forge --icons DIR\n"
                         "       skyrift-forge --windows-icon FILE.ico\n");
            return 2;
        }
    }
    if (options.outDir.empty() && options.contactSheet.empty()) options.outDir = std::string(1, '.');
    return forge::RunForge(options);
}
