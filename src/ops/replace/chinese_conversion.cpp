#include "ops/replace/chinese_conversion.h"

#include <algorithm>
#include <span>

#include "ops/replace/chinese_table.h"
#include "pipeline/messages.h"
#include "pipeline/text.h"
#include "platform/form.h"

namespace {

const std::string kToSimplifiedCaption = "繁转简";
const std::string kToTraditionalCaption = "简转繁";

// Texts that every working mapping converts, one for each direction.
std::string Probe(ConversionDirection direction) {
  return direction == ConversionDirection::ToSimplified ? "電腦" : "电脑";
}

std::span<const CharPair> PairsFor(ConversionDirection direction) {
  return direction == ConversionDirection::ToSimplified ? TraditionalToSimplifiedPairs()
                                                        : SimplifiedToTraditionalPairs();
}

uint16_t CodeAt(std::string_view text, size_t index) {
  return static_cast<uint16_t>(static_cast<unsigned char>(text[index]) << 8 |
                               static_cast<unsigned char>(text[index + 1]));
}

// The platform's result when it is usable for this text.
std::optional<std::string> MapWithPlatform(const PlatformChineseMapping& platform,
                                           const std::string& text, ConversionDirection direction) {
  if (!platform) return std::nullopt;
  std::optional<std::string> mapped =
      platform(text, direction == ConversionDirection::ToSimplified);
  if (!mapped || !KeepsCharacterLayout(text, *mapped)) return std::nullopt;
  return mapped;
}

}  // namespace

std::string ConvertWithTable(std::string_view text, ConversionDirection direction) {
  const std::span<const CharPair> pairs = PairsFor(direction);
  std::string converted(text);
  for (size_t i = 0; i < text.size(); i += CharLength(text, i)) {
    if (CharLength(text, i) != 2) continue;
    const uint16_t code = CodeAt(text, i);
    auto found = std::lower_bound(pairs.begin(), pairs.end(), code,
                                  [](const CharPair& pair, uint16_t c) { return pair.from < c; });
    if (found == pairs.end() || found->from != code) continue;
    converted[i] = static_cast<char>(found->to >> 8);
    converted[i + 1] = static_cast<char>(found->to & 0xFF);
  }
  return converted;
}

bool KeepsCharacterLayout(std::string_view original, std::string_view converted) {
  if (original.size() != converted.size()) return false;
  for (size_t i = 0; i < original.size(); i += CharLength(original, i)) {
    const size_t length = CharLength(original, i);
    if (CharLength(converted, i) != length) return false;
    if (length == 1 && original[i] != converted[i]) return false;
  }
  return true;
}

ChineseConverter::ChineseConverter(ConversionDirection direction,
                                   const PlatformChineseMapping& platform)
    : direction_(direction), platform_(platform) {
  // Some systems accept the request and change nothing: trust the platform only when it
  // converts a text that certainly has counterparts.
  const std::string probe = Probe(direction);
  const std::optional<std::string> mapped = MapWithPlatform(platform, probe, direction);
  usePlatform_ = mapped && *mapped != probe;
}

std::string ChineseConverter::operator()(const std::string& text) const {
  if (usePlatform_) {
    if (std::optional<std::string> mapped = MapWithPlatform(platform_, text, direction_)) {
      return *mapped;
    }
  }
  return ConvertWithTable(text, direction_);
}

std::string ConvertChineseName(const RenameItem& item, const ChineseConverter& convert) {
  const std::string converted = convert(item.name);
  return converted == item.name ? std::string() : converted;
}

void ToSimplifiedChosen(AppState& app) {
  app.form.SetChecked(Ctl::单选框15, true);
  app.form.SetChecked(Ctl::单选框16, false);
  app.form.SetText(Ctl::按钮5, kToSimplifiedCaption);
}

void ToTraditionalChosen(AppState& app) {
  app.form.SetChecked(Ctl::单选框16, true);
  app.form.SetChecked(Ctl::单选框15, false);
  app.form.SetText(Ctl::按钮5, kToTraditionalCaption);
}

void ConvertChineseClicked(AppState& app) {
  const ConversionDirection direction = app.form.Checked(Ctl::单选框15)
                                            ? ConversionDirection::ToSimplified
                                            : ConversionDirection::ToTraditional;
  const ChineseConverter convert(direction, app.chineseMapping);
  RenameOperation op;
  op.rule = [&](const RenameItem& item) { return ConvertChineseName(item, convert); };
  op.report = [](int renamed, bool) {
    return std::optional<Message>(messages::RenamedCount(renamed, Icon::None, "个文件被改名"));
  };
  RunRenamePipeline(app, op);
}
