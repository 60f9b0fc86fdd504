// Velmora's entry point. `velmora --list-drives` prints the drives Velmora sees;
// `velmora --write-icon FILE` writes the program's icon as a 256 x 256 PNG (for the
// desktop entry the install script makes).

#include <malloc.h>

#include <cstdio>
#include <cstring>
#include <exception>
#include <iostream>

#include "app/AppIcon.h"
#include "app/VelmoraApplication.h"
#include "drive/ListDrives.h"
#include "wm/WindowSystem.h"
#include "wm/x11/X11Display.h"

int main(int argc, char** argv) {
    // Pictures of a window's size are made and dropped on every paint. Kept in the heap
    // once freed, their memory is reused without the page faults that fresh memory from
    // the system costs on each paint (more than the painting itself on a virtual machine).
    mallopt(M_MMAP_THRESHOLD, 64 << 20);
    mallopt(M_TRIM_THRESHOLD, 128 << 20);
    if (argc > 1 && std::strcmp(argv[1], "--list-drives") == 0) return drive::ListDrives(std::cout);
    if (argc == 3 && std::strcmp(argv[1], "--write-icon") == 0) {
        try {
            app::WriteAppIconPng(argv[2], 256);
            return 0;
        } catch (const std::exception& error) {
            std::fprintf(stderr, "Velmora: %s\n", error.what());
            return 1;
        }
    }
    if (argc > 1) {
        std::fprintf(stderr, "Aufruf: velmora [--list-drives | --write-icon DATEI]\n");
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
