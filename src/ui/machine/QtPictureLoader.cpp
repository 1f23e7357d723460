// Decoding element pictures with Qt.
#include "machine/QtPictureLoader.h"

#include <QHash>
#include <QImage>
#include <QString>

namespace kinemo {

namespace {

struct TPixmapEntry {
    const void* Data = nullptr;  // the picture's data when the pixmap was made
    std::string Path;
    QPixmap Pixmap;
};

// Pictures made by this loader, so their data can be read back as images.
QHash<const void*, bool>& OwnImages() {
    static QHash<const void*, bool> images;
    return images;
}

}  // namespace

std::shared_ptr<const void> TQtPictureLoader::Load(const std::string& path) {
    QImage image(QString::fromStdString(path));
    if (image.isNull()) return nullptr;
    auto data = std::shared_ptr<const QImage>(new QImage(std::move(image)), [](const QImage* p) {
        OwnImages().remove(p);
        delete p;
    });
    OwnImages().insert(data.get(), true);
    return data;
}

TQtPictureLoader& TQtPictureLoader::Instance() {
    static TQtPictureLoader loader;
    return loader;
}

QPixmap FactorPixmap(const TPicture* picture) {
    if (!picture) return {};
    static QHash<const TPicture*, TPixmapEntry> cache;
    const void* data = picture->Data().get();
    TPixmapEntry& entry = cache[picture];
    // Addresses are reused when a run's pictures are freed; the path tells them apart.
    if (entry.Data == data && entry.Path == picture->Path() && !entry.Pixmap.isNull()) return entry.Pixmap;
    entry.Data = data;
    entry.Path = picture->Path();
    if (data && OwnImages().contains(data)) entry.Pixmap = QPixmap::fromImage(*static_cast<const QImage*>(data));
    else entry.Pixmap = QPixmap(QString::fromStdString(picture->Path()));
    return entry.Pixmap;
}

}  // namespace kinemo
