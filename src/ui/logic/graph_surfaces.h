#pragma once
// The two pictures of the graph view: the visible one (imgScreen) and the hidden full image
// (imgTemp) every repaint of the visible one comes from.

#include "serial/picture_surface.h"

namespace orvane {

struct GraphSurfaces {
    PictureSurface& imgScreen;
    PictureSurface& imgTemp;
};

// Both pictures blank, a picture loaded from a document dropped.
void ClearGraphSurfaces(GraphSurfaces& surfaces);

} // namespace orvane
