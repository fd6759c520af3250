// The image viewer (frmVisorImatge) as ObreVisorImatge of
// clsFuncionsCapaInterficie opens it: made through a registered factory, as
// the lookup-table editor is, so that the core never reaches up into the
// dialogs built over it.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "Base/Trail.h"

namespace velmar {

class ImageViewer : public base::ErrorFields {
public:
    virtual ~ImageViewer() = default;

    // Set by the opener before Show.
    std::string strNomArxiuImatge;

    // Runs the start-up and shows the window; a failed start-up has shown
    // its error and leaves NumError set for the opener.
    virtual void Show() = 0;
};

// A new viewer that ends itself when it is closed, as the dialogs build it
// (dialogs/frmVisorImatge.cpp).
std::unique_ptr<ImageViewer> NewImageViewer();

// Puts another way of making a viewer in place of that one; with none,
// ObreVisorImatge fails with 429. Returns the one that was in place.
using ImageViewerFactory = std::function<std::unique_ptr<ImageViewer>()>;
ImageViewerFactory RegisterImageViewer(ImageViewerFactory factory);

// A viewer from the factory in place; raises 429 when there is none or it
// made none.
std::unique_ptr<ImageViewer> CreateImageViewer();

}  // namespace velmar
