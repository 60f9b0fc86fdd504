// chromegen: draws the Chrome skin's pictures and writes its description into a folder
// (assets/skin/chrome), or, with --faces, renders the sheet of every record's faces from a
// skin description file into a PNG.
//
//   chromegen <folder>
//   chromegen --faces <skin.ini> <sheet.png>

#include <cstdio>
#include <exception>
#include <string>

#include "ChromeDescription.h"
#include "ChromePaint.h"
#include "ChromePictures.h"
#include "FacesSheet.h"
#include "base/Encoding.h"
#include "gfx/ImageFile.h"
#include "gfx/PngCodec.h"
#include "skin/TbsSkinData.h"
#include "skin/TbsStoredSkin.h"

namespace {

void WriteSkin(const std::string& dir) {
    using namespace chromegen;
    SaveBmp(DrawFramePicture(), dir + "/frame.bmp");
    SaveBmp(DrawFrameMask(), dir + "/mask.bmp", 1);
    SaveBmp(DrawFrameButtons(), dir + "/framebuttons.bmp");
    SaveBmp(DrawMaxButton(), dir + "/maxbutton.bmp");
    SaveBmp(DrawPopupWindow(), dir + "/popup.bmp");
    SaveBmp(DrawMenuPicture(), dir + "/menu.bmp");
    SaveBmp(DrawControlsPicture(), dir + "/controls.bmp");
    std::string text;
    for (const std::string& line : ChromeDescription()) text += line + "\r\n";
    gfx::WriteImageFile(dir + "/skin.ini", {reinterpret_cast<const uint8_t*>(text.data()), text.size()});
}

void WriteFaces(const std::string& ini, const std::string& png) {
    skin::TbsStoredSkin stored;
    stored.ImportFile(ini);
    skin::TbsSkinData data;
    data.SetStoredSkin(&stored);
    if (data.Empty()) throw std::runtime_error("the skin did not load");
    gfx::WriteImageFile(png, gfx::EncodePng(chromegen::RenderFacesSheet(data)));
}

}  // namespace

int main(int argc, char** argv) {
    try {
        if (argc == 2) {
            WriteSkin(argv[1]);
            return 0;
        }
        if (argc == 4 && std::string(argv[1]) == "--faces") {
            WriteFaces(argv[2], argv[3]);
            return 0;
        }
        std::fprintf(stderr, "usage: chromegen <folder> | chromegen --faces <skin.ini> <sheet.png>\n");
        return 2;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "chromegen: %s\n", e.what());
        return 1;
    }
}
