// A main window and a file system in memory, with a target folder to rename in.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <utility>
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
    for (const auto& name : names) {
      fs.AddFile(kFolder + name, "content of " + name);
      added_.emplace_back(name, "content of " + name);
    }
  }
  void AddFolders(const std::vector<std::string>& names) {
    for (const auto& name : names) {
      fs.AddFolder(kFolder + name);
      added_.emplace_back(name, "");
    }
  }
  // Asserts the folder's full contents against the items that AddFiles and AddFolders put
  // there: exactly those items, each under its own name or the new one `renamed` (old name ->
  // new name) gives it, each file with its own content. Nothing lost, overwritten or swapped.
  void ExpectFolder(const std::map<std::string, std::string>& renamed = {}) const {
    std::vector<std::pair<std::string, std::string>> expected, actual;
    for (const auto& [name, content] : added_) {
      auto it = renamed.find(name);
      expected.emplace_back(it == renamed.end() ? name : it->second, content);
    }
    std::set<std::string> names;
    for (const auto& item : added_) names.insert(item.first);
    for (const auto& [old, now] : renamed)
      EXPECT_TRUE(names.count(old)) << old << " was never added";
    for (const auto& name : Names()) actual.emplace_back(name, fs.Content(kFolder + name));
    std::sort(expected.begin(), expected.end());
    std::sort(actual.begin(), actual.end());
    EXPECT_EQ(actual, expected);
  }
  // Asserts that the folder still holds exactly the items that AddFiles and AddFolders put
  // there, whatever their names now: the same number, in the same order (the fake keeps an
  // item's place when it is renamed), each file with its own content. Nothing lost,
  // overwritten, swapped or added.
  void ExpectItemsKept() const {
    std::vector<std::string> expected, actual;
    for (bool files : {true, false}) {  // the fake lists files first, then folders
      for (const auto& [name, content] : added_) {
        if (content.empty() != files) expected.push_back(content);
      }
    }
    for (const auto& name : Names()) actual.push_back(fs.Content(kFolder + name));
    EXPECT_EQ(actual, expected) << "the folder's items or their contents changed";
  }
  std::vector<std::string> Names() const { return fs.Names(kFolder); }
  void PreviewOn() {
    form.SetText(Ctl::按钮8, "不要预览");
    form.InsertColumn(1, "更名后的效果", 380);
  }
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

 private:
  std::vector<std::pair<std::string, std::string>> added_;  // (name, content)
};
