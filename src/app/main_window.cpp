#include "app/main_window.h"

#include "app/finger_targets.h"
#include "app/main_window_layout.h"
#include "catalogue/catalogue_watcher.h"
#include "catalogue/gallery_page.h"
#include "catalogue/info_panel.h"
#include "catalogue/page_switcher.h"
#include "catalogue/preview_strip.h"
#include "colours/colour_panel.h"
#include "core/application_icon.h"
#include "core/fonts.h"
#include "drawing/canvas.h"
#include "drawing/canvas_pointers.h"
#include "drawing/pattern_size_buttons.h"
#include "drawing/tool_buttons.h"
#include "formats/picture_density.h"
#include "history/drawing_files.h"
#include "history/recovery_record.h"
#include "history/snapshot.h"
#include "history/undo_redo.h"
#include "history/unsaved_changes.h"
#include "output/help_areas.h"
#include "output/help_window.h"
#include "output/output_windows.h"
#include "output/print_window.h"
#include "platform/error_guard.h"
#include "platform/errors.h"
#include "skin/hint_manager.h"
#include "skin/skin_manager.h"
#include "widgets/notice.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeySequence>
#include <QLayout>
#include <QMenuBar>
#include <QScreen>
#include <QShowEvent>
#include <QTimer>

namespace app {
namespace {

output::HelpControls help_controls(const MainWindowControls& c)
{
    return {c.strip_up_button, c.strip_down_button, c.strip_slot_model,     c.canvas,         c.undo_button,
            c.redo_button,     c.red_jar,           c.light_blue_jar,       c.shade_strip,    c.size_4_button,
            c.brush_button,    c.pipette_button,    c.solid_pattern_button, c.rhombus_button, c.photograph,
            c.description_box, c.home_button,       c.print_button,         c.open_button,    c.save_button,
            c.exit_button};
}

} // namespace

MainWindow::MainWindow(const QString& app_dir, QWidget* parent) : QMainWindow(parent)
{
    set_up_window();
    auto* client = new QWidget(this);
    client->setObjectName("client");
    client->setFixedSize(client_size);
    setCentralWidget(client);
    create_layout(controls_, client);
    create_menu();
    whole_screen_ = new WholeScreen(*this, *client);
    create_whole_screen_key();
    create_subsystems();
    create_finger_targets(client);
    create_sound_key();
    follow_whole_screen_scale();
    start_up(app_dir);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
}

MainWindow::~MainWindow()
{
    // The record's writer may still hold the canvas; it ends before the controls do.
    recovery_.reset();
    if (cursor_hidden_)
        QGuiApplication::restoreOverrideCursor();
}

void MainWindow::apply_settings(const settings::Settings& values, const QSet<QString>& locked)
{
    sound_cues_->apply(values.sound_enabled, values.sound_volume,
                       locked.contains(QStringLiteral("sound/enabled")));
    undo_redo_->keep_outlines(values.keep_outlines);
    undo_redo_->keep_steps(values.undo_steps);
    state_.allowed = {values.allow_saving, values.allow_opening, values.allow_printing};
    output_windows_->show_allowances();
    drawing_files_->show_allowances();
    drawing_files_->use_drawings_folder(values.drawings_folder);
    drawing_files_->use_gallery(values.gallery);
    fit_small_screens_ = values.fit_small_screens;
    canvas_pointers_->set_pen_only(values.pen_only);
    canvas_pointers_->set_follow_pressure(values.follow_pressure);
    if (values.hide_cursor != cursor_hidden_) {
        cursor_hidden_ = values.hide_cursor;
        if (cursor_hidden_)
            QGuiApplication::setOverrideCursor(Qt::BlankCursor);
        else
            QGuiApplication::restoreOverrideCursor();
    }
}

void MainWindow::show_on_screen(bool whole_screen)
{
    show();
    set_whole_screen(whole_screen || (fit_small_screens_ && !whole_screen_->window_fits()));
}

void MainWindow::create_finger_targets(QWidget* client)
{
    const MainWindowControls& c = controls_;
    std::vector<QWidget*> small{
        c.size_1_button,  c.size_2_button,    c.photo_tab,      c.description_tab,          c.triangle_button,
        c.rhombus_button, c.rectangle_button, c.ellipse_button, c.rounded_rectangle_button, c.line_button};
    for (QWidget* pattern : c.pattern_buttons())
        small.push_back(pattern);
    finger_targets_ = std::make_unique<FingerTargets>(client, c.page_background, std::move(small));
}

void MainWindow::set_up_window()
{
    setObjectName("main_window");
    setWindowTitle(tr("Колоритон"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    core::register_layout_font();
    setFont(core::layout_font());
    // Every window of the program, dialogs and message boxes included, carries its icon.
    QApplication::setWindowIcon(core::application_icon());
}

void MainWindow::create_menu()
{
    controls_.menu = menuBar();
    controls_.menu->setObjectName("menu");
    struct MenuItem {
        QAction* app::MainWindowControls::*slot;
        const char* name;
        const char* caption;
        QList<QKeySequence> shortcuts;
    };
    // The keys a parent expects from any program; each runs its item's handler, and only while the
    // item is enabled.
    // clang-format off
    const MenuItem items[] = {
        {&app::MainWindowControls::home_action, "home_action", QT_TR_NOOP("Главная"), {}},
        {&app::MainWindowControls::open_action, "open_action", QT_TR_NOOP("Открыть/загрузить"), {QKeySequence(Qt::CTRL | Qt::Key_O)}},
        {&app::MainWindowControls::save_action, "save_action", QT_TR_NOOP("Сохранить"), {QKeySequence(Qt::CTRL | Qt::Key_S)}},
        {&app::MainWindowControls::undo_action, "undo_action", QT_TR_NOOP("Отменить"), {QKeySequence(Qt::CTRL | Qt::Key_Z)}},
        {&app::MainWindowControls::redo_action, "redo_action", QT_TR_NOOP("Повторить"),
         {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)}},
        {&app::MainWindowControls::print_action, "print_action", QT_TR_NOOP("Печать"), {QKeySequence(Qt::CTRL | Qt::Key_P)}},
        {&app::MainWindowControls::help_action, "help_action", QT_TR_NOOP("Справка"), {QKeySequence(Qt::Key_F1)}},
        {&app::MainWindowControls::about_action, "about_action", QT_TR_NOOP("О программе"), {}},
        {&app::MainWindowControls::exit_action, "exit_action", QT_TR_NOOP("Выход"), {}},
    };
    // clang-format on
    for (const MenuItem& item : items) {
        QAction* action = controls_.menu->addAction(tr(item.caption));
        action->setObjectName(item.name);
        action->setShortcuts(item.shortcuts);
        controls_.*item.slot = action;
    }
}

void MainWindow::create_whole_screen_key()
{
    // A key of the window, not an item of the menu, whose items stay as they are.
    auto* toggle = new QAction(this);
    toggle->setObjectName("whole_screen_action");
    toggle->setShortcut(QKeySequence(Qt::Key_F11));
    addAction(toggle);
    connect(toggle, &QAction::triggered, this, [this] {
        // A window out of the screen's reach would hide the menu and the exit button.
        if (!is_whole_screen() || !fit_small_screens_ || whole_screen_->window_fits())
            set_whole_screen(!is_whole_screen());
    });
}

void MainWindow::create_sound_key()
{
    auto* toggle = new QAction(this);
    toggle->setObjectName("sound_action");
    toggle->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_M));
    addAction(toggle);
    connect(toggle, &QAction::triggered, this, [this] { sound_cues_->toggle(); });
}

