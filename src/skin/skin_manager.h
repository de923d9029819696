#pragma once

#include "skin/unpacked_skin.h"

#include <QObject>
#include <QString>
#include <memory>
#include <optional>

namespace skin {

// The skin manager: it loads the named skin from the skin directory and gives every window of
// the application its look. A skin is a ZIP archive named after it with ".zip", or else a folder
// of that name; either holds the style sheet "skin.qss", which may name the skin's pictures as
// "skin:<file>". Finding no skin switches the manager off without a word, and the windows keep
// their plain look. The pictures the style sheet names are read only from the skin's own folder
// (see with_skin_pictures_only).
class SkinManager : public QObject {
    Q_OBJECT

public:
    static constexpr const char* style_sheet_file = "skin.qss";
    static constexpr const char* packed_suffix = ".zip";
    // A packed skin larger than this is not read.
    static constexpr qint64 max_packed_size = 32 * 1024 * 1024;
    // A style sheet larger than this is not read: real ones are a few kilobytes.
    static constexpr qint64 max_style_sheet_size = 1024 * 1024;
    // The prefix under which a style sheet reaches the files of its skin folder.
    static constexpr const char* search_prefix = "skin";

    explicit SkinManager(QObject* parent = nullptr);
    ~SkinManager() override;

    // Reloads the named skin from the new directory while the manager is active.
    void set_skin_directory(const QString& directory);
    QString skin_directory() const { return directory_; }
    // Loads the skin of that name while the manager is active.
    void set_skin_name(const QString& name);
    QString skin_name() const { return name_; }
    // Off draws every window plainly at once; on loads the named skin again and applies it.
    void set_active(bool on);
    bool active() const { return active_; }
    // The style sheet of the skin in use; empty while none is applied.
    QString applied_style_sheet() const { return applied_; }

private:
    bool name_is_plain() const;
    // The packed skin unpacked into a private folder, or empty when there is none or it is damaged.
    QString unpacked_folder();
    // The skin folder's path, or empty when the directory holds no skin of the name.
    QString skin_folder() const;
    // The style sheet's text of the named skin, which is unpacked on the way if packed, and in
    // `folder` the folder it came from; nothing when there is no such skin or it cannot be read.
    std::optional<QString> read_style_sheet(QString& folder);
    void load();
    void unload();

    QString directory_;
    QString name_;
    bool active_ = true;
    bool loaded_ = false;
    QString applied_;
    QString sheet_before_;
    std::unique_ptr<UnpackedSkin> unpacked_;
};

} // namespace skin
