// The save-picture dialog: names completed with ".jpg", the chosen path, cancel, folders.
#include <filesystem>
#include <fstream>

#include "ControlsTestSupport.h"
#include "base/ShortCut.h"
#include "gfx/JpegCodec.h"
#include "os/TempFolder.h"
#include "skin/controls/TbsSavePictureDialog.h"
#include "skin/controls/TbsSavePictureForm.h"

using namespace ctltest;
using skin::TbsSavePictureDialog;
using skin::TbsSavePictureForm;

namespace {
struct SaveDialogTest : ControlsTest {
    testing_support::TempFolder temp;
    void SetUp() override {
        std::filesystem::create_directory(temp.Path() / "Bilder");
        gfx::Bitmap red(40, 20);
        red.Fill(clRed);
        std::vector<uint8_t> jpeg = gfx::EncodeJpeg(red);
        std::ofstream(temp.File("alt.jpg"), std::ios::binary)
            .write(reinterpret_cast<const char*>(jpeg.data()), static_cast<std::streamsize>(jpeg.size()));
        std::ofstream(temp.File("notiz.txt")) << "x";
    }
    // Queues typing for the modal loop to take.
    void QueueText(const std::string& ascii) {
        for (char ch : ascii) {
            int vk = (ch >= 'a' && ch <= 'z') ? ch - 'a' + 'A' : ch;
            h.QueueKey(vk, true, static_cast<uint32_t>(ch));
            h.QueueKey(vk, false);
        }
    }
};
}  // namespace

TEST_F(SaveDialogTest, NameWithoutExtensionIsCompletedAndReturned) {
    TbsSavePictureDialog dialog(nullptr);
    dialog.SetInitialDir(temp.Path().string());
    std::string title;
    dialog.OnShowForm = [&](TbsSavePictureForm& form) { title = form.Caption(); };
    QueueText("diagramm");
    h.QueueKey(base::VK_RETURN, true, '\r');
    h.QueueKey(base::VK_RETURN, false);
    ASSERT_TRUE(dialog.Execute());
    EXPECT_EQ(title, "Diagramm als Bitmap speichern");
    EXPECT_EQ(dialog.FileName(), temp.File("diagramm.jpg"));
}

TEST_F(SaveDialogTest, CancelReturnsNothing) {
    TbsSavePictureDialog dialog(nullptr);
    dialog.SetInitialDir(temp.Path().string());
    QueueText("x");
    h.QueueKey(base::VK_ESCAPE, true, 0x1B);
    h.QueueKey(base::VK_ESCAPE, false);
    EXPECT_FALSE(dialog.Execute());
    EXPECT_EQ(dialog.FileName(), "");
}

TEST_F(SaveDialogTest, ListShowsFoldersAndPicturesAndDoubleClickOpensAFolder) {
    auto* form = vcl::New<TbsSavePictureForm>(nullptr, nullptr);
    form->SetFolder(temp.Path());
    auto* list = form->FileList();
    ASSERT_EQ(list->Count(), 3);
    EXPECT_EQ(list->Item(0), "[..]");
    EXPECT_EQ(list->Item(1), "[Bilder]");
    EXPECT_EQ(list->Item(2), "alt.jpg");  // other files are not listed
    form->Show();
    h.ProcessPending();
    // Selecting the picture fills the name and the preview.
    TRect row = list->ItemRect(2);
    ClickAt(list, row.Left + 5, row.Top + 5);
    EXPECT_EQ(form->NameEdit()->EditText(), "alt.jpg");
    EXPECT_EQ(form->Preview()->Picture().Width(), 40);
    EXPECT_EQ(form->PathForName("alt.jpg"), temp.File("alt.jpg"));  // replaced without asking
    row = list->ItemRect(1);
    TPoint p = At(list, row.Left + 5, row.Top + 5);
    h.DoubleClick(p.X, p.Y);
    EXPECT_EQ(form->Folder(), temp.Path() / "Bilder");
    EXPECT_EQ(list->Count(), 1);  // only the way up
    vcl::TObject::Free(form);
}
