#pragma once

#include "app/exit_confirmation.h"
#include "app/highlighting.h"
#include "app/main_window_controls.h"
#include "app/save_before_leaving.h"
#include "app/sound_cues.h"
#include "app/whole_screen.h"
#include "core/process_state.h"
#include "settings/settings.h"

#include <QMainWindow>
#include <QSet>
#include <memory>

namespace catalogue {
class CatalogueWatcher;
class GalleryPage;
class PageSwitcher;
class InfoPanel;
class PreviewStrip;
} // namespace catalogue
namespace colours {
class ColourPanel;
}
namespace drawing {
class PatternSizeButtons;
class ToolButtons;
class Canvas;
class CanvasPointers;
} // namespace drawing
namespace history {
class UndoRedo;
class DrawingFiles;
class SnapshotSlot;
class UnsavedChanges;
class RecoveryRecord;
struct RecoveredDrawing;
} // namespace history
namespace output {
class OutputWindows;
struct WorkPageExample;
} // namespace output
namespace skin {
class SkinManager;
class HintManager;
} // namespace skin

namespace app {

class FingerTargets;

// The main window: a fixed 997 x 698 client area of picture controls over one background picture,
// the menu bar, and the subsystems that serve them. The window holds no drawing logic.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    static constexpr QSize client_size{997, 698};

    // `app_dir` is the executable's folder: the one that holds res/, Tmp/ and save/ or, installed,
    // the bin/ folder beside share/koloriton/.
    explicit MainWindow(const QString& app_dir, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Hands each subsystem the adults' settings it takes, once the window has started. With the
    // default settings nothing changes.
    // `locked` names the keys a system file locks ("sound/enabled" keeps the session's key from
    // switching sound).
    void apply_settings(const settings::Settings& values, const QSet<QString>& locked = {});

    // Keeps the drawing in progress in `folder` for after a crash (core::recovery_dir() when the
    // program runs), first giving back the drawing a copy that ended uncleanly left there.
    void keep_recovery_record(const QString& folder);
    // Null until keep_recovery_record().
    history::RecoveryRecord* recovery_record() { return recovery_.get(); }

    app::MainWindowControls& controls() { return controls_; }
    core::ProcessState& state() { return state_; }
    catalogue::PreviewStrip& preview_strip() { return *preview_strip_; }
    history::DrawingFiles& drawing_files() { return *drawing_files_; }
    // The page of the drawings folder that opening shows with `[saving] gallery`.
    catalogue::GalleryPage& gallery_page();
    // Fingers and pens on the canvas.
    drawing::CanvasPointers& canvas_pointers() { return *canvas_pointers_; }
    // The print and help windows and their handlers.
    output::OutputWindows& output_windows() { return *output_windows_; }
    skin::SkinManager& skin_manager() { return *skin_manager_; }
    skin::HintManager& hint_manager() { return *hint_manager_; }
    // Shows the window, in the whole-screen mode when `whole_screen` asks for it or when the
    // window has no room on its screen (unless the settings keep the window there).
    void show_on_screen(bool whole_screen);
    // The whole-screen mode, toggled by F11 and started by --fullscreen: the window fills its
    // screen with its layout scaled uniformly. F11 leaves it only for a window that has room.
    void set_whole_screen(bool on);
    bool is_whole_screen() const { return whole_screen_->is_on(); }
    const WholeScreen& whole_screen_mode() const { return *whole_screen_; }
    // The sounds that answer the child's actions; the key Ctrl+M switches them for the session.
    SoundCues& sound_cues() { return *sound_cues_; }
    // Replaces the exit question's message box, for tests.
    void set_exit_question(ExitConfirmation::Question question) { exit_->set_question(std::move(question)); }
    // Replaces the question "Сохранить рисунок?", for tests.
    void set_save_question(SaveBeforeLeaving::Question question)
    {
        saving_->set_question(std::move(question));
    }

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void set_up_window();
    void create_menu();
    void create_whole_screen_key();
    void create_sound_key();
    void follow_whole_screen_scale();
    void create_subsystems();
    // Touches beside a control smaller than a fingertip go to that control.
    void create_finger_targets(QWidget* client);
    void start_up(const QString& app_dir);
    void register_cursors();
    void restore_drawing(const history::RecoveredDrawing& recovered);
    // A window of its own over the same folder, never shown on screen, on its work page with the
    // first catalogue picture open: what the help picture shows while this one is not there.
    output::WorkPageExample work_page_example() const;

    core::ProcessState state_;
    std::unique_ptr<history::SnapshotSlot> snapshot_slot_;
    app::MainWindowControls controls_;
    std::unique_ptr<Highlighting> highlighting_;
    std::unique_ptr<history::UnsavedChanges> unsaved_changes_;
    WholeScreen* whole_screen_ = nullptr;
    bool fit_small_screens_ = true; // the whole-screen mode where the window has no room
    std::unique_ptr<catalogue::PageSwitcher> page_switcher_;
    std::unique_ptr<catalogue::InfoPanel> info_panel_;
    std::unique_ptr<catalogue::PreviewStrip> preview_strip_;
    // Lists the strip again when a place is added, replaced or removed while the program runs.
    std::unique_ptr<catalogue::CatalogueWatcher> catalogue_watcher_;
    std::unique_ptr<colours::ColourPanel> colour_panel_;
    std::unique_ptr<drawing::PatternSizeButtons> pattern_size_buttons_;
    std::unique_ptr<drawing::ToolButtons> tool_buttons_;
    std::unique_ptr<drawing::Canvas> canvas_;
    std::unique_ptr<drawing::CanvasPointers> canvas_pointers_;
    std::unique_ptr<FingerTargets> finger_targets_;
    std::unique_ptr<history::UndoRedo> undo_redo_;
    std::unique_ptr<history::DrawingFiles> drawing_files_;
    std::unique_ptr<SaveBeforeLeaving> saving_;
    std::unique_ptr<ExitConfirmation> exit_;
    std::unique_ptr<SoundCues> sound_cues_;
    std::unique_ptr<history::RecoveryRecord> recovery_;
    output::OutputWindows* output_windows_ = nullptr;
    catalogue::GalleryPage* gallery_page_ = nullptr;
    skin::SkinManager* skin_manager_ = nullptr; // the look of every window of the program
    skin::HintManager* hint_manager_ = nullptr; // balloon hints of the picture controls
    bool cursor_hidden_ = false;                // [input] hide_cursor took the pointer away
};

} // namespace app
