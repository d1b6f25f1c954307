// "确认无误，执行吧" carries out the proposals of the name list; "撤回上一步" renames the items
// of the last execution back. Undo works from the record of the renames that were done
// (folder, old and new name), never from row positions, so a refilled, re-sorted or cleared
// list cannot make it rename the wrong item.
#pragma once

#include "pipeline/app_state.h"

// Renames every row from column 0 to its proposal in column 1. A row whose rename succeeds
// shows its new name and loses its proposal; a row whose rename fails keeps both. Renames that
// failed because the name was still taken by another row's item are tried again once that
// item has moved, so chains such as a->b, b->c go through in any row order. The renames done
// replace the undo record; a refused click keeps the record of the previous execution.
void ExecuteClicked(AppState& app);

// Renames the recorded items back, last rename first, and shows each restored name in the row
// that showed the new one. Entries that cannot be undone stay recorded; the others are dropped.
void UndoClicked(AppState& app);
