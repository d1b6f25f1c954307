// "繁转简" and "简转繁": converts the Chinese characters of every name between traditional and
// simplified forms, character by character, keeping the byte length.
#pragma once

#include <string>
#include <string_view>

#include "pipeline/app_state.h"
#include "pipeline/rename_pipeline.h"

enum class ConversionDirection { ToSimplified, ToTraditional };

// Our own table, one double-byte character at a time; one-byte characters stay as they are.
std::string ConvertWithTable(std::string_view text, ConversionDirection direction);

// Whether `converted` has the character layout of `original`: same length, double-byte
// characters at the same places and the same one-byte characters.
bool KeepsCharacterLayout(std::string_view original, std::string_view converted);

// Converts with the platform's mapping when it truly converts, with our table otherwise.
class ChineseConverter {
 public:
  ChineseConverter(ConversionDirection direction, const PlatformChineseMapping& platform);
  std::string operator()(const std::string& text) const;
  // Whether the platform's mapping passed the probe and is used.
  bool UsesPlatform() const { return usePlatform_; }

 private:
  ConversionDirection direction_;
  const PlatformChineseMapping& platform_;
  bool usePlatform_ = false;
};

// The whole name converted, or the empty text when no character changes.
std::string ConvertChineseName(const RenameItem& item, const ChineseConverter& convert);

// The radio pair: selects the clicked direction and names it on the button.
void ToSimplifiedChosen(AppState& app);
void ToTraditionalChosen(AppState& app);
void ConvertChineseClicked(AppState& app);
