#include "app/exit_confirmation.h"

#include "history/snapshot.h"

#include <QCoreApplication>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>

namespace app {

ExitConfirmation::ExitConfirmation(const core::ResourcePaths& paths, SaveBeforeLeaving& saving,
                                   QWidget* window)
    : paths_(paths), saving_(saving), window_(window), question_([this] { return ask_default(); })
{
}

bool ExitConfirmation::ask_default() const
{
    QMessageBox box(QMessageBox::Question, QCoreApplication::translate("app::ExitConfirmation", "Выход"),
                    QCoreApplication::translate("app::ExitConfirmation", "Вы уверены?"),
                    QMessageBox::Yes | QMessageBox::No, window_);
    box.button(QMessageBox::Yes)->setText(QCoreApplication::translate("app::ExitConfirmation", "Да"));
    box.button(QMessageBox::No)->setText(QCoreApplication::translate("app::ExitConfirmation", "Нет"));
    return box.exec() == QMessageBox::Yes;
}

bool ExitConfirmation::confirm_close()
{
    // The three answers about the drawing replace "Вы уверены?": each of them is already a decision.
    if (!saving_.may_leave(question_))
        return false;
    // A snapshot that cannot be removed does not keep the program open. Only this copy's own
    // snapshots go: another copy on the same folder keeps its history.
    for (const QString& path : {history::undo_snapshot_path(paths_), history::redo_snapshot_path(paths_)}) {
        if (QFile::exists(path))
            QFile::remove(path);
    }
    return true;
}

void ExitConfirmation::request_exit()
{
    window_->close();
}

} // namespace app
