#pragma once

#include "app/save_before_leaving.h"
#include "core/resource_paths.h"

#include <functional>

class QWidget;

namespace app {

// The confirmed exit: every way of closing the main window asks "Вы уверены?" first, or, with
// unsaved changes, whether to save the drawing; leaving removes the undo snapshot files before the
// window closes.
class ExitConfirmation {
public:
    // Asks the user; true means Yes.
    using Question = std::function<bool()>;

    ExitConfirmation(const core::ResourcePaths& paths, SaveBeforeLeaving& saving, QWidget* window);
    // Replaces the message box "Вы уверены?", for tests.
    void set_question(Question question) { question_ = std::move(question); }

    // The main window's close handler: whether the window may close.
    bool confirm_close();
    // The exit button and the menu item: a close request that confirm_close decides.
    void request_exit();

private:
    bool ask_default() const;

    const core::ResourcePaths& paths_;
    SaveBeforeLeaving& saving_;
    QWidget* window_;
    Question question_;
};

} // namespace app
