#include "app/commands.h"

#include "ops/add/add_at_ends.h"

namespace {

struct Command {
  Ctl control;
  Event event;
  Handler handler;
};

// One row per handled event; keep rows grouped by tab page.
constexpr Command kCommands[] = {
    // Tab page " 添 加 ".
    {Ctl::按钮_加前缀, Event::Clicked, AddAtFrontClicked},
    {Ctl::按钮_加后缀, Event::Clicked, AddAtEndClicked},
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