void MainWindow::set_whole_screen(bool on)
{
    whole_screen_->set_on(on);
}

void MainWindow::follow_whole_screen_scale()
{
    // Thumbnails are decoded at a density, not read from a file when painted, so they are made again
    // once the view's scale is known.
    connect(whole_screen_, &WholeScreen::scale_settled, this, [this](double scale) {
        platform::guarded(
            [&] { preview_strip_->show_at_density(formats::wanted_density(devicePixelRatioF() * scale)); });
    });
}

void MainWindow::create_subsystems()
{
    const app::MainWindowControls& c = controls_;
    core::DrawingState& drawing = state_.drawing;
    core::ResourcePaths& paths = state_.paths;
    colour_panel_ = std::make_unique<colours::ColourPanel>(
        colours::ColourControls{c.jars(), c.shade_strip, c.pattern_frames(), c.bucket_button, c.brush_button,
                                c.pattern_buttons(), c.size_buttons()},
        paths, drawing, state_.chosen_jar);
    unsaved_changes_ = std::make_unique<history::UnsavedChanges>(*c.canvas);
    undo_redo_ = std::make_unique<history::UndoRedo>(
        history::UndoRedoControls{c.canvas, c.undo_button, c.redo_button, c.undo_action, c.redo_action},
        paths, *unsaved_changes_);
    info_panel_ = std::make_unique<catalogue::InfoPanel>(
        catalogue::InfoControls{c.photo_tab, c.description_tab, c.info_frame, c.photograph,
                                c.description_box},
        paths, drawing, *colour_panel_);
    page_switcher_ = std::make_unique<catalogue::PageSwitcher>(
        catalogue::PageControls{c.page_background, c.canvas, c.home_button, c.home_action,
                                c.drawing_controls()},
        paths, state_.work_page_shown, drawing, *info_panel_, *colour_panel_, *unsaved_changes_, *undo_redo_);
    preview_strip_ = std::make_unique<catalogue::PreviewStrip>(
        catalogue::StripControls{c.strip_up_button, c.strip_down_button, c.catalogue_list,
                                 c.page_background->parentWidget()},
        paths, state_.preview_pos, *page_switcher_);
    pattern_size_buttons_ = std::make_unique<drawing::PatternSizeButtons>(
        drawing::PatternSizeControls{c.pattern_buttons(), c.size_buttons()}, drawing, *colour_panel_);
    tool_buttons_ = std::make_unique<drawing::ToolButtons>(
        drawing::ToolControls{c.tool_buttons(), c.canvas, c.photograph}, paths, drawing,
        state_.screen_cursors, *colour_panel_);
    canvas_ = std::make_unique<drawing::Canvas>(c.canvas, drawing, *colour_panel_, *undo_redo_);
    canvas_pointers_ = std::make_unique<drawing::CanvasPointers>(c.canvas, *canvas_);
    drawing_files_ = std::make_unique<history::DrawingFiles>(
        history::DrawingFileControls{c.canvas, c.save_button, c.open_button, c.save_action, c.open_action,
                                     &controls_.save_dialog, &controls_.open_dialog},
        paths, state_.allowed, *unsaved_changes_, [this](bool opened) {
            page_switcher_->show_own_drawing(opened);
            if (opened && recovery_)
                recovery_->page_opened(
                    {history::RecordedPage::Kind::own_drawing, drawing_files_->opened_path(), {}});
        });
    saving_ = std::make_unique<SaveBeforeLeaving>(*unsaved_changes_, *drawing_files_, state_.allowed, this);
    exit_ = std::make_unique<ExitConfirmation>(state_.paths, *saving_, this);
    // No step replaces a drawing with unsaved changes without asking whether to save it.
    page_switcher_->set_replace_check([this] { return saving_->may_leave(); });
    drawing_files_->set_replace_check([this] { return saving_->may_leave(); });
    // Saved without a dialog, a drawing is named after the place it began from.
    page_switcher_->set_picture_opened(
        [this](const QString& place) { drawing_files_->start_drawing(place); });
    drawing_files_->set_gallery_runner(
        [this](const QString& folder) { return gallery_page().choose(folder); });
    highlighting_ = std::make_unique<Highlighting>(
        HighlightControls{c.strip_down_button, c.strip_up_button, c.undo_button, c.redo_button, c.home_button,
                          c.print_button, c.open_button, c.save_button, c.exit_button},
        paths);
    output_windows_ = new output::OutputWindows(
        output::OutputControls{c.canvas, c.print_button, c.print_action, c.help_action, c.about_action},
        help_controls(c), state_.allowed, this);
    skin_manager_ = new skin::SkinManager(this);
    hint_manager_ = new skin::HintManager(this);
    output_windows_->print_window().set_skin_manager(skin_manager_);
    output_windows_->help_window().set_work_page_example([this] { return work_page_example(); });

    // First, so that a cue sees the state the press meets and sounds before the step's work.
    sound_cues_ = std::make_unique<SoundCues>(controls_, drawing, state_.allowed, this);
    sound_cues_->connect_handlers();
    page_switcher_->connect_handlers();
    info_panel_->connect_handlers();
    preview_strip_->connect_handlers();
    colour_panel_->connect_handlers();
    pattern_size_buttons_->connect_handlers();
    tool_buttons_->connect_handlers();
    canvas_->connect_handlers();
    undo_redo_->connect_handlers();
    drawing_files_->connect_handlers();
    output_windows_->connect_handlers();
    highlighting_->connect_handlers();

    platform::connect_guarded(controls_.exit_button, &widgets::PictureControl::clicked, this,
                              [this] { exit_->request_exit(); });
    platform::connect_guarded(controls_.exit_action, &QAction::triggered, this,
                              [this] { exit_->request_exit(); });
}

