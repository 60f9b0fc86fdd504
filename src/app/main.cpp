// Velmora's entry point. Until the window system and the forms are in place, it shows
// a picture drawn by the graphics core: the root file system's used and free space as a
// pie with its captions. `velmora --list-drives` prints the drives Velmora sees.

#include <cstdio>
#include <cstring>
#include <iostream>

#include "app/CorePreview.h"
#include "app/PreviewWindow.h"
#include "drive/ListDrives.h"

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "--list-drives") == 0) return drive::ListDrives(std::cout);
    if (argc > 1) {
        std::fprintf(stderr, "Aufruf: velmora [--list-drives]\n");
        return 2;
    }
    gfx::Bitmap picture = app::RenderCorePreview(640, 480);
    if (!app::ShowPreviewWindow("Velmora", picture)) {
        std::fprintf(stderr, "Velmora: keine Verbindung zur Anzeige (DISPLAY nicht gesetzt?)\n");
        return 1;
    }
    return 0;
}
