#pragma once

#include "history/drawing_files.h"
#include "history/unsaved_changes.h"

#include <functional>

class QWidget;

namespace app {

// The answers to "Сохранить рисунок?": "Да", "Нет", "Отмена".
enum class SaveAnswer { save, discard, cancel };

// Before a step that leaves a drawing with unsaved changes (another picture, the start page, a
// drawing from a file, the exit), asks whether to save it. A drawing without unsaved changes is
// left without a question.
class SaveBeforeLeaving {
public:
    using Question = std::function<SaveAnswer()>;

    SaveBeforeLeaving(const history::UnsavedChanges& changes, history::DrawingFiles& files, QWidget* window);
    // Replaces the message box, for tests.
    void set_question(Question question) { question_ = std::move(question); }

    // Whether the step may go on: nothing is unsaved (and `without_changes`, when given, agrees),
    // the drawing was saved through the save dialog, or the answer was not to save it. "Отмена",
    // or cancelling the save dialog, stops it.
    bool may_leave(const std::function<bool()>& without_changes = {});

private:
    SaveAnswer ask_default() const;

    const history::UnsavedChanges& changes_;
    history::DrawingFiles& files_;
    QWidget* window_;
    Question question_;
};

} // namespace app
