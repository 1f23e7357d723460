// Element pictures for the desktop: the picture loader that decodes files into images,
// and the pixmap of a core picture for drawing.
#pragma once

#include "machine/FactorImage.h"

#include <QPixmap>

namespace kinemo {

class TQtPictureLoader : public IPictureLoader {
public:
    // A QImage; null when the file is missing or not a picture.
    std::shared_ptr<const void> Load(const std::string& path) override;
    // The one loader of the run (the context keeps a reference to it).
    static TQtPictureLoader& Instance();
};

// The picture as a pixmap (empty when there is none). Works whichever loader made the
// picture: it is decoded again from its file when its data is not one of ours.
QPixmap FactorPixmap(const TPicture* picture);

}  // namespace kinemo
