#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "gfx/ImageError.h"
#include "skin/SkinImporter.h"
#include "skin/TbsCompressedStoredSkin.h"
#include "skin/TbsSkinData.h"
#include "skin/TbsStoredSkin.h"
#include "SkinTestSupport.h"

using namespace skin;
using skintest::MakeContainer;
using skintest::SolidBmp;

namespace {

const std::string kMinimalText =
    "[VERSION]\r\nskinname=Probe\r\n[PICTURES]\r\n[FORMINFO]\r\nclientrect=5,24,157,135\r\n"
    "[SKINOBJECTS]\r\ncount=1\r\n0=caption:caption\r\n[SKINCONTROLS]\r\ncount=1\r\n0=button:button\r\n";

std::unique_ptr<TbsCompressedStoredSkin> Compressed(const std::vector<uint8_t>& container) {
    auto stored = std::make_unique<TbsCompressedStoredSkin>();
    stored->SetCompressedData(DeflateSkin(container));
    return stored;
}

struct Loader {
    int owner = 0;
    skintest::RecordingSink sink;
    TbsSkinData data;
    Loader() {
        sink.owner = &owner;
        sink.forms = {&owner};
        data.SetNoticeSink(&sink);
    }
};

}  // namespace

TEST(SkinContainer, ThreeEmptyFlagsAndNoPicturesPutTheTextAtByte11) {
    std::vector<uint8_t> c = MakeContainer(1, {{}, {}, {}}, {}, kMinimalText);
    EXPECT_EQ(c[4], 1);
    EXPECT_EQ(c[5], 1);
    EXPECT_EQ(c[6], 1);
    EXPECT_EQ(c[7] | c[8] | c[9] | c[10], 0);  // count 0
    EXPECT_EQ(c[11], '[');

    Loader l;
    l.data.LoadCompressedSkin(*Compressed(c));
    EXPECT_FALSE(l.data.Empty());
    EXPECT_TRUE(l.data.Picture().IsEmpty());
    EXPECT_TRUE(l.data.Mask().IsEmpty());
    EXPECT_TRUE(l.data.ActivePictures().empty());
    EXPECT_EQ(l.data.VersionInfo().skinname, "Probe");
    EXPECT_EQ(l.data.FindObjectRecord("caption"), 0);
    EXPECT_EQ(l.data.FindControlRecord("button"), 0);
    EXPECT_EQ(l.sink.Messages(), (std::vector<unsigned>{WM_SKIN_CHANGING, WM_SKIN_CHANGED, WM_SKIN_REFIT}));
}

TEST(SkinContainer, PicturesLieBackToBackByTheirFileSize) {
    auto frame = SolidBmp(6, 4, 0x336699, 8);
    auto mask = SolidBmp(6, 4, clBlack, 1);
    auto extra1 = SolidBmp(3, 2, clWhite);
    auto extra2 = SolidBmp(5, 5, 0x123456, 8);
    std::vector<uint8_t> c = MakeContainer(1, {frame, {}, mask}, {extra1, extra2}, "[VERSION]");
    // The fields' offsets follow from the BMP sizes alone.
    const size_t inactiveFlag = 5 + frame.size();
    EXPECT_EQ(c[4], 0);
    EXPECT_EQ(c[inactiveFlag], 1);
    EXPECT_EQ(c[inactiveFlag + 1], 0);  // mask flag
    EXPECT_EQ(c[inactiveFlag + 2 + mask.size()], 2);  // count

    Loader l;
    l.data.LoadCompressedSkin(*Compressed(c));
    EXPECT_EQ(l.data.Picture().Width(), 6);
    EXPECT_EQ(l.data.Picture().Pixel(5, 3), 0x336699);
    EXPECT_TRUE(l.data.InactivePicture().IsEmpty());
    EXPECT_TRUE(l.data.Mask().IsBlack(0, 0));
    ASSERT_EQ(l.data.ActivePictures().size(), 2u);
    EXPECT_EQ(l.data.ActivePicture(1)->Pixel(4, 4), 0x123456);
    EXPECT_EQ(l.data.ActivePicture(2), nullptr);
    EXPECT_EQ(l.data.ActivePicture(-1), nullptr);
}

TEST(SkinContainer, NoTextGivesAllDefaultsAndALastLineWithoutEndCounts) {
    Loader l;
    l.data.LoadCompressedSkin(*Compressed(MakeContainer(1, {{}, {}, {}}, {}, "")));
    EXPECT_FALSE(l.data.Empty());
    EXPECT_TRUE(l.data.ObjectRecords().empty());
    EXPECT_TRUE(l.data.ControlRecords().empty());

    l.data.LoadCompressedSkin(
        *Compressed(MakeContainer(1, {{}, {}, {}}, {}, "[SKINCONTROLS]\r\ncount=1\r\n0=edit:edit")));
    EXPECT_EQ(l.data.FindControlRecord("edit"), 0);
}

