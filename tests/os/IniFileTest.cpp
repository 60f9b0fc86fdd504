// The settings file: number rules, case-insensitive names, edits that keep the rest of the
// file, Windows-1252 bytes and safe replacement of the file.

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include "os/ExecutablePath.h"
#include "os/IniDocument.h"
#include "os/IniFile.h"
#include "os/IniNumber.h"
#include "os/TempFolder.h"

using testing_support::ReadBytes;
using testing_support::TempFolder;
using testing_support::WriteBytes;

TEST(IniNumber, HexadecimalDecimalAndNotANumber) {
    EXPECT_EQ(os::ParseIniInteger("0x20"), 32);
    EXPECT_EQ(os::ParseIniInteger("0X20"), 32);
    EXPECT_EQ(os::ParseIniInteger("$20"), 32);
    EXPECT_EQ(os::ParseIniInteger("  \t-17 "), -17);
    EXPECT_EQ(os::ParseIniInteger("+5"), 5);
    EXPECT_EQ(os::ParseIniInteger("0xFFFFFFFF"), -1);
    EXPECT_EQ(os::ParseIniInteger("$00000000ff"), 255);
    EXPECT_EQ(os::ParseIniInteger("-2147483648"), INT32_MIN);
    EXPECT_EQ(os::ParseIniInteger("2147483647"), INT32_MAX);
    for (const char* bad : {"", "   ", "abc", "12abc", "2147483648", "-2147483649", "0x", "$", "0x1FFFFFFFF",
                            "-0x10", "1 2", "--1", "-", "0xG", "1.5"})
        EXPECT_EQ(os::ParseIniInteger(bad), std::nullopt) << bad;
}

TEST(IniNumber, OnlyTheFirst2047CharactersCount) {
    std::string zeros(2046, '0');
    EXPECT_EQ(os::ParseIniInteger(zeros + "7"), 7);
    EXPECT_EQ(os::ParseIniInteger(zeros + "07"), 0);  // the 7 lies beyond the limit
    EXPECT_EQ(os::ParseIniInteger("   " + zeros + "7   "), 7);  // blanks are trimmed first
}

TEST(IniDocument, FindsNamesWithoutRegardToCase) {
    os::IniDocument doc("[panel2]\nstatus = 1 \n[Schriftgr\xF6\xDF" "e]\nStatus=3\n");
    EXPECT_EQ(doc.Value("Panel2", "Status").value_or("-"), " 1 ");
    EXPECT_EQ(doc.Value("SCHRIFTGRÖßE", "STATUS").value_or("-"), "3");
    EXPECT_EQ(doc.Value("Panel3", "Status"), std::nullopt);
    EXPECT_EQ(doc.Value("Panel2", "Other"), std::nullopt);
}

TEST(IniDocument, CommentsAndLinesOutsideSectionsAreNoKeys) {
    os::IniDocument doc("Status=9\n[Top]\n;Status=1\n  ; Status=2\nStatus\n[Top]\nStatus=4\n");
    EXPECT_EQ(doc.Value("Top", "Status").value_or("-"), "4");  // the first real key, in the repeated section
}

TEST(IniDocument, WritesReplaceAppendOrAddASection) {
    os::IniDocument doc("; settings\r\n[Width]\r\nStatus = 700\r\nOther=x\r\n\r\n[Top]\r\nStatus=1\r\n");
    doc.SetValue("width", "status", "800");
    doc.SetValue("Top", "Extra", "2");
    doc.SetValue("Schriftgröße", "Status", "3");
    EXPECT_EQ(doc.Bytes(),
              "; settings\r\n[Width]\r\nStatus = 800\r\nOther=x\r\n\r\n[Top]\r\nStatus=1\r\nExtra=2\r\n"
              "[Schriftgr\xF6\xDF" "e]\r\nStatus=3\r\n");
    // A key added to a section that is followed by others goes after its last line.
    doc.SetValue("WIDTH", "New", "5");
    EXPECT_NE(doc.Bytes().find("Other=x\r\nNew=5\r\n\r\n[Top]"), std::string::npos);
}

