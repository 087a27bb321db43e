#pragma once
// Pictures of the window: toolbar buttons from the desktop's icon theme with bundled
// fallbacks, and the program's logo.

#include <QIcon>
#include <QPixmap>
#include <QString>

namespace orvane {

// The theme's icon `themeName` (a freedesktop name), else the bundled ":/icons/<fallback>.png".
QIcon ThemedIcon(const QString& themeName, const QString& fallback);

// The logo at `size` x `size` logical pixels: the SVG when the SVG plugin is present, else
// its bundled rendering.
QPixmap LogoPixmap(int size);

} // namespace orvane
