#include "core/services/ImageViewer.h"

#include "core/services/RegisteredFactory.h"

namespace velmar {
namespace {

RegisteredFactory<ImageViewer>& Viewers() {
    static RegisteredFactory<ImageViewer> viewers(NewImageViewer);
    return viewers;
}

}  // namespace

ImageViewerFactory RegisterImageViewer(ImageViewerFactory factory) { return Viewers().Register(std::move(factory)); }

std::unique_ptr<ImageViewer> CreateImageViewer() { return Viewers().Create(); }

}  // namespace velmar
