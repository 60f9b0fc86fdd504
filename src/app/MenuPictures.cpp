#include "app/MenuPictures.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace app {
namespace {

// The pictures as 16 rows of 16 characters each; '.' is transparent, every other
// character a colour of the palette below.
struct PaletteEntry {
    char key;
    TColor color;
};
constexpr PaletteEntry kPalette[] = {
    {'k', 0x000000},
    {'G', 0x606060},
    {'g', 0xA0A0A0},
    {'h', 0xD4D4D4},
    {'w', 0xFFFFFF},
    {'B', 0x803410},
    {'b', 0xC86428},
    {'l', 0xF0B98C},
    {'c', 0xFCE6D2},
    {'R', 0x141496},
    {'r', 0x2832DC},
    {'p', 0x8296FA},
    {'E', 0x1E6E14},
    {'e', 0x3CAA3C},
    {'f', 0x8CDC96},
    {'Y', 0x146496},
    {'y', 0x3CC8F0},
    {'z', 0xAAF0FF},
};

using Picture = std::array<std::string_view, 16>;
constexpr Picture kPictures[kMenuPictureCount] = {
    // 0: refresh
    Picture{
        "................",
        "......EEEEE.....",
        "....EEeeeeeEE.E.",
        "...EeffeeeeffEE.",
        "..Eef......EeeE.",
        "..Ee......EeeeE.",
        ".Eef.....EEEEEE.",
        ".Ee.............",
        ".............eE.",
        ".EEEEEE.....feE.",
        ".EeeeE......eE..",
        ".EeeE......feE..",
        ".EEffeeeeffeE...",
        ".E.EEeeeeeEE....",
        ".....EEEEE......",
        "................",
    },
    // 1: save
    Picture{
        "................",
        ".BBBBBBBBBBBBBB.",
        ".Bbbwwwwwwwwbbk.",
        ".Bbbwwwwwwwwbbk.",
        ".Bbbwgggggwwbbk.",
        ".Bbbwwwwwwwwbbk.",
        ".Bbbwgggggwwbbk.",
        ".Bbbwwwwwwwwbbk.",
        ".Bbbbbbbbbbbbbk.",
        ".Bbbbbbbbbbbbbk.",
        ".Bbbhhhhhhhhbbk.",
        ".BbbhhhhGGhhbbk.",
        ".BbbhhhhGGhhbbk.",
        ".BbbhhhhGGhhbbk.",
        "..kkkkkkkkkkkkk.",
        "................",
    },
    // 2: print
    Picture{
        "................",
        "....kkkkkkkk....",
        "....kwwwwwwk....",
        "....kwggggwk....",
        "....kwwwwwwk....",
        "..GGkwggggwkGG..",
        ".GhhhhhhhhhhhhG.",
        ".GwwwwwwwwwwwwG.",
        ".GhhhhhhhhheehG.",
        ".GhhhhhhhhhhhhG.",
        ".GggggggggggggG.",
        ".GGkwwwwwwwwkGG.",
        "...kwggggggwk...",
        "...kwwwwwwwwk...",
        "...kkkkkkkkkk...",
        "................",
    },
    // 3: clipboard
    Picture{
        "................",
        "......kkkk......",
        "..YYYYkhhkYYYY..",
        ".YyyykhhhhkyyyY.",
        ".YyykkkkkkkkyyY.",
        ".YyykwwwwwwkyyY.",
        ".YyykwggggwkyyY.",
        ".YyykwwwwwwkyyY.",
        ".YyykwgggwwkyyY.",
        ".YyykwwwwwwkyyY.",
        ".YyykwggggwkyyY.",
        ".YyykwwwwwwkyyY.",
        ".YyykkkkkkkkyyY.",
        ".YyyyyyyyyyyyyY.",
        "..YYYYYYYYYYYY..",
        "................",
    },
    // 4: quit
    Picture{
        "................",
        ".......RR.......",
        "...RR..rr..RR...",
        "..Rrr..rr..rrR..",
        ".Rrr...rr...rrR.",
        ".Rr....rr....rR.",
        "Rrr....rr....rrR",
        "Rr.....rr.....rR",
        "Rr.....RR.....rR",
        "Rr............rR",
        "Rrr..........rrR",
        ".Rr..........rR.",
        ".Rrrr......rrrR.",
        "..RRrrrrrrrrRR..",
        "....RRRRRRRR....",
        "................",
    },
    // 5: folder (spare)
    Picture{
        "................",
        "................",
        ".YYYYY..........",
        "YzzzzzY.........",
        "YzyyyyzYYYYYYY..",
        "YzyyyyyyyyyyyyY.",
        "YzYYYYYYYYYYYYYY",
        "YzyzzzzzzzzzzzyY",
        "YzyzyyyyyyyyyyyY",
        "YyzyyyyyyyyyyyYY",
        "YyzyyyyyyyyyyyY.",
        "YzyyyyyyyyyyyYY.",
        "YyyyyyyyyyyyyY..",
        "YYYYYYYYYYYYYY..",
        "................",
        "................",
    },
    // 6: magnifier (spare)
    Picture{
        "................",
        "....GGGGG.......",
        "...GhccccG......",
        "..GhccwccccG....",
        ".GcwwccccccG....",
        ".Gcwccccccccg...",
        ".Gcccccccccg....",
        ".GccccccccG.....",
        "..GccccccG......",
        "...GGGGGGkk.....",
        ".........kkk....",
        "..........kkk...",
        "...........kkk..",
        "............kkk.",
        ".............kk.",
        "................",
    },
    // 7: help
    Picture{
        "................",
        ".....BBBBBB.....",
        "...BBbbbbbbBB...",
        "..BbbbwwwwbbbB..",
        "..BbbwwbbwwbbB..",
        ".BbbbbbbbwwbbbB.",
        ".Bbbbbbbbwwbbbb.",
        ".BbbbbbbwwbbbbB.",
        ".BbbbbbwwbbbbbB.",
        ".BbbbbbwwbbbbbB.",
        ".BbbbbbbbbbbbbB.",
        "..BbbbbwwbbbbB..",
        "..BBbbbwwbbbBB..",
        "...BBBbbbbBBB...",
        ".....BBBBBB.....",
        "................",
    },
    // 8: about
    Picture{
        "................",
        ".....BBBBBB.....",
        "...BBbbbbbbBB...",
        "..BbbbbwwbbbbB..",
        "..BbbbbwwbbbbB..",
        ".BbbbbbbbbbbbbB.",
        ".BbbbbwwwbbbbbB.",
        ".BbbbbbwwbbbbbB.",
        ".BbbbbbwwbbbbbB.",
        ".BbbbbbwwbbbbbB.",
        ".BbbbbbwwbbbbbB.",
        "..BbbbwwwwbbbB..",
        "..BBbbbbbbbbBB..",
        "...BBBbbbbBBB...",
        ".....BBBBBB.....",
        "................",
    },
    // 9: chart options
    Picture{
        "................",
        ".....BBBB.......",
        "...BBbbbbB..RR..",
        "..BbbbbbbB.RrrR.",
        ".BbbbbbbbB.RrrrR",
        ".BbbbbbbbB.RrrrR",
        "BbbbbbbbbB.RRRRR",
        "BbbbbbbbbBBBBBB.",
        "BbbbbbbbbbbbbbB.",
        "BbbbbbbbbbbbbbB.",
        ".BbbbbbbbbbbbB..",
        ".BbbbbbbbbbbbB..",
        "..BbbbbbbbbbB...",
        "...BBbbbbbBB....",
        ".....BBBBB......",
        "................",
    },
    // 10: drive (spare)
    Picture{
        "................",
        "................",
        "................",
        "................",
        "..GGGGGGGGGGGG..",
        ".GhhhhhhhhhhhhG.",
        ".GwwwwwwwwwwwhG.",
        ".GhhhhhhhhhhhhG.",
        "GGGGGGGGGGGGGGGG",
        "GhhhhhhhhhhhhhhG",
        "GhhhhhhhhhheehhG",
        "GhhhhhhhhhhhhhhG",
        "GggggggggggggggG",
        ".GGGGGGGGGGGGGG.",
        "................",
        "................",
    },
};

TColor ColorOf(char key) {
    for (const PaletteEntry& entry : kPalette)
        if (entry.key == key) return entry.color;
    return kTransparent;
}

}  // namespace

gfx::Bitmap MenuPictureStrip() {
    gfx::Bitmap strip(16 * kMenuPictureCount, 16);
    for (int index = 0; index < kMenuPictureCount; ++index)
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                strip.SetPixel(index * 16 + x, y, ColorOf(kPictures[index][y][x]));
    return strip;
}

}  // namespace app
