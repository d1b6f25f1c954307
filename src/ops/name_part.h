// What the text operations share: which occurrence of a marker they look for, and how a new
// name part becomes a complete name.
#pragma once

#include <string>
#include <string_view>

#include "pipeline/rename_pipeline.h"
#include "pipeline/text.h"

// Which occurrence of a marker counts. `None` when neither option of its pair is chosen.
enum class Occurrence { None, First, Last };

// The 1-based position of the chosen occurrence of `marker` in `text`, or -1.
inline int FindOccurrence(std::string_view text, std::string_view marker, Occurrence which) {
  switch (which) {
    case Occurrence::First:
      return FindText(text, marker);
    case Occurrence::Last:
      return FindTextReverse(text, marker);
    case Occurrence::None:
      break;
  }
  return -1;
}

// The complete new name for a rule's new name part: a file keeps its extension. An empty part
// leaves the item alone.
inline std::string WithExtension(const RenameItem& item, const std::string& part) {
  return part.empty() ? std::string() : part + item.extension;
}
