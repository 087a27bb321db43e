#include "ui/logic/graph_surfaces.h"

namespace orvane {

void ClearGraphSurfaces(GraphSurfaces& surfaces) {
    for (PictureSurface* surface : {&surfaces.imgScreen, &surfaces.imgTemp}) {
        surface->RemovePicture();
        surface->Clear();
    }
}

} // namespace orvane