void MainWindow::start_up(const QString& app_dir)
{
    state_.drawing = core::DrawingState{};
    state_.chosen_jar = 1;
    state_.preview_pos = 1;
    state_.paths = core::ResourcePaths::for_program(app_dir);
    snapshot_slot_ = std::make_unique<history::SnapshotSlot>(state_.paths.tmp_dir);
    state_.paths.snapshot_tag = snapshot_slot_->tag();
    controls_.save_dialog.initial_dir = state_.paths.save_dir();
    register_cursors();
    controls_.canvas->setCursor(state_.screen_cursors.cursor(core::cursor_fill));
    preview_strip_->list_catalogue();
    state_.work_page_shown = false;
    page_switcher_->show_start_page_in_language();
    platform::guarded([this] { preview_strip_->first_fill(); });
    catalogue_watcher_ = std::make_unique<catalogue::CatalogueWatcher>(state_.paths.catalogue_dirs, [this] {
        platform::guarded([this] { preview_strip_->refresh_catalogue(); });
    });
    std::vector<widgets::PictureControl*> thumbnails;
    for (int slot = 0; slot < catalogue::PreviewStrip::slot_count; ++slot)
        if (widgets::PictureControl* thumbnail = preview_strip_->thumbnail(slot))
            thumbnails.push_back(thumbnail);
    sound_cues_->connect_thumbnails(thumbnails);
}

