#include "output/save.h"

#include "output/output_messages.h"
#include "output/picture_document.h"

#include <algorithm>

namespace orvane {

std::string SaveFolderOf(std::string_view chosenPath) {
    const std::size_t last = chosenPath.find_last_of("\\/");
    if (last == std::string_view::npos)
        return {};
    return std::string(chosenPath.substr(0, last + 1));
}

std::string WithExtension(const std::string& chosenPath, std::string_view extension) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    const bool hasIt = chosenPath.size() > extension.size() &&
                       std::equal(extension.begin(), extension.end(),
                                  chosenPath.end() - static_cast<std::ptrdiff_t>(extension.size()),
                                  [&](char a, char b) { return lower(a) == lower(b); });
    return hasIt ? chosenPath : chosenPath + std::string(extension);
}

bool Save_Text(FileSystem& files, const std::string& chosenPath, std::string_view text) {
    std::string bytes(text);
    bytes += "\r\n";
    return files.Append(WithExtension(chosenPath, ".txt"), bytes);
}

void mnuSave_Click(Workspace& ws, const WindowState& win, Services& services, Clipboard& clipboard,
                   const PictureSurface& imgTemp, const std::optional<std::string>& chosenPath) {
    if (!chosenPath)
        return;
    ws.SaveFolder = SaveFolderOf(*chosenPath);

    if (win.Text1.visible && !Save_Text(services.files, *chosenPath, win.Text1.text))
        services.dialogs.Message(CantWriteMessage(WithExtension(*chosenPath, ".txt")));

    if (win.imgScreenVisible) {
        const EncodedImage picture = imgTemp.Image();
        clipboard.Clear();
        clipboard.SetImage(picture);
        const std::string target = WithExtension(*chosenPath, ".doc");
        if (!Picture_To_Document(services.files, services.dataRoot, picture, target, services.locks,
                                 services.paper))
            services.dialogs.Message(CantWriteMessage(target));
    }
}

} // namespace orvane
