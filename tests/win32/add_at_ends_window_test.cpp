// "最前面加" and "最尾部加" through the real buttons on a real folder.
#include "window_fixture.h"

using Strings = std::vector<std::string>;

TEST_F(WindowTest, AddAtEndRenamesAfterConfirmationAndReports) {
  folder.AddFile("报告.docx", "a");
  folder.AddFile("第2课.txt", "b");
  folder.AddFile(".gitignore", "c");
  UseFolder();
  SetText(Ctl::编辑框7, "-2024");
  Click(Ctl::按钮_加后缀);
  ExpectFolder({".gitignore", "报告-2024.docx", "第2课-2024.txt"});
  EXPECT_EQ(folder.Content("报告-2024.docx"), "a");
  ASSERT_EQ(boxes.shown.size(), 2u);
  EXPECT_EQ(boxes.shown[0], (Message{"确定更名吗？", "提示", Icon::None, Buttons::OkCancel}));
  EXPECT_EQ(boxes.shown[1],
            (Message{"一共有2个文件被改名成功", "修改成果提示", Icon::Information, Buttons::Ok}));
}

TEST_F(WindowTest, CancelRenamesNothing) {
  folder.AddFile("a.txt", "a");
  UseFolder();
  SetText(Ctl::编辑框6, "x_");
  boxes.answers = {Answer::Cancel};
  Click(Ctl::按钮_加前缀);
  ExpectFolder({"a.txt"});
  EXPECT_EQ(boxes.Texts(), (Strings{"确定更名吗？"}));
}

TEST_F(WindowTest, AddAtFrontRenamesFoldersAndRefusesAnEmptyText) {
  folder.AddFolder("相册");
  UseFolder();
  Click(Ctl::选择框2);
  Click(Ctl::按钮_加前缀);
  EXPECT_EQ(boxes.shown.back(),
            (Message{"加点啥？不能为空", "信息：", Icon::Information, Buttons::Ok}));
  SetText(Ctl::编辑框6, "旧_");
  Click(Ctl::按钮_加前缀);
  ExpectFolder({"旧_相册"});
}

TEST_F(WindowTest, EmptyTargetFolderIsRefused) {
  SetText(Ctl::编辑框7, "x");
  Click(Ctl::按钮_加后缀);
  EXPECT_EQ(boxes.shown,
            (std::vector<Message>{{"路径呢？", "信息：", Icon::Information, Buttons::Ok}}));
}
