// Writes the sample collection that a first run of the program loads: make_sample OUT.btw
// The committed data/sample.btw is this program's output; its test keeps the two equal.
#include <cstdio>
#include <string>
#include <vector>

#include "brantlow/core/data_file.h"
#include "brantlow/core/file_system.h"
#include "brantlow/data/sample_collection.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_sample OUT.btw\n");
        return 2;
    }
    brantlow::StdFileSystem files;
    brantlow::FileError error;
    auto output = files.Create(argv[1], error);
    if (!output || !brantlow::WriteSampleCollection(*output)) {
        std::fprintf(stderr, "make_sample: cannot write %s: %s\n", argv[1], error.text.c_str());
        return 1;
    }
    return 0;
}
