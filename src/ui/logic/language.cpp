#include "ui/logic/language.h"

#include <string>

namespace orvane {

void ShowHeaderLabels(const Workspace& ws, WindowState& win) {
    const auto& texts = HeaderLabelTexts[ws.Language == 2 ? 1 : 0];
    for (std::size_t i = 0; i < texts.size(); ++i)
        win.HeaderLabel[i] = std::string(texts[i]);
}

void Form6_cmdOK_Click(Workspace& ws, WindowState& win, LanguageChoice choice) {
    if (choice == LanguageChoice::English)
        ws.Language = 1;
    else if (choice == LanguageChoice::German)
        ws.Language = 2;
    ShowHeaderLabels(ws, win);
}

} // namespace orvane
