#include "platform/office_arguments.h"

namespace orvane {

QStringList OfficeArguments(OfficeFile kind, const QString& file) {
    switch (kind) {
    case OfficeFile::Text:
        // Windows-1252, CR LF paragraphs, a fixed-pitch font so the screens' columns line up.
        return {QStringLiteral("--writer"),
                QStringLiteral("--infilter=Text (encoded):MS_1252,CRLF,Liberation Mono,"), file};
    case OfficeFile::PictureDocument:
        return {QStringLiteral("--writer"), file};
    case OfficeFile::Table:
        // Fields split at TAB (9), quoted by '"' (34), characters in Windows-1252 (1).
        return {QStringLiteral("--calc"),
                QStringLiteral("--infilter=Text - txt - csv (StarCalc):9,34,1"), file};
    }
    return {file};
}

} // namespace orvane
