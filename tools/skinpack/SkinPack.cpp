// skinpack <skin.ini> <out>: packs a skin into the compressed container that Velmora
// embeds (version 1, the flagged pictures, the further pictures, the description; zlib
// level 9). Fails when a required section or a picture is missing.

#include <cstdio>
#include <exception>

#include "gfx/ImageFile.h"
#include "skin/SkinImporter.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: skinpack <skin.ini> <container>\n");
        return 2;
    }
    try {
        auto packed = skin::ImportCompressedSkin(argv[1]);
        if (!packed) {
            std::fprintf(stderr, "skinpack: %s lacks a required section\n", argv[1]);
            return 1;
        }
        gfx::WriteImageFile(argv[2], *packed);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "skinpack: %s\n", e.what());
        return 1;
    }
    return 0;
}
