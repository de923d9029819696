#pragma once

#include <QString>

namespace core {

// Absolute paths of the resource tree beside the executable, each ending in '/'. Computed once
// at start-up and never changed.
struct ResourcePaths {
    QString app_dir;
    QString preview_dir;
    QString clipart_dir;
    QString interface_dir;
    QString gradients_dir;
    QString instruments_dir;
    QString buttons_dir;
    QString curs_dir;
    QString info_dir;
    QString banks_dir;
    QString tmp_dir;
    // What this running copy's snapshot names carry, so that copies sharing `tmp_dir` keep apart;
    // set once the copy has claimed its snapshots, empty for the first copy.
    QString snapshot_tag;

    // `app_dir` may come with or without its trailing separator.
    static ResourcePaths under(const QString& app_dir);
    QString save_dir() const { return app_dir + "save/"; }
    QString pic_dop_dir() const { return app_dir + "res/pic-dop/"; }
    // The skin engine is given the directory without a trailing separator.
    QString skin_dir() const { return app_dir + "res/skins"; }
};

} // namespace core
