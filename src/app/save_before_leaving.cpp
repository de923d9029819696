#include "app/save_before_leaving.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

namespace app {

SaveBeforeLeaving::SaveBeforeLeaving(const history::UnsavedChanges& changes, history::DrawingFiles& files,
                                     const core::Allowances& allowed, QWidget* window)
    : changes_(changes), files_(files), allowed_(allowed), window_(window),
      question_([this] { return ask_default(); })
{
}

SaveAnswer SaveBeforeLeaving::ask_default() const
{
    const QMessageBox::StandardButtons offered =
        (allowed_.saving ? QMessageBox::Yes : QMessageBox::NoButton) | QMessageBox::No | QMessageBox::Cancel;
    QMessageBox box(QMessageBox::Question, window_->windowTitle(),
                    QCoreApplication::translate("app::SaveBeforeLeaving", "Сохранить рисунок?"), offered,
                    window_);
    if (allowed_.saving) {
        box.button(QMessageBox::Yes)->setText(QCoreApplication::translate("app::SaveBeforeLeaving", "Да"));
        box.setDefaultButton(QMessageBox::Yes);
    }
    box.button(QMessageBox::No)->setText(QCoreApplication::translate("app::SaveBeforeLeaving", "Нет"));
    box.button(QMessageBox::Cancel)->setText(QCoreApplication::translate("app::SaveBeforeLeaving", "Отмена"));
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
    switch (question_ ? question_() : ask_default()) {
    case SaveAnswer::save:
        return allowed_.saving && files_.save_drawing();
    case SaveAnswer::discard:
        return true;
    case SaveAnswer::cancel:
        break;
    }
    return false;
}

} // namespace app