TEST(IniDocument, ATextWithoutFinalNewlineAndHostileValues) {
    os::IniDocument doc("[A]\nk=1");
    doc.SetValue("A", "j", "2");
    EXPECT_EQ(doc.Bytes(), "[A]\nk=1\nj=2\n");
    doc.SetValue("B", "k", "line\nbreak");
    EXPECT_EQ(doc.Value("B", "k").value_or("-"), "line break");
    doc.SetValue("日本", "k", "x");  // not in the code page: written as "?"
    EXPECT_EQ(doc.Value("??", "k").value_or("-"), "x");
}

TEST(IniDocument, AFinalCarriageReturnIsCompletedNotDoubled) {
    // Found by fuzzing: a text ending in "\r" once changed a neighbouring value on a write.
    for (std::string text : {"[Top]\r\nStatus=2\r", "p]\n[Top]\r\nStatus=3\r"}) {
        os::IniDocument doc(text);
        std::optional<std::string> before = doc.Value("Top", "Status");
        doc.SetValue("Width", "Status", "742");
        EXPECT_EQ(doc.Value("Top", "Status"), before);
        EXPECT_EQ(doc.Bytes().substr(0, text.size() + 1), text + "\n");
        EXPECT_EQ(doc.Value("Width", "Status").value_or("-"), "742");
    }
}

class IniFileTest : public ::testing::Test {
protected:
    TempFolder folder;
    std::string path = folder.File("Velmora.ini");
};

TEST_F(IniFileTest, DefaultsForAMissingFileSectionKeyOrNumber) {
    os::IniFile ini(path);
    EXPECT_EQ(ini.ReadInteger("Top", "Status", 106), 106);
    EXPECT_TRUE(ini.ReadBool("BottomTitel", "Status", true));
    WriteBytes(path, "[Top]\nStatus=abc\n[Left]\nStatus=0x20\n[Width]\nStatus=$20\n[panel2]\nStatus=2\n");
    EXPECT_EQ(ini.ReadInteger("Top", "Status", 106), 106);
    EXPECT_EQ(ini.ReadInteger("Left", "Status", 192), 32);
    EXPECT_EQ(ini.ReadInteger("Width", "Status", 0), 32);
    EXPECT_TRUE(ini.ReadBool("Panel2", "Status", false));
    EXPECT_EQ(ini.ReadInteger("Height", "Status", 600), 600);
}

TEST_F(IniFileTest, ABooleanTwoIsWrittenBackAsOne) {
    os::IniFile ini(path);
    WriteBytes(path, "[Panel2]\nStatus=2\n");
    ini.WriteBool("Panel2", "Status", ini.ReadBool("Panel2", "Status", false));
    EXPECT_EQ(ReadBytes(path), "[Panel2]\nStatus=1\n");
    ini.WriteBool("Panel3", "Status", false);
    EXPECT_EQ(ReadBytes(path), "[Panel2]\nStatus=1\n[Panel3]\nStatus=0\n");
}

TEST_F(IniFileTest, AFileWrittenFromNothingHoldsWindows1252Bytes) {
    os::IniFile ini(path);
    ini.WriteInteger("Schriftgröße", "Status", 3);
    ini.WriteInteger("HintergrundD", "Status", -2147483643);
    std::string bytes = ReadBytes(path);
    EXPECT_EQ(bytes.substr(0, 14), "[Schriftgr\xF6\xDF" "e]");  // the 12 bytes of the name
    EXPECT_EQ(bytes, "[Schriftgr\xF6\xDF" "e]\nStatus=3\n[HintergrundD]\nStatus=-2147483643\n");
    EXPECT_EQ(ini.ReadInteger("SCHRIFTGRÖßE", "status", 0), 3);
}

