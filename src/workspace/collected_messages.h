#pragma once
// Messages held back while the tables are being rebuilt: a message box runs the window's
// event loop, in which the port may deliver bytes into tables that are half made. They are
// shown together, in one box, once the tables are consistent again.

#include "workspace/services.h"

#include <string>
#include <vector>

namespace orvane {

class CollectedMessages final : public Dialogs {
  public:
    void Message(std::string_view text) override { texts_.emplace_back(text); }
    // Nothing may wait for an answer here: Cancel, which changes nothing.
    bool Confirm(std::string_view) override { return false; }

    // Shows what was collected, if anything, as one message, and forgets it.
    void ShowOn(Dialogs& dialogs);

  private:
    std::vector<std::string> texts_;
};

} // namespace orvane
