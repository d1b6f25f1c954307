// Every rename rule, picked by the first input byte, over a name and typed texts made whole as
// the window hands them over. Whatever the rule, a "\" never appears at a character boundary
// of a new name unless the name or a typed text had one (a new name must never reach another
// folder), and each rule's own shape holds: what it keeps, adds or removes.
#include <string>
#include <vector>

#include "fuzz_support.h"
#include "listing/names.h"
#include "ops/add/add_after_extension.h"
#include "ops/add/add_after_number.h"
#include "ops/add/add_at_ends.h"
#include "ops/add/add_at_marker.h"
#include "ops/add/sequence_number.h"
#include "ops/add/video_number.h"
#include "ops/delete/delete_at_marker.h"
#include "ops/delete/delete_between.h"
#include "ops/delete/delete_occurrences.h"
#include "ops/delete/punctuation_style.h"
#include "ops/replace/change_extension.h"
#include "ops/replace/chinese_conversion.h"
#include "ops/replace/chinese_numerals.h"
#include "ops/replace/pad_number.h"
#include "ops/replace/replace_text.h"

namespace {

bool StartsWith(const std::string& text, const std::string& head) {
  return text.compare(0, head.size(), head) == 0;
}
bool EndsWith(const std::string& text, const std::string& tail) {
  return text.size() >= tail.size() &&
         text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}
bool IsSubsequenceCut(const std::string& result, const std::string& part) {
  return result.size() <= part.size();
}

Occurrence TakeOccurrence(FuzzedDataProvider& data) {
  return data.PickValueInArray({Occurrence::None, Occurrence::First, Occurrence::Last});
}

struct Inputs {
  RenameItem item;
  std::string a, b;
};

// Runs rule number `which`; returns the new name (empty: declined).
std::string RunRule(int which, FuzzedDataProvider& data, const Inputs& in) {
  const RenameItem& item = in.item;
  const std::string& part = item.stem;
  switch (which) {
    case 0: {
      const std::string r = AddAtFront(item, in.a);
      FUZZ_CHECK(r == in.a + item.name);
      return r;
    }
    case 1: {
      const std::string r = AddAtEnd(item, in.a);
      FUZZ_CHECK(r.empty() || r == item.stem + in.a + item.extension);
      return r;
    }
    case 2: {
      MarkerInsertion insertion{in.a, in.b, TakeOccurrence(data), data.ConsumeBool()};
      const std::string r = AddAtMarker(part, insertion);
      // An empty marker is refused by the handler before the rule runs.
      if (!in.a.empty()) FUZZ_CHECK(r.empty() || r.size() == part.size() + in.b.size());
      return WithExtension(item, r);
    }
    case 3: {
      const std::string r = AppendAfterExtension(item.name, in.a);
      FUZZ_CHECK(r.empty() || r == item.name + in.a);
      return r;
    }
    case 4: {
      const std::string r = AddAfterNumber(item.name, in.a);
      FUZZ_CHECK(r.empty() || r.size() == item.name.size() + in.a.size());
      return r;
    }
    case 5: {
      const int index = data.ConsumeIntegralInRange(1, 2000);
      const int count = data.ConsumeIntegralInRange(index, 2000);
      const std::string r = AddSequenceNumber(item.name, index, count, in.a);
      FUZZ_CHECK(EndsWith(r, in.a + item.name));
      return r;
    }
    case 6: {
      const std::string digits = VideoNumber(data.ConsumeIntegral<uint32_t>());
      FUZZ_CHECK(digits.size() == 9 && digits.find_first_not_of("0123456789") == std::string::npos);
      const std::string r = AddVideoNumber(item, digits);
      FUZZ_CHECK(StartsWith(r, item.stem) && EndsWith(r, item.extension));
      return r;
    }
    case 7:
    case 8: {
      MarkerCut cut{in.a, TakeOccurrence(data), data.ConsumeBool()};
      const std::string r = which == 7 ? DeleteLeft(part, cut) : DeleteRight(part, cut);
      FUZZ_CHECK(r.empty() || (which == 7 ? EndsWith(part, r) : StartsWith(part, r)));
      return WithExtension(item, r);
    }
    case 9: {
      BetweenMarkers markers{in.a, in.b, TakeOccurrence(data), TakeOccurrence(data),
                             data.ConsumeBool()};
      const std::string r = DeleteBetween(part, markers);
      FUZZ_CHECK(IsSubsequenceCut(r, part));
      if (!r.empty()) FUZZ_CHECK(HasBothMarkers(part, markers));
      return WithExtension(item, r);
    }
    case 10: {
      OccurrenceDeletion deletion{in.a, data.ConsumeIntegralInRange(-2, 6), data.ConsumeBool()};
      const std::string r = DeleteOccurrences(part, deletion);
      FUZZ_CHECK(r.size() <= part.size());
      return WithExtension(item, r);
    }
    case 11: {
      auto style = data.PickValueInArray(
          {PunctuationStyle::English, PunctuationStyle::Chinese, PunctuationStyle::Bilibili});
      return ConvertPunctuation(in.a, style);  // typed texts, not names
    }
    case 12: {
      const std::string extension = DottedExtension(in.a, data.ConsumeBool());
      const std::string r = ChangeExtension(item.stem, extension);
      FUZZ_CHECK(StartsWith(r, item.stem));
      return r;
    }
    case 13: {
      auto direction = data.ConsumeBool() ? ConversionDirection::ToSimplified
                                          : ConversionDirection::ToTraditional;
      const std::string r = ConvertWithTable(item.name, direction);
      FUZZ_CHECK(KeepsCharacterLayout(item.name, r));
      return r;
    }
    case 14: {
      const std::string r = NumeralToDigits(item.name);
      FUZZ_CHECK(r.empty() || r.size() <= item.name.size());
      return r;
    }
    case 15: {
      const int width = PadWidthFor(data.ConsumeIntegralInRange(0, 5000));
      const std::string r = PadLeadingNumber(item.name, width);
      if (!r.empty()) {
        FUZZ_CHECK(r.size() > item.name.size() && r.size() <= item.name.size() + 2);
        std::string unpadded = r;
        const size_t zeros = r.size() - item.name.size();
        const size_t at = r.find(std::string(zeros, '0'));
        FUZZ_CHECK(at != std::string::npos);
        FUZZ_CHECK(unpadded.erase(at, zeros) == item.name);
      }
      return r;
    }
    default: {
      TextReplacement replacement{in.a, in.b, data.ConsumeIntegralInRange(-1, 6),
                                  data.ConsumeBool(), data.ConsumeBool()};
      const std::string r = ReplaceInName(part, replacement);
      FUZZ_CHECK(r != part || r.empty());
      return WithExtension(item, r);
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
  FuzzedDataProvider data(bytes, size);
  const int which = data.ConsumeIntegralInRange(0, 16);
  const bool folder = data.ConsumeBool();
  Inputs in;
  in.a = TakeText(data, 12);
  in.b = TakeText(data, 12);
  const std::string name = Whole(data.ConsumeRandomLengthString(60));
  in.item.name = name;
  in.item.stem = folder ? name : FileNameOf(name, false);
  in.item.extension = folder ? std::string() : ExtensionOf(name);
  in.item.index = 1;
  in.item.count = 1;
  in.item.folder = folder;

  const std::string result = RunRule(which, data, in);
  if (!HasSeparator(name) && !HasSeparator(in.a) && !HasSeparator(in.b)) {
    FUZZ_CHECK(!HasSeparator(result));
  }
  return 0;
}
