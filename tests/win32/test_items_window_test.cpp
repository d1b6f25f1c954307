// "创建文件" makes test files or folders for the listed names, never overwriting a user's file.
#include "window_fixture.h"

using Strings = std::vector<std::string>;

class TestItemsWindowTest : public WindowTest {
 protected:
  void Focus(Ctl box) {
    SendMessageA(window->Handle(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(Handle(box)), EN_SETFOCUS),
                 reinterpret_cast<LPARAM>(Handle(box)));
    Pump();
  }
  TempFolder target;
};

TEST_F(TestItemsWindowTest, FilesAreCreatedAndOnlyTestFilesReplaced) {
  for (const std::string name : {"a.mp4", "b.mp4", "c.mp4"}) folder.AddFile(name, "video");
  target.AddFile("b.txt", "my notes");
  target.AddFile("c.txt", "测试文件");
  UseFolder();
  Click(Ctl::按钮8);
  Focus(Ctl::编辑框14);
  Focus(Ctl::编辑框15);
  EXPECT_EQ(form().Text(Ctl::编辑框14), "");
  EXPECT_EQ(form().TextColour(Ctl::编辑框15), -1);
  SetText(Ctl::编辑框14, target.path());
  SetText(Ctl::编辑框15, ".txt");
  Click(Ctl::按钮14);
  EXPECT_EQ(target.Names(), (Strings{"a.txt", "b.txt", "c.txt"}));
  EXPECT_EQ(target.Content("a.txt"), "\xB2\xE2\xCA\xD4\xCE\xC4\xBC\xFE");
  EXPECT_EQ(target.Content("b.txt"), "my notes");
  EXPECT_EQ(target.Content("c.txt"), "测试文件");
  EXPECT_EQ(boxes.shown.back(),
            (Message{"成功创建2个文件夹", "创建成果提示", Icon::Information, Buttons::Ok}));
}

TEST_F(TestItemsWindowTest, FoldersAreCreatedOnce) {
  folder.AddFile("a.mp4", "");
  folder.AddFolder("album.2023");
  UseFolder();
  Click(Ctl::选择框2);
  Click(Ctl::按钮8);
  SetText(Ctl::编辑框14, target.path());  // "扩展名" still in the other box: folders
  Click(Ctl::按钮14);
  EXPECT_EQ(target.Names(), (Strings{"album"}));
  EXPECT_EQ(boxes.shown.back().text, "成功创建1个文件夹");
  Click(Ctl::按钮14);
  EXPECT_EQ(boxes.shown.back(),
            (Message{"什么都没有创建", "没有发生任何变化", Icon::Information, Buttons::Ok}));

  SetText(Ctl::编辑框14, "将在这里创建");
  Click(Ctl::按钮14);
  EXPECT_EQ(boxes.shown.back(), (Message{"路径呢？", "信息：", Icon::Information, Buttons::Ok}));
}
