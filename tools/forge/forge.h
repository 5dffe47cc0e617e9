// Running the forge: make every manifest entry on all cores, check it, write it.
#pragma once

#include <string>
#include <vector>

#include "asset.h"
#include "checks.h"
#include "encoders.h"
#include "picture.h"

namespace forge {

struct Product {
    const Asset* asset = nullptr;
    Picture picture;  // pictures only
    Bytes bytes;      // the file's contents
    Faults faults;
    double seconds = 0;  // time spent making it
};

// Draws or synthesises one entry, checks it and encodes it.
Product Make(const Asset& asset);

struct Options {
    std::string outDir;        // empty: write no game files (only a contact sheet, if asked)
    int threads = 0;           // 0: every core
    std::string only;          // make only paths containing this text
    std::string contactSheet;  // also write this PNG of every picture
    bool verbose = false;
};

// Returns the process exit status: 0 when every file was made, passed its checks and was written.
int RunForge(const Options& options);

// The manifest as a table, one line per file: path, format, size, cells, key, family, seed, note.
std::string ManifestTable();

// One labelled picture of every picture product, for review.
Picture ContactSheet(const std::vector<const Product*>& pictures);

}  // namespace forge
