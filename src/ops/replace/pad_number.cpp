#include "ops/replace/pad_number.h"

#include "pipeline/messages.h"
#include "pipeline/rename_pipeline.h"

namespace {

constexpr size_t kDigitWindow = 7;

bool IsDigitAt(const std::string& name, size_t index) {
  return index < name.size() && name[index] >= '0' && name[index] <= '9';
}

}  // namespace

int PadWidthFor(int count) {
  return count < 100 ? 2 : 3;
}

std::string PadLeadingNumber(const std::string& name, int width) {
  // Trail bytes of two-byte characters are 0x40 or above, so a byte-wise scan finds only
  // real digits.
  size_t p = 0;
  while (p < kDigitWindow && p < name.size() && !IsDigitAt(name, p)) ++p;
  if (p >= kDigitWindow || !IsDigitAt(name, p)) return {};
  const int digits = !IsDigitAt(name, p + 1) ? 1 : !IsDigitAt(name, p + 2) ? 2 : 3;
  if (digits >= width) return {};
  std::string padded = name;
  padded.insert(p, static_cast<size_t>(width - digits), '0');
  return padded;
}

void PadNumberClicked(AppState& app) {
  RenameOperation op;
  op.rule = [](const RenameItem& item) {
    return PadLeadingNumber(item.name, PadWidthFor(item.count));
  };
  op.report = [](int renamed, bool folders) {
    const std::string count = std::to_string(renamed);
    return std::optional<Message>(
        messages::Info(folders ? count + "个文件被更名" : "改了" + count + "个", "修改成果如下"));
  };
  RunRenamePipeline(app, op);
}
