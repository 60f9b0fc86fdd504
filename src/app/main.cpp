// Velmora's entry point. `velmora --list-drives` prints the drives Velmora sees.

#include <cstdio>
#include <cstring>
#include <iostream>

#include "app/VelmoraApplication.h"
#include "drive/ListDrives.h"
#include "wm/WindowSystem.h"
#include "wm/x11/X11Display.h"

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "--list-drives") == 0) return drive::ListDrives(std::cout);
    if (argc > 1) {
        std::fprintf(stderr, "Aufruf: velmora [--list-drives]\n");
        return 2;
    }
    auto display = wm::x11::X11Display::Open();
    if (!display) {
        std::fprintf(stderr, "Velmora: keine Verbindung zur Anzeige (DISPLAY nicht gesetzt?)\n");
        return 1;
    }
    int exitCode;
    {
        wm::WindowSystem system(*display);
        exitCode = app::RunVelmora();
    }
    return exitCode;
}
