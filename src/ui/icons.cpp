#include "ui/icons.h"

// The resources live in this static library; the linker keeps them only when referenced.
static void InitResources() {
    Q_INIT_RESOURCE(resources);
}

namespace orvane {
namespace {

void EnsureResources() {
    static const bool done = (InitResources(), true);
    (void)done;
}

} // namespace

QIcon ThemedIcon(const QString& themeName, const QString& fallback) {
    EnsureResources();
    // Both sizes, whatever the scale the program started at: a window may move to a screen
    // of twice the scale (QIcon alone adds only the variant of the starting scale).
    QIcon pictures;
    pictures.addFile(QStringLiteral(":/icons/%1.png").arg(fallback));
    pictures.addFile(QStringLiteral(":/icons/%1@2x.png").arg(fallback));
    return QIcon::fromTheme(themeName, pictures);
}

QPixmap LogoPixmap(int size) {
    EnsureResources();
    QIcon logo(QStringLiteral(":/orvane-reporter.svg"));
    QPixmap pixmap = logo.pixmap(size, size);
    if (pixmap.isNull())
        pixmap = QIcon(QStringLiteral(":/orvane-reporter.png")).pixmap(size, size);
    return pixmap;
}

} // namespace orvane
