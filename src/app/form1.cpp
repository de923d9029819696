#include "app/form1.h"

#include "app/file_dialog_settings.h"
#include "app/fonts.h"
#include "app/form1_layout.h"
#include "catalogue/info_panel.h"
#include "catalogue/page_switcher.h"
#include "catalogue/preview_strip.h"
#include "colours/colour_panel.h"
#include "drawing/canvas.h"
#include "drawing/pattern_size_buttons.h"
#include "drawing/tool_buttons.h"
#include "history/drawing_files.h"
#include "history/undo_redo.h"
#include "output/output_windows.h"
#include "output/print_window.h"
#include "platform/error_guard.h"
#include "skin/hint_manager.h"
#include "skin/skin_manager.h"

#include <QCloseEvent>
#include <QLayout>
#include <QMenuBar>
#include <QScreen>

namespace app {

TForm1::TForm1(const QString& app_dir, QWidget* parent)
    : QMainWindow(parent), exit_(state_, this), highlighting_(controls_, state_)
{
    set_up_window();
    auto* client = new QWidget(this);
    client->setObjectName("client");
    client->setFixedSize(client_size);
    setCentralWidget(client);
    create_layout(controls_, client);
    create_menu();
    create_subsystems();
    FormCreate(app_dir);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
}

TForm1::~TForm1() = default;

void TForm1::set_up_window()
{
    setObjectName("Form1");
    setWindowTitle(QStringLiteral("Колоритон"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    register_layout_font();
    setFont(layout_font());
}

void TForm1::create_menu()
{
    controls_.MainMenu1 = menuBar();
    controls_.MainMenu1->setObjectName("MainMenu1");
    struct MenuItem {
        QAction* Form1Controls::*slot;
        const char* name;
        const char* caption;
    };
    // clang-format off
    const MenuItem items[] = {
        {&Form1Controls::N3, "N3", "Главная"},
        {&Form1Controls::N5, "N5", "Открыть/загрузить"},
        {&Form1Controls::N6, "N6", "Сохранить"},
        {&Form1Controls::N8, "N8", "Отменить"},
        {&Form1Controls::N9, "N9", "Повторить"},
        {&Form1Controls::N4, "N4", "Печать"},
        {&Form1Controls::N1, "N1", "Справка"},
        {&Form1Controls::N2, "N2", "О программе"},
        {&Form1Controls::N7, "N7", "Выход"},
    };
    // clang-format on
    for (const MenuItem& item : items) {
        QAction* action = controls_.MainMenu1->addAction(QString::fromUtf8(item.caption));
        action->setObjectName(item.name);
        controls_.*item.slot = action;
    }
}

void TForm1::create_subsystems()
{
    page_switcher_ = std::make_unique<catalogue::PageSwitcher>(controls_, state_);
    info_panel_ = std::make_unique<catalogue::InfoPanel>(controls_, state_);
    preview_strip_ = std::make_unique<catalogue::PreviewStrip>(controls_, state_, *page_switcher_);
    colour_panel_ = std::make_unique<colours::ColourPanel>(controls_, state_);
    pattern_size_buttons_ = std::make_unique<drawing::PatternSizeButtons>(controls_, state_);
    tool_buttons_ = std::make_unique<drawing::ToolButtons>(controls_, state_);
    canvas_ = std::make_unique<drawing::Canvas>(controls_, state_);
    undo_redo_ = std::make_unique<history::UndoRedo>(controls_, state_);
    drawing_files_ = std::make_unique<history::DrawingFiles>(controls_, state_);
    output_windows_ = new output::OutputWindows(controls_, this);
    sSkinManager1 = new skin::SkinManager(this);
    sHintManager1 = new skin::HintManager(this);
    output_windows_->form2().set_skin_manager(sSkinManager1);

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
    highlighting_.connect_handlers();

    connect(controls_.Image40, &platform::PictureControl::clicked, this,
            [this] { platform::guarded([this] { exit_.Image40Click(); }); });
    connect(controls_.N7, &QAction::triggered, this,
            [this] { platform::guarded([this] { exit_.Image40Click(); }); });
}

void TForm1::FormCreate(const QString& app_dir)
{
    state_.drawing = drawing::DrawingState{};
    state_.color_index = 1;
    state_.preview_pos = 1;
    state_.paths = ResourcePaths::under(app_dir);
    controls_.SaveDialog1.initial_dir = state_.paths.save_dir();
    register_cursors();
    controls_.Image1->setCursor(state_.screen_cursors.cursor(cursor_fill));
    preview_strip_->list_catalogue();
    state_.work_page_shown = false;
    platform::guarded([this] { preview_strip_->first_fill(); });
}

void TForm1::register_cursors()
{
    const std::pair<int, const char*> cursors[] = {
        {cursor_brush, "кисть.cur"},
        {cursor_fill, "залив.cur"},
        {cursor_eraser, "ластик.cur"},
        {cursor_pipette, "пипетка.cur"},
    };
    for (const auto& [number, file] : cursors)
        state_.screen_cursors.register_cursor(
            number, platform::load_cursor_file(state_.paths.curs_dir + QString::fromUtf8(file)));
}

void TForm1::closeEvent(QCloseEvent* event)
{
    // Stays open unless the question was answered Yes, also when something in between failed.
    bool may_close = false;
    platform::guarded([&] { may_close = exit_.FormClose(); });
    if (may_close)
        event->accept();
    else
        event->ignore();
}

void TForm1::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    // Some window managers maximise a window whatever its size limits say; the layout is fixed.
    if (event->type() == QEvent::WindowStateChange && windowState().testFlag(Qt::WindowMaximized))
        setWindowState(windowState() & ~Qt::WindowMaximized);
}

} // namespace app
