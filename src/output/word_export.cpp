#include "output/word_export.h"

#include "output/export_file_name.h"
#include "output/output_messages.h"
#include "output/picture_document.h"
#include "output/stamps.h"

namespace orvane {
namespace {

bool ExportPicture(Services& services, Clipboard& clipboard, const PictureSurface& imgTemp,
                   const std::string& target) {
    const EncodedImage picture = imgTemp.Image();
    clipboard.Clear();
    clipboard.SetImage(picture);
    return Picture_To_Document(services.files, services.dataRoot, picture, target, services.locks,
                               services.paper);
}

} // namespace

std::string WordExportText(const Workspace& ws, const WindowState& win) {
    std::string text = Report_Header(ws, true);
    if (win.Text1.visible)
        text += win.Text1.text;
    else if (win.Text2.visible)
        text += win.Text2.text;
    text += "\r\n";
    return text;
}

std::string mnuExportToWord_Click(const Workspace& ws, const WindowState& win, Services& services,
                                  Clipboard& clipboard, const PictureSurface& imgTemp,
                                  Launcher& launcher) {
    EnsureDataRoot(services.files, services.dataRoot);
    const bool graph = win.imgScreenVisible;
    const std::string path =
        FreeExportPath(services.files, services.clock, services.dataRoot, graph ? ".doc" : ".txt");
    const bool written = graph ? ExportPicture(services, clipboard, imgTemp, path)
                               : services.files.Write(path, WordExportText(ws, win));
    if (!written) {
        services.dialogs.Message(CantWriteMessage(path));
        return {};
    }
    if (!launcher.OpenInWordProcessor(path, graph ? OfficeFile::PictureDocument : OfficeFile::Text))
        services.dialogs.Message(WordMissingMessage);
    return path;
}

} // namespace orvane
