#include "app/save_before_leaving.h"

#include <QMessageBox>
#include <QPushButton>

namespace app {

SaveBeforeLeaving::SaveBeforeLeaving(const history::UnsavedChanges& changes, history::DrawingFiles& files,
                                     QWidget* window)
    : changes_(changes), files_(files), window_(window), question_([this] { return ask_default(); })
{
}

SaveAnswer SaveBeforeLeaving::ask_default() const
{
    QMessageBox box(QMessageBox::Question, window_->windowTitle(), QStringLiteral("Сохранить рисунок?"),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, window_);
    box.button(QMessageBox::Yes)->setText(QStringLiteral("Да"));
    box.button(QMessageBox::No)->setText(QStringLiteral("Нет"));
    box.button(QMessageBox::Cancel)->setText(QStringLiteral("Отмена"));
    box.setDefaultButton(QMessageBox::Yes);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return SaveAnswer::save;
    case QMessageBox::No:
        return SaveAnswer::discard;
    default:
        return SaveAnswer::cancel;
    }
}

bool SaveBeforeLeaving::may_leave(const std::function<bool()>& without_changes)
{
    if (!changes_.any())
        return !without_changes || without_changes();
    switch (question_()) {
    case SaveAnswer::save:
        return files_.save_drawing();
    case SaveAnswer::discard:
        return true;
    case SaveAnswer::cancel:
        break;
    }
    return false;
}

} // namespace app
