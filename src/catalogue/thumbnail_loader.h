#pragma once

#include "pixels/bitmap.h"

#include <QImage>
#include <QObject>
#include <QSize>
#include <QString>
#include <QThreadPool>
#include <atomic>
#include <exception>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <vector>

namespace catalogue {

// A thumbnail file decoded for a view of `density` device pixels a layout pixel. `stamp` tells
// apart the versions of a file written again under the same name (its modification time).
struct ThumbnailKey {
    QString path;
    int density = 1;
    qint64 stamp = 0;

    bool operator==(const ThumbnailKey& other) const = default;
    bool operator<(const ThumbnailKey& other) const
    {
        if (density != other.density)
            return density < other.density;
        return path != other.path ? path < other.path : stamp < other.stamp;
    }
};

// What a slot shows: the picture at the slot's size and, on a denser view, the same picture
// decoded at that density (null at density 1).
struct Thumbnail {
    pixels::Bitmap stored;
    QImage dense;
};

// Decodes thumbnail files on threads of its own, never on the interface thread, however long a
// file takes, and keeps the decoded thumbnails of the window its view shows (the strip's, the
// gallery's). Each decoding ends in `done`, called on the interface thread: without an error the
// thumbnail is then found here; a failed one is not kept, so the next press that shows it tries
// again and reports again.
class ThumbnailLoader : public QObject {
public:
    using Done = std::function<void(const ThumbnailKey& key, std::exception_ptr error)>;
    // Makes the thumbnail of `key` at `size` layout pixels on a thread of the pool; may stop early
    // once `cancelled` is set. Throws what the file's reader throws.
    using Decoder =
        std::function<Thumbnail(const ThumbnailKey& key, QSize size, const std::atomic_bool* cancelled)>;

    // The catalogue's thumbnails: a JPEG file decoded at the scale closest to the size.
    static Thumbnail decode_jpeg(const ThumbnailKey& key, QSize size, const std::atomic_bool* cancelled);

    // Thumbnails are `size` layout pixels, made by `decode`.
    ThumbnailLoader(QSize size, Done done, Decoder decode = decode_jpeg);
    // Stops the decodings under way and waits for their threads.
    ~ThumbnailLoader() override;

    // Keeps the thumbnails of `window`, decoded or under way, and forgets every other one; a
    // decoding under way for a forgotten one stops and its result is dropped.
    void keep_only(const std::vector<ThumbnailKey>& window);
    // Starts decoding `key` unless it is decoded or under way; a higher `priority` starts first.
    void request(const ThumbnailKey& key, int priority);
    // Waits until every decoding asked for has ended or `at_most_ms` have passed, and calls `done`
    // for those that ended, handling no other event.
    void wait(int at_most_ms);
    // The decoded thumbnail of `key`, or nullptr while there is none.
    const Thumbnail* find(const ThumbnailKey& key) const;

private:
    struct Entry {
        std::shared_ptr<std::atomic_bool> cancelled;
        std::optional<Thumbnail> thumbnail;
    };

    void finished(const ThumbnailKey& key, const std::shared_ptr<std::atomic_bool>& cancelled,
                  const Thumbnail& thumbnail, std::exception_ptr error);

    QSize size_;
    Done done_;
    Decoder decode_;
    std::map<ThumbnailKey, Entry> entries_;
    QThreadPool pool_;
};

} // namespace catalogue
