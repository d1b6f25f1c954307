#include "ops/add/video_number.h"

#include <random>
// The steady clock without <chrono>, whose formatting part holds a text that the GBK
// execution character set cannot encode.
#include <thread>

#include "pipeline/messages.h"
#include "platform/form.h"

namespace {

constexpr int kDigits = 9;
// The largest multiple of 10 not above 2^32: draws at or beyond it are thrown away so that
// every digit is equally likely.
constexpr uint32_t kDrawLimit = 4294967290u;

uint32_t SystemTicks() {
  const auto since = std::chrono::steady_clock::now().time_since_epoch();
  return static_cast<uint32_t>(
      std::chrono::duration_cast<std::chrono::milliseconds>(since).count());
}

}  // namespace

std::string VideoNumber(uint32_t seed) {
  std::mt19937 generator(seed);
  std::string digits;
  while (static_cast<int>(digits.size()) < kDigits) {
    const auto draw = static_cast<uint32_t>(generator());
    if (draw < kDrawLimit) digits += static_cast<char>('0' + draw % 10);
  }
  return digits;
}

std::string AddVideoNumber(const RenameItem& file, const std::string& digits) {
  return file.stem + "(Av" + digits + ",P" + std::to_string(file.index) + ")" + file.extension;
}

void AddVideoNumberClicked(AppState& app) {
  RenameOperation op;
  op.filesOnly = FolderRefusal::AfterEmptyFolderCheck;
  op.folderRefusal = messages::Info("此功能无法对文件夹进行操作，请选择文件");
  op.confirmation = ConfirmationStyle::DirectOnly;
  op.question = messages::Question("不提供预览功能，将直接改名，确定吗？", messages::kHint);
  // Positions follow the file system's order.
  op.naturalOrder = false;
  // Seeded afresh for every file; the growing offset keeps two files of one clock tick apart.
  uint32_t seedings = 0;
  op.rule = [&](const RenameItem& file) {
    const uint32_t ticks = app.tickCount ? app.tickCount() : SystemTicks();
    return AddVideoNumber(file, VideoNumber(ticks + seedings++));
  };
  RunRenamePipeline(app, op);
}