TEST_F(IniFileTest, CommentsForeignSectionsAndUnknownKeysSurviveWrites) {
    const std::string original =
        "; Velmora settings, edited by hand\r\n"
        "[Fremd]\r\nKey=Wert mit \xE4\r\n\r\n"
        "[Top]\r\n; the window's top edge\r\nStatus=5\r\nUnbekannt=1\r\n"
        "# not ours\r\n";
    WriteBytes(path, original);
    os::IniFile ini(path);
    ini.WriteInteger("Top", "Status", 106);
    ini.WriteInteger("Left", "Status", 192);
    std::string expected = original;
    expected.replace(expected.find("Status=5"), 8, "Status=106");
    expected += "[Left]\r\nStatus=192\r\n";
    EXPECT_EQ(ReadBytes(path), expected);
}

TEST_F(IniFileTest, ReplacingKeepsModeFollowsLinksAndLeavesNoTemporaryFiles) {
    WriteBytes(path, "[Top]\nStatus=1\n");
    ::chmod(path.c_str(), 0640);
    std::string link = folder.File("link.ini");
    ::symlink("Velmora.ini", link.c_str());
    os::IniFile(link).WriteInteger("Top", "Status", 2);
    struct stat st {};
    ASSERT_EQ(::lstat(link.c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));  // still a link
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_EQ(ReadBytes(path), "[Top]\nStatus=2\n");
    int entries = 0;
    for ([[maybe_unused]] auto& e : std::filesystem::directory_iterator(folder.Path())) ++entries;
    EXPECT_EQ(entries, 2);
}

TEST_F(IniFileTest, HardLinkedFilesAreRewrittenInPlace) {
    WriteBytes(path, "[Top]\nStatus=1\n");
    std::string other = folder.File("other.ini");
    ASSERT_EQ(::link(path.c_str(), other.c_str()), 0);
    os::IniFile(path).WriteInteger("Top", "Status", 12345);
    EXPECT_EQ(ReadBytes(other), "[Top]\nStatus=12345\n");
}

TEST_F(IniFileTest, AFileTooLargeToBeSettingsIsNotRewritten) {
    std::string big(17 << 20, 'x');
    WriteBytes(path, "[Top]\nStatus=1\n" + big);
    EXPECT_THROW(os::IniFile(path).WriteInteger("Top", "Status", 2), os::IniWriteError);
    EXPECT_EQ(std::filesystem::file_size(path), big.size() + 15);
}

TEST_F(IniFileTest, AWriteThatCannotHappenRaisesTheErrorWithThePath) {
    std::string inDirectory = folder.File("sub");
    std::filesystem::create_directory(inDirectory);
    os::IniFile ini(inDirectory);  // a folder is no file
    try {
        ini.WriteInteger("Top", "Status", 1);
        FAIL() << "no error";
    } catch (const os::IniWriteError& e) {
        EXPECT_EQ(std::string(e.what()), "In " + inDirectory + " kann nicht geschrieben werden");
    }
    os::IniFile missingFolder(folder.File("no/such/Velmora.ini"));
    EXPECT_THROW(missingFolder.WriteBool("Panel2", "Status", true), os::IniWriteError);
}

TEST_F(IniFileTest, AReadOnlyFileRefusesWritesForOrdinaryUsers) {
    if (::geteuid() == 0) GTEST_SKIP() << "root writes read-only files; the namespace test covers refusal";
    WriteBytes(path, "[Top]\nStatus=1\n");
    ::chmod(path.c_str(), 0444);
    EXPECT_THROW(os::IniFile(path).WriteInteger("Top", "Status", 2), os::IniWriteError);
    EXPECT_EQ(ReadBytes(path), "[Top]\nStatus=1\n");
    // Writable but not readable: rewriting it from nothing would lose its contents.
    ::chmod(path.c_str(), 0200);
    EXPECT_THROW(os::IniFile(path).WriteInteger("Left", "Status", 2), os::IniWriteError);
    ::chmod(path.c_str(), 0600);
    EXPECT_EQ(ReadBytes(path), "[Top]\nStatus=1\n");
}

TEST(SettingsFile, LiesBesideTheExecutable) {
    std::string exe = os::ExecutablePath();
    ASSERT_FALSE(exe.empty());
    EXPECT_NE(exe.find("os_tests"), std::string::npos);
    EXPECT_EQ(os::SettingsFilePath(), exe.substr(0, exe.rfind('/') + 1) + "Velmora.ini");
}
