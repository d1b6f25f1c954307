// "保存原文件名到txt" writes the listed names beside the program.
#include "window_fixture.h"

class NameFileWindowTest : public WindowTest {
 protected:
  NameFileWindowTest() : path(files.ProgramFolder() + "\\原文件名保存.txt") {
    DeleteFileA(path.c_str());
  }
  ~NameFileWindowTest() override { DeleteFileA(path.c_str()); }
  std::string Bytes() {
    std::string bytes;
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return "(missing)";
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0) {
      bytes.append(buffer, read);
    }
    CloseHandle(file);
    return bytes;
  }
  const std::string path;
};

TEST_F(NameFileWindowTest, WritesTheNamesInCodePage936WithCrLf) {
  folder.AddFile("第1课.txt", "");
  folder.AddFile("b.txt", "");
  UseFolder();
  Click(Ctl::按钮8);
  Click(Ctl::按钮16);
  EXPECT_EQ(Bytes(),
            "b.txt\r\n\xB5\xDA"
            "1\xBF\xCE.txt\r\n");
  EXPECT_EQ(boxes.shown.back(),
            (Message{"已将原文件名存入txt文档内，\r\n并已将txt文档保存到本软件的同级文件夹",
                     "提醒：", Icon::Information, Buttons::Ok}));

  folder.AddFolder("相册");
  Click(Ctl::选择框2);
  Click(Ctl::按钮8);
  Click(Ctl::按钮8);
  Click(Ctl::按钮16);
  EXPECT_EQ(Bytes(), "相册\r\n");  // replaced, not appended

  Click(Ctl::按钮9);
  Click(Ctl::按钮16);
  EXPECT_EQ(boxes.shown.back().text, "没有什么可以保存的");
  EXPECT_EQ(Bytes(), "相册\r\n");
}
