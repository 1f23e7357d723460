// The picture cache of machine elements. The core keeps paths and opaque pictures; the
// desktop application installs a loader that decodes them into its own images.
#pragma once

#include <map>
#include <memory>
#include <mutex>
#include <set>
#include <string>

namespace kinemo {

// A loaded picture. Its decoded form is opaque to the core: the loader that made it
// knows what Data holds. Reloading replaces Data in place, so elements that point at
// the picture see the new one.
class TPicture {
public:
    TPicture(std::string path, std::shared_ptr<const void> data) : path_(std::move(path)), data_(std::move(data)) {}
    const std::string& Path() const { return path_; }
    const std::shared_ptr<const void>& Data() const { return data_; }
    void SetData(std::shared_ptr<const void> data) { data_ = std::move(data); }

private:
    std::string path_;
    std::shared_ptr<const void> data_;
};

class IPictureLoader {
public:
    virtual ~IPictureLoader() = default;
    // Decodes the file; null when it cannot.
    virtual std::shared_ptr<const void> Load(const std::string& path) = 0;
};

// Without a window a picture is known to exist and be readable, nothing more.
class TFilePictureLoader : public IPictureLoader {
public:
    std::shared_ptr<const void> Load(const std::string& path) override;
};

// Stored picture paths may use "\"; they are joined with the program folder using "/".
std::string NormalizePicturePath(const std::string& programFolder, const std::string& relative);

// One per context: sessions of several threads build their motor elements from it, so
// the cache is used under a lock.
class TFactorImage {
public:
    explicit TFactorImage(IPictureLoader& loader) : loader_(&loader) {}
    void SetLoader(IPictureLoader& loader) { loader_ = &loader; }
    IPictureLoader& Loader() { return *loader_; }

    // Cached picture of path; loads it when the file exists; null otherwise.
    TPicture* GetPicture(const std::string& path);
    // Re-reads a cached picture from its file (null when the file is gone; the cached
    // picture stays); acts as GetPicture when not cached.
    TPicture* ReloadPicture(const std::string& path);
    // Notes a file that is there but cannot be shown (GetPicture notes its own).
    void NoteUnreadable(const std::string& path) {
        std::lock_guard lock(mutex_);
        unreadable_.insert(path);
    }
    // Files that are there but could not be shown, by path: each was skipped.
    const std::set<std::string>& Unreadable() const { return unreadable_; }

private:
    std::recursive_mutex mutex_;
    IPictureLoader* loader_;
    std::map<std::string, std::unique_ptr<TPicture>> cache_;
    std::set<std::string> unreadable_;
};

}  // namespace kinemo