TEST(SkinContainer, VersionTwoLeavesTheSkinEmptyAndStillCompletes) {
    Loader l;
    l.data.LoadCompressedSkin(*Compressed(MakeContainer(1, {{}, {}, {}}, {}, kMinimalText)));
    l.sink.sent.clear();
    l.data.LoadCompressedSkin(*Compressed(MakeContainer(2, {{}, {}, {}}, {}, kMinimalText)));
    EXPECT_TRUE(l.data.Empty());
    EXPECT_TRUE(l.data.ObjectRecords().empty());
    EXPECT_EQ(l.sink.Messages(), (std::vector<unsigned>{WM_SKIN_CHANGING, WM_SKIN_CHANGED, WM_SKIN_REFIT}));
}

TEST(SkinContainer, EmptyStoredSkinChangesNothing) {
    Loader l;
    l.data.LoadCompressedSkin(*Compressed(MakeContainer(1, {{}, {}, {}}, {}, kMinimalText)));
    l.sink.sent.clear();
    TbsCompressedStoredSkin empty;
    EXPECT_TRUE(empty.IsEmpty());
    l.data.LoadCompressedSkin(empty);
    EXPECT_FALSE(l.data.Empty());
    EXPECT_EQ(l.data.FindControlRecord("button"), 0);
    EXPECT_TRUE(l.sink.sent.empty());
}

TEST(SkinContainer, DamagedContainersFailWithTheSkinClearedAndNoCompletion) {
    auto good = DeflateSkin(MakeContainer(1, {SolidBmp(4, 4, clRed), {}, {}}, {}, kMinimalText));
    auto corrupt = good;
    corrupt[corrupt.size() / 2] ^= 0x55;
    auto truncatedStream = std::vector<uint8_t>(good.begin(), good.begin() + long(good.size() / 2));
    auto badBmp = MakeContainer(1, {{}, {}, {}}, {std::vector<uint8_t>(60, 'x')}, "");
    auto shortContainer = MakeContainer(1, {SolidBmp(4, 4, clRed)}, {}, "");
    shortContainer.resize(shortContainer.size() - 4);  // ends inside the flags

    struct Case {
        const char* name;
        std::vector<uint8_t> compressed;
        const char* message;
    };
    for (const Case& c : {Case{"corrupt", corrupt, "compression error"},
                          Case{"truncated stream", truncatedStream, "compression error"},
                          Case{"bad bmp", DeflateSkin(badBmp), nullptr},
                          Case{"short container", DeflateSkin(shortContainer), "Stream-Lesefehler"},
                          Case{"empty container", DeflateSkin({}), "Stream-Lesefehler"}}) {
        Loader l;
        TbsCompressedStoredSkin stored;
        stored.SetCompressedData(c.compressed);
        try {
            l.data.LoadCompressedSkin(stored);
            ADD_FAILURE() << c.name << " loaded";
        } catch (const std::exception& e) {
            if (c.message) EXPECT_STREQ(e.what(), c.message) << c.name;
            else EXPECT_TRUE(dynamic_cast<const gfx::ImageError*>(&e)) << c.name;
        }
        EXPECT_TRUE(l.data.Empty()) << c.name;
        EXPECT_TRUE(l.data.Picture().IsEmpty()) << c.name;
        EXPECT_EQ(l.sink.Messages(), std::vector<unsigned>{WM_SKIN_CHANGING}) << c.name;
    }
}

TEST(StoredSkin, MissingSectionStopsWithAnEmptySkin) {
    Loader l;
    TbsStoredSkin stored;
    stored.SetIniStrings({"[VERSION]", "[PICTURES]", "[FORMINFO]", "[SKINOBJECTS]"});
    l.data.SetStoredSkin(&stored);
    EXPECT_TRUE(l.data.Empty());
    EXPECT_EQ(l.sink.Messages(), (std::vector<unsigned>{WM_SKIN_CHANGING, WM_SKIN_CHANGED, WM_SKIN_REFIT}));

    stored.SetIniStrings(SplitLines(kMinimalText));
    stored.Pictures().activepictures.emplace_back(3, 3);
    l.data.SetStoredSkin(&stored);
    EXPECT_FALSE(l.data.Empty());
    EXPECT_EQ(l.data.ActivePictures().size(), 1u);
    EXPECT_EQ(l.data.FormInfo().clientrect, TRect(5, 24, 157, 135));
}

TEST(StoredSkin, PicturesDataRoundTripsAndDestructionDropsTheReference) {
    TbsSkinData data;
    {
        TbsStoredSkin stored;
        stored.Pictures().picture = gfx::Bitmap(7, 3);
        stored.Pictures().picture.SetPixel(6, 2, clRed);
        stored.Pictures().activepictures.emplace_back(2, 2);
        TbsStoredSkin copy;
        copy.SetPicturesData(stored.PicturesData());
        EXPECT_EQ(copy.Pictures().picture.Pixel(6, 2), clRed);
        EXPECT_EQ(copy.Pictures().activepictures.size(), 1u);
        EXPECT_TRUE(copy.Pictures().mask.IsEmpty());

        stored.SetIniStrings(SplitLines(kMinimalText));
        data.SetStoredSkin(&stored);
        EXPECT_EQ(data.StoredSkin(), &stored);
    }
    EXPECT_EQ(data.StoredSkin(), nullptr);
    EXPECT_FALSE(data.Empty());  // the loaded skin stays
    EXPECT_EQ(data.Picture().Pixel(6, 2), clRed);
}

