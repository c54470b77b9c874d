// Draws every built-in template into a folder as <id>.bmp. Deterministic: the same program
// always writes the same bytes, which the tests compare against the committed files.
//
//   tolvarin_template_art OUTPUT_FOLDER
#include <cstdio>
#include <string>

#include "BmpFile.h"
#include "Templates.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    const std::string folder = argv[1];
    for (const TemplateArt& art : kTemplateArt) {
        const Canvas canvas = art.draw();
        const auto bytes = art.runLength ? EncodeBmpRle8(canvas) : EncodeBmp24(canvas);
        const std::string path = folder + "/" + std::to_string(art.id) + ".bmp";
        if (bytes.empty()) {
            std::fprintf(stderr, "%d: more than 256 colours for an 8-bit picture\n", art.id);
            return 1;
        }
        if (!WriteWholeFile(path, bytes)) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
