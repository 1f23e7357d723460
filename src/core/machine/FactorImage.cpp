// Picture cache.
#include "machine/FactorImage.h"

#include "base/AtomicFile.h"

#include <cstdio>

namespace kinemo {

std::shared_ptr<const void> TFilePictureLoader::Load(const std::string& path) {
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return nullptr;
    const bool hasData = std::fgetc(f) != EOF;
    std::fclose(f);
    return hasData ? std::make_shared<const std::string>(path) : nullptr;
}

std::string NormalizePicturePath(const std::string& programFolder, const std::string& relative) {
    std::string rel = relative;
    for (char& c : rel)
        if (c == '\\') c = '/';
    // "picture\\00.jpg" holds a doubled delimiter; one is enough on this side.
    std::string collapsed;
    for (char c : rel)
        if (!(c == '/' && !collapsed.empty() && collapsed.back() == '/')) collapsed.push_back(c);
    return programFolder + collapsed;
}

TPicture* TFactorImage::GetPicture(const std::string& path) {
    std::lock_guard lock(mutex_);
    auto it = cache_.find(path);
    if (it != cache_.end()) return it->second.get();
    if (!FileExists(path)) return nullptr;
    std::shared_ptr<const void> data = loader_->Load(path);
    if (!data) {
        unreadable_.insert(path);
        return nullptr;
    }
    auto picture = std::make_unique<TPicture>(path, std::move(data));
    TPicture* raw = picture.get();
    cache_.emplace(path, std::move(picture));
    return raw;
}

TPicture* TFactorImage::ReloadPicture(const std::string& path) {
    std::lock_guard lock(mutex_);
    auto it = cache_.find(path);
    if (it == cache_.end()) return GetPicture(path);
    if (!FileExists(path)) return nullptr;
    std::shared_ptr<const void> data = loader_->Load(path);
    if (!data) {
        unreadable_.insert(path);
        return nullptr;
    }
    it->second->SetData(std::move(data));
    return it->second.get();
}

}  // namespace kinemo
