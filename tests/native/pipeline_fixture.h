// A main window and a file system in memory, with a target folder to rename in.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fake_file_system.h"
#include "fake_form.h"
#include "pipeline/app_state.h"

class PipelineTest : public ::testing::Test {
 protected:
  static constexpr const char* kFolder = "D:\\work\\";

  PipelineTest() {
    fs.AddFolder("D:\\work");
    form.SetText(Ctl::标签2, kFolder);
  }
  void AddFiles(const std::vector<std::string>& names) {
    for (const auto& name : names) fs.AddFile(kFolder + name, "content of " + name);
  }
  void AddFolders(const std::vector<std::string>& names) {
    for (const auto& name : names) fs.AddFolder(kFolder + name);
  }
  std::vector<std::string> Names() const { return fs.Names(kFolder); }
  void PreviewOn() { form.SetText(Ctl::按钮8, "不要预览"); form.InsertColumn(1, "更名后的效果", 380); }
  void FoldersKind() {
    form.SetChecked(Ctl::选择框1, false);
    form.SetChecked(Ctl::选择框2, true);
  }
  std::vector<std::string> Texts() const {
    std::vector<std::string> texts;
    for (const auto& m : form.shown) texts.push_back(m.text);
    return texts;
  }

  FakeForm form;
  FakeFileSystem fs;
  AppState app{form, fs, {}};
};