void MainWindow::keep_recovery_record(const QString& folder)
{
    const std::optional<history::RecoveredDrawing> recovered =
        history::RecoveryRecord::take_dead_copy_record(folder);
    recovery_ = std::make_unique<history::RecoveryRecord>(folder);
    page_switcher_->set_page_listener(
        [this](const history::RecordedPage& page) { recovery_->page_opened(page); });
    undo_redo_->set_change_listener([this] { recovery_->record(controls_.canvas->picture()); });
    drawing_files_->set_saved_listener([this] { recovery_->drawing_saved(); });
    if (recovered)
        platform::guarded([&] { restore_drawing(*recovered); });
}

void MainWindow::restore_drawing(const history::RecoveredDrawing& recovered)
{
    history::RecordedPage page = recovered.page;
    bool place_shown = false;
    if (page.kind == history::RecordedPage::Kind::place) {
        try {
            page_switcher_->open_picture(page.name, page.catalogue_dir);
            place_shown = true;
        } catch (const platform::UserError&) {
            // A place removed since is no reason to lose the drawing: it stays as one's own.
        }
    }
    controls_.canvas->set_picture(recovered.picture);
    if (!place_shown) {
        page = {history::RecordedPage::Kind::own_drawing, page.name, {}};
        page_switcher_->show_own_drawing(true);
    }
    recovery_->page_opened(page);
    recovery_->record(controls_.canvas->picture());
    constexpr int shown_ms = 5000;
    widgets::Notice::of(controls_.canvas->parentWidget())
        .show_words(tr("Рисунок восстановлен"), controls_.canvas->picture().to_rgb32(), shown_ms);
}

catalogue::GalleryPage& MainWindow::gallery_page()
{
    // Made at the first opening and kept, with the thumbnails it decoded.
    if (!gallery_page_)
        gallery_page_ = new catalogue::GalleryPage(this);
    return *gallery_page_;
}

output::WorkPageExample MainWindow::work_page_example() const
{
    auto example = std::make_unique<MainWindow>(state_.paths.app_dir);
    example->setAttribute(Qt::WA_DontShowOnScreen);
    example->show();
    example->preview_strip().wait_until_settled(1000);
    if (example->preview_strip().thumbnail(0))
        platform::guarded([&] { example->preview_strip_->open_slot(0); });
    const output::HelpControls controls = help_controls(example->controls());
    return {std::move(example), controls};
}

void MainWindow::register_cursors()
{
    const std::pair<int, const char*> cursors[] = {
        {core::cursor_brush, "кисть.cur"},
        {core::cursor_fill, "залив.cur"},
        {core::cursor_eraser, "ластик.cur"},
        {core::cursor_pipette, "пипетка.cur"},
    };
    for (const auto& [number, file] : cursors)
        state_.screen_cursors.register_cursor(
            number, formats::load_cursor_file(state_.paths.curs_dir + QString::fromUtf8(file),
                                              formats::wanted_density(devicePixelRatioF())));
}

void MainWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    // Loaded once the first paint is on its way, so the window never waits for the sounds; the help
    // picture's window, never on screen, plays none.
    if (!event->spontaneous() && !testAttribute(Qt::WA_DontShowOnScreen))
        QTimer::singleShot(0, this,
                           [this] { sound_cues_->player().preload(state_.paths.app_dir + "res/sounds/"); });
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    sound_cues_->player().play(sound::Cue::exit_question);
    // Stays open unless the question was answered Yes, also when something in between failed.
    bool may_close = false;
    platform::guarded([&] { may_close = exit_->confirm_close(); });
    if (may_close && recovery_)
        recovery_->remove();
    if (may_close)
        event->accept();
    else
        event->ignore();
}

void MainWindow::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    // Some window managers maximise a window whatever its size limits say; the layout is fixed.
    if (event->type() == QEvent::WindowStateChange && windowState().testFlag(Qt::WindowMaximized))
        setWindowState(windowState() & ~Qt::WindowMaximized);
}

} // namespace app
