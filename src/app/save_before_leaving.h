#pragma once

#include "core/allowances.h"
#include "history/drawing_files.h"
#include "history/unsaved_changes.h"

#include <functional>

class QWidget;

namespace app {

// The answers to "Сохранить рисунок?": "Да", "Нет", "Отмена".
enum class SaveAnswer { save, discard, cancel };

// Before a step that leaves a drawing with unsaved changes (another picture, the start page, a
// drawing from a file, the exit), asks whether to save it. A drawing without unsaved changes is
// left without a question. When saving is not allowed the question offers only "Нет" and "Отмена",
// and no answer saves.
class SaveBeforeLeaving {
public:
    using Question = std::function<SaveAnswer()>;

    SaveBeforeLeaving(const history::UnsavedChanges& changes, history::DrawingFiles& files,
                      const core::Allowances& allowed, QWidget* window);
    // Replaces the message box, for tests; an empty question brings the message box back.
    void set_question(Question question) { question_ = std::move(question); }

    // Whether the step may go on: nothing is unsaved (and `without_changes`, when given, agrees),
    // the drawing was saved through the save dialog, or the answer was not to save it. "Отмена",
    // cancelling the save dialog, or "Да" while saving is not allowed stops it.
    bool may_leave(const std::function<bool()>& without_changes = {});

private:
    SaveAnswer ask_default() const;

    const history::UnsavedChanges& changes_;
    history::DrawingFiles& files_;
    const core::Allowances& allowed_;
    QWidget* window_;
    Question question_;
};

} // namespace app
