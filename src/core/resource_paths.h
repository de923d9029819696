#pragma once

#include <QString>
#include <QStringList>

namespace core {

// Absolute paths of the resource tree and of the folders the program writes, each ending in '/'.
// Computed once at start-up and never changed.
struct ResourcePaths {
    // The folder that holds res/ (and, in the portable layout, Tmp/ and save/).
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
    // The folders laid out like res/ (clipart/, preview/, info/) whose places the catalogue shows,
    // in the order a name is looked up: the user's own, every user's, the shipped res/ last.
    QStringList catalogue_dirs;
    // Where the undo snapshots are written.
    QString tmp_dir;
    // Where the save dialog starts.
    QString drawings_dir;
    // True when the program's folder is not writable and the user's own folders are used instead.
    bool in_user_folders = false;
    // What this running copy's snapshot names carry, so that copies sharing `tmp_dir` keep apart;
    // set once the copy has claimed its snapshots, empty for the first copy.
    QString snapshot_tag;

    // The portable layout: res/, Tmp/ and save/ all under `app_dir`, which may come with or without
    // its trailing separator.
    static ResourcePaths under(const QString& app_dir);
    // The layout for the executable in `program_dir`: the resource tree beside it or, installed, in
    // ../share/koloriton/; the portable layout while its Tmp/ is writable, else the user's own
    // folders (see user_snapshot_dir and user_drawings_dir). Creates the user's snapshot folder, or
    // when it cannot be made (no home folder) uses private_snapshot_dir().
    // The catalogue also shows the places of user_catalogue_dir and shared_catalogue_dirs.
    static ResourcePaths for_program(const QString& program_dir);

    QString save_dir() const { return drawings_dir; }
    // Where the open dialog starts: the extra pictures of the resource tree, or the user's own
    // drawings once there is a folder of them.
    QString open_dir() const;
    QString pic_dop_dir() const { return app_dir + "res/pic-dop/"; }
    // The skin engine is given the directory without a trailing separator.
    QString skin_dir() const { return app_dir + "res/skins"; }
};

// The folder that holds the resource tree res/ of the executable in `program_dir`, ending in '/':
// beside the executable (the runnable folder of the build or a portable copy) or where an
// installation under a prefix puts it.
QString resource_root(const QString& program_dir);

// The per-user folders, under the current user's home: one user's files never meet another's.
QString user_snapshot_dir();
QString user_drawings_dir();
// The user's own folder (mode 0700) under the runtime directory, or the temporary directory
// without one, for snapshots when the home folder cannot hold them.
QString private_snapshot_dir();
// Where each running copy keeps the drawing in progress for after a crash: koloriton/ in the
// user's state folder (XDG_STATE_HOME, or ~/.local/state without it), made when missing, or
// private_snapshot_dir() when it cannot be made (no home folder, a read-only one).
QString recovery_dir();
// Where the user's own places are made: koloriton/ in the user's data folder (XDG_DATA_HOME).
QString user_catalogue_dir();
// Every catalogue folder of the executable in `program_dir`, in the order of
// ResourcePaths::catalogue_dirs.
QStringList catalogue_dirs_for_program(const QString& program_dir);
// The places an administrator made for every user: koloriton/ in each folder of XDG_DATA_DIRS.
QStringList shared_catalogue_dirs();

} // namespace core
