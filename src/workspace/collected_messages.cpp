#include "workspace/collected_messages.h"

namespace orvane {

void CollectedMessages::ShowOn(Dialogs& dialogs) {
    if (texts_.empty())
        return;
    std::string text;
    for (const std::string& one : texts_)
        text += (text.empty() ? "" : "\r\n\r\n") + one;
    texts_.clear();
    dialogs.Message(text);
}

} // namespace orvane
