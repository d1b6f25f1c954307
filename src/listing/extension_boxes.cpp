#include "listing/extension_boxes.h"

#include "pipeline/name_list.h"
#include "pipeline/text.h"
#include "pipeline/window_state.h"
#include "platform/form.h"

namespace {

const std::string kAll = "所有";
const std::string kSkipNone = "不跳";
const std::string kNoFirstEntry;

std::vector<std::string> SplitEntries(const std::string& joined) {
  std::vector<std::string> entries;
  for (size_t start = 0;;) {
    const size_t end = joined.find("--", start);
    entries.push_back(joined.substr(start, end - start));
    if (end == std::string::npos) return entries;
    start = end + 2;
  }
}

std::string WithoutDots(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c != '.') out += c;
  }
  return out;
}

// A box's list opens: an empty box gets its whole list; a typed text keeps the list it has.
void DropDown(Form& form, Ctl box, const std::string& first) {
  if (form.Text(box).empty()) form.SetItems(box, FullExtensionList(first));
}

// The user typed: the list is rebuilt around the text, which stays as typed with the caret
// at its end and no entry chosen.
void TextChanged(Form& form, Ctl box, const std::string& first) {
  const std::string typed = form.Text(box);
  form.SetItems(box, ExtensionListFor(typed, first));
  form.SetText(box, typed);
  form.SetCaretToEnd(box);
}

void FilterChosen(AppState& app) {
  app.form.ClearRows();
  if (FilesChecked(app.form)) FillNameList(app);
}

}  // namespace

const std::vector<std::string>& BuiltInExtensions() {
  static const std::vector<std::string> extensions = SplitEntries(
      "mp4--txt--mp3--exe--xlsx--docx--pptx--jpg--png--pdf--zip--rar--7z--ico--psd--bmp--html--"
      "htm--js--css--avi--tmp--doc--xls--ppt--rtf--wps--arj--gz--gif--pic--tif--wav--aif--au--"
      "ram--wma--mmf--aac--flac--mpg--mov--swf--dll--ini--asm--obj--bas--java--bak--bat--cmd--"
      "dat--icn--iff--mpeg--chm--cpp");
  return extensions;
}

std::vector<std::string> FullExtensionList(const std::string& first) {
  return ExtensionListFor(".", first);
}

std::vector<std::string> ExtensionListFor(const std::string& typed, const std::string& first) {
  if (typed.empty()) return {};
  const std::string sought = WithoutDots(typed);
  std::vector<std::string> matching, others;
  for (const auto& extension : BuiltInExtensions()) {
    const bool matches = sought.empty() || FindTextIgnoreCase(extension, sought) != -1;
    (matches ? matching : others).push_back("." + extension);
  }
  std::vector<std::string> list;
  if (!first.empty()) list.push_back(first);
  list.insert(list.end(), matching.begin(), matching.end());
  list.insert(list.end(), others.begin(), others.end());
  return list;
}

void IncludeExtensionDropDown(AppState& app) {
  DropDown(app.form, Ctl::组合框4, kAll);
}
void IncludeExtensionTextChanged(AppState& app) {
  TextChanged(app.form, Ctl::组合框4, kAll);
}
void IncludeExtensionChosen(AppState& app) {
  FilterChosen(app);
}

void SkipExtensionDropDown(AppState& app) {
  DropDown(app.form, Ctl::组合框2, kSkipNone);
}
void SkipExtensionTextChanged(AppState& app) {
  TextChanged(app.form, Ctl::组合框2, kSkipNone);
}
void SkipExtensionChosen(AppState& app) {
  FilterChosen(app);
}

void NewExtensionDropDown(AppState& app) {
  DropDown(app.form, Ctl::组合框3, kNoFirstEntry);
}
void NewExtensionTextChanged(AppState& app) {
  TextChanged(app.form, Ctl::组合框3, kNoFirstEntry);
}
