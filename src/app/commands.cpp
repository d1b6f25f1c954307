#include "app/commands.h"

#include "app/window_options.h"
#include "listing/extension_boxes.h"
#include "listing/target_folder.h"
#include "listing/test_items.h"
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
#include "ops/option_pairs.h"
#include "ops/replace/change_extension.h"
#include "ops/replace/chinese_conversion.h"
#include "ops/replace/chinese_numerals.h"
#include "ops/replace/pad_number.h"
#include "ops/replace/replace_text.h"
#include "pipeline/execute_undo.h"
#include "pipeline/name_file.h"
#include "pipeline/name_list.h"
#include "pipeline/preview_toggle.h"

namespace {

struct Command {
  Ctl control;
  Event event;
  Handler handler;
};

// One row per handled event; keep rows grouped by tab page.
constexpr Command kCommands[] = {
    // Top of the window, target folder, test items and the name list.
    {Ctl::选择框5, Event::Clicked, TopMostClicked},
    {Ctl::选择框1, Event::Clicked, FilesKindClicked},
    {Ctl::选择框2, Event::Clicked, FoldersKindClicked},
    {Ctl::组合框4, Event::Chosen, IncludeExtensionChosen},
    {Ctl::组合框4, Event::TextChanged, IncludeExtensionTextChanged},
    {Ctl::组合框4, Event::DropDown, IncludeExtensionDropDown},
    {Ctl::组合框2, Event::Chosen, SkipExtensionChosen},
    {Ctl::组合框2, Event::TextChanged, SkipExtensionTextChanged},
    {Ctl::组合框2, Event::DropDown, SkipExtensionDropDown},
    {Ctl::按钮8, Event::Clicked, PreviewToggleClicked},
    {Ctl::按钮1, Event::Clicked, ChooseFolderClicked},
    {Ctl::编辑框14, Event::FocusGained, TestItemFolderFocused},
    {Ctl::编辑框15, Event::FocusGained, TestItemExtensionFocused},
    {Ctl::按钮14, Event::Clicked, CreateTestItemsClicked},
    {Ctl::超级列表框1, Event::Clicked, NameListClicked},
    {Ctl::按钮17, Event::Clicked, ExecuteClicked},
    {Ctl::按钮18, Event::Clicked, UndoClicked},
    {Ctl::按钮13, Event::Clicked, ClearInputsClicked},
    {Ctl::按钮9, Event::Clicked, ClearNameListClicked},
    {Ctl::按钮16, Event::Clicked, SaveNamesClicked},
    // Tab page " 删 除 ".
    {Ctl::按钮3, Event::Clicked, DeleteBetweenClicked},
    {Ctl::组合框1, Event::Chosen, PunctuationStyleChosen},
    {Ctl::选择框_1头, Event::Clicked, PairedBoxClicked<Ctl::选择框_1头, Ctl::选择框_1尾>},
    {Ctl::选择框_1尾, Event::Clicked, PairedBoxClicked<Ctl::选择框_1尾, Ctl::选择框_1头>},
    {Ctl::选择框_2头, Event::Clicked, PairedBoxClicked<Ctl::选择框_2头, Ctl::选择框_2尾>},
    {Ctl::选择框_2尾, Event::Clicked, PairedBoxClicked<Ctl::选择框_2尾, Ctl::选择框_2头>},
    {Ctl::按钮7, Event::Clicked, DeleteLeftClicked},
    {Ctl::单选框11, Event::Clicked, RadioClicked<Ctl::单选框11, Ctl::单选框12>},
    {Ctl::单选框12, Event::Clicked, RadioClicked<Ctl::单选框12, Ctl::单选框11>},
    {Ctl::按钮_去掉后面的, Event::Clicked, DeleteRightClicked},
    {Ctl::单选框1, Event::Clicked, RadioClicked<Ctl::单选框1, Ctl::单选框2>},
    {Ctl::单选框2, Event::Clicked, RadioClicked<Ctl::单选框2, Ctl::单选框1>},
    {Ctl::按钮2, Event::Clicked, DeleteOccurrencesClicked},
    {Ctl::单选框13, Event::Clicked, RadioClicked<Ctl::单选框13, Ctl::单选框14>},
    {Ctl::单选框14, Event::Clicked, RadioClicked<Ctl::单选框14, Ctl::单选框13>},
    // Tab page " 替 换 ".
    {Ctl::按钮4, Event::Clicked, ReplaceAllClicked},
    {Ctl::单选框7, Event::Clicked, RadioClicked<Ctl::单选框7, Ctl::单选框8>},
    {Ctl::单选框8, Event::Clicked, RadioClicked<Ctl::单选框8, Ctl::单选框7>},
    {Ctl::单选框9, Event::Clicked, RadioClicked<Ctl::单选框9, Ctl::单选框10>},
    {Ctl::单选框10, Event::Clicked, RadioClicked<Ctl::单选框10, Ctl::单选框9>},
    {Ctl::单选框15, Event::Clicked, ToSimplifiedChosen},
    {Ctl::单选框16, Event::Clicked, ToTraditionalChosen},
    {Ctl::按钮5, Event::Clicked, ConvertChineseClicked},
    {Ctl::按钮11, Event::Clicked, PadNumberClicked},
    {Ctl::按钮6, Event::Clicked, ChangeExtensionClicked},
    {Ctl::组合框3, Event::TextChanged, NewExtensionTextChanged},
    {Ctl::组合框3, Event::DropDown, NewExtensionDropDown},
    {Ctl::按钮15, Event::Clicked, ChineseNumeralsClicked},
    // Tab page " 添 加 ".
    {Ctl::按钮10, Event::Clicked, AddAtMarkerClicked},
    {Ctl::单选框5, Event::Clicked, RadioClicked<Ctl::单选框5, Ctl::单选框6>},
    {Ctl::单选框6, Event::Clicked, RadioClicked<Ctl::单选框6, Ctl::单选框5>},
    {Ctl::单选框3, Event::Clicked, BeforeMarkerClicked},
    {Ctl::单选框4, Event::Clicked, AfterMarkerClicked},
    {Ctl::按钮_加前缀, Event::Clicked, AddAtFrontClicked},
    {Ctl::按钮_加后缀, Event::Clicked, AddAtEndClicked},
    {Ctl::按钮_加后缀2, Event::Clicked, AddAfterExtensionClicked},
    {Ctl::按钮12, Event::Clicked, AddAfterNumberClicked},
    {Ctl::按钮_加后缀1, Event::Clicked, AddVideoNumberClicked},
    {Ctl::按钮_加后缀3, Event::Clicked, AddSequenceNumberClicked},
};

}  // namespace

Handler HandlerFor(Ctl control, Event event) {
  for (const Command& command : kCommands) {
    if (command.control == control && command.event == event) return command.handler;
  }
  return nullptr;
}

void Dispatch(AppState& app, Ctl control, Event event) {
  if (Handler handler = HandlerFor(control, event)) handler(app);
}