class SkinImport : public ::testing::Test {
protected:
    std::filesystem::path dir = std::filesystem::temp_directory_path() /
                                ("velmora_skin_import_" + std::to_string(::getpid()));
    void SetUp() override { std::filesystem::create_directories(dir); }
    void TearDown() override { std::filesystem::remove_all(dir); }
    void Write(const std::string& name, const std::vector<uint8_t>& bytes) {
        std::ofstream(dir / name, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    }
    void Write(const std::string& name, const std::string& text) {
        Write(name, std::vector<uint8_t>(text.begin(), text.end()));
    }
};

TEST_F(SkinImport, PacksPicturesAndLinesAtLevelNine) {
    auto frame = SolidBmp(8, 6, 0x808080, 8);
    Write("frame.bmp", frame);
    Write("a.bmp", SolidBmp(3, 3, clWhite, 8));
    Write("b.bmp", SolidBmp(2, 2, clBlack, 1));
    // LF-only lines and no final line end: the container gets CR LF after every line.
    Write("skin.ini",
          "[VERSION]\nskinname=T\n[PICTURES]\npicture=frame.bmp\ninactivepicture=\nmask=\n"
          "activepicturescount=2\n0=a.bmp\n1=b.bmp\n[FORMINFO]\n[SKINOBJECTS]\n[SKINCONTROLS]");
    TbsCompressedStoredSkin stored;
    ASSERT_TRUE(stored.ImportFile((dir / "skin.ini").string()));
    EXPECT_EQ(stored.FileName(), "skin.ini");
    ASSERT_GE(stored.CompressedData().size(), 2u);
    EXPECT_EQ(stored.CompressedData()[0], 0x78);
    EXPECT_EQ(stored.CompressedData()[1], 0xDA);

    std::vector<uint8_t> c = stored.Unpack();
    EXPECT_EQ(c[0], 1);
    EXPECT_EQ(c[4], 0);
    EXPECT_TRUE(std::equal(frame.begin(), frame.end(), c.begin() + 5));
    EXPECT_EQ(c[5 + frame.size()], 1);      // no inactive picture
    EXPECT_EQ(c[5 + frame.size() + 1], 1);  // no mask
    EXPECT_EQ(c[5 + frame.size() + 2], 2);  // count
    std::string tail(c.end() - 18, c.end());
    EXPECT_EQ(tail, "\r\n[SKINCONTROLS]\r\n");

    Loader l;
    l.data.LoadCompressedSkin(stored);
    ASSERT_EQ(l.data.ActivePictures().size(), 2u);
    EXPECT_TRUE(l.data.ActivePicture(1)->IsBlack(1, 1));
    EXPECT_EQ(l.data.VersionInfo().skinname, "T");
}

TEST_F(SkinImport, FailuresKeepTheOldContainer) {
    Write("ok.ini", "[VERSION]\n[PICTURES]\n[FORMINFO]\n[SKINOBJECTS]\n[SKINCONTROLS]\n");
    TbsCompressedStoredSkin stored;
    ASSERT_TRUE(stored.ImportFile((dir / "ok.ini").string()));
    const std::vector<uint8_t> before(stored.CompressedData().begin(), stored.CompressedData().end());

    Write("nosection.ini", "[VERSION]\n[PICTURES]\n[FORMINFO]\n[SKINOBJECTS]\n");
    EXPECT_FALSE(stored.ImportFile((dir / "nosection.ini").string()));
    Write("nofile.ini", "[VERSION]\n[PICTURES]\npicture=missing.bmp\n[FORMINFO]\n[SKINOBJECTS]\n[SKINCONTROLS]\n");
    EXPECT_THROW(stored.ImportFile((dir / "nofile.ini").string()), gfx::ImageFileError);
    Write("junk.bmp", std::string("BM not a picture at all, really not"));
    Write("junk.ini", "[VERSION]\n[PICTURES]\nactivepicturescount=1\n0=junk.bmp\n[FORMINFO]\n[SKINOBJECTS]\n[SKINCONTROLS]\n");
    EXPECT_THROW(stored.ImportFile((dir / "junk.ini").string()), gfx::ImageError);

    EXPECT_EQ(std::vector<uint8_t>(stored.CompressedData().begin(), stored.CompressedData().end()), before);
    EXPECT_EQ(stored.FileName(), "ok.ini");
}

TEST(SkinContainer, InflatingRestoresDataFarLargerThanItsPackedForm) {
    // A thousand-fold packing makes the unpacked result grow many times over.
    std::vector<uint8_t> data(3 << 20, 0);
    for (size_t i = 0; i < data.size(); i += 4099) data[i] = static_cast<uint8_t>(i / 4099);
    const auto packed = DeflateSkin(data);
    ASSERT_LT(packed.size() * 100, data.size());
    EXPECT_EQ(InflateSkin(packed), data);
    EXPECT_TRUE(InflateSkin(DeflateSkin({})).empty());
}
