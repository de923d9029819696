#include "catalogue/thumbnail_loader.h"

#include "formats/jpeg.h"

#include <QCoreApplication>

namespace catalogue {

Thumbnail ThumbnailLoader::decode_jpeg(const ThumbnailKey& key, QSize size, const std::atomic_bool* cancelled)
{
    QImage image = formats::read_jpeg_scaled(key.path, size * key.density, cancelled);
    if (key.density == 1)
        return {pixels::Bitmap::from_image(image), QImage()};
    const QImage stored = image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    image.setDevicePixelRatio(key.density);
    return {pixels::Bitmap::from_image(stored), image};
}

ThumbnailLoader::ThumbnailLoader(QSize size, Done done, Decoder decode)
    : size_(size), done_(std::move(done)), decode_(std::move(decode))
{
}

ThumbnailLoader::~ThumbnailLoader()
{
    for (auto& [key, entry] : entries_)
        entry.cancelled->store(true);
    pool_.clear();
    pool_.waitForDone();
}

void ThumbnailLoader::keep_only(const std::vector<ThumbnailKey>& window)
{
    for (auto it = entries_.begin(); it != entries_.end();) {
        if (std::find(window.begin(), window.end(), it->first) != window.end()) {
            ++it;
            continue;
        }
        it->second.cancelled->store(true);
        it = entries_.erase(it);
    }
}

void ThumbnailLoader::request(const ThumbnailKey& key, int priority)
{
    if (entries_.contains(key))
        return;
    auto cancelled = std::make_shared<std::atomic_bool>(false);
    entries_[key] = {cancelled, std::nullopt};
    pool_.start(
        [this, key, cancelled, size = size_, decode = decode_] {
            if (cancelled->load())
                return;
            Thumbnail thumbnail;
            std::exception_ptr error;
            try {
                thumbnail = decode(key, size, cancelled.get());
            } catch (...) {
                error = std::current_exception();
            }
            QMetaObject::invokeMethod(
                this,
                [this, key, cancelled, thumbnail, error] { finished(key, cancelled, thumbnail, error); },
                Qt::QueuedConnection);
        },
        priority);
}

void ThumbnailLoader::wait(int at_most_ms)
{
    pool_.waitForDone(at_most_ms);
    // The ends of the decodings are this object's queued calls.
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
}

const Thumbnail* ThumbnailLoader::find(const ThumbnailKey& key) const
{
    const auto it = entries_.find(key);
    return it == entries_.end() || !it->second.thumbnail ? nullptr : &*it->second.thumbnail;
}

void ThumbnailLoader::finished(const ThumbnailKey& key, const std::shared_ptr<std::atomic_bool>& cancelled,
                               const Thumbnail& thumbnail, std::exception_ptr error)
{
    const auto it = entries_.find(key);
    // A thumbnail forgotten (and perhaps asked for again) while it was decoded.
    if (it == entries_.end() || it->second.cancelled != cancelled)
        return;
    if (error)
        entries_.erase(it);
    else
        it->second.thumbnail = thumbnail;
    done_(key, error);
}

} // namespace catalogue
