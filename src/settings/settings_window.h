#pragma once

#include "settings/settings_files.h"

#include <QDialog>
#include <utility>
#include <vector>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QSpinBox;
class QVBoxLayout;

namespace settings {

// The adults' settings window (koloriton --settings): a check box for each switch, a number box for
// each whole number, a list for each choice and a chooser for each folder, grouped as the files group
// them. A key the system's files lock is greyed with a word saying that the administrator set it; when
// a system file does not allow the window, every control is greyed. The files' problems are listed at
// the top. "Сохранить" writes the user's file; a running copy of the program reads it at its next start.
class SettingsWindow : public QDialog {
    Q_OBJECT

public:
    explicit SettingsWindow(SettingsFiles files, QWidget* parent = nullptr);

    // Writes the values shown to the user's file and closes the window; when the file cannot be
    // written, says so and stays open.
    void save();

private:
    // The files' problems, one a line, when there are any.
    void add_problems();
    // The group box of one group of the files ("drawing", "allow", ...), made when first needed.
    QVBoxLayout* group_layout(const QString& group);
    void add_switch(const SettingKey& key);
    void add_whole_number(const SettingKey& key);
    void add_folder_chooser(const SettingKey& key);
    // The desktop's language first, then each language the program has a translation for.
    void add_language_list(const SettingKey& key);
    // The user's own places: "Добавить место из фотографии…", replacing and deleting one.
    void add_own_places();
    void add_buttons();
    // A row of the control and, when the key is locked, the administrator's word; the control is
    // greyed then.
    void add_row(const SettingKey& key, const std::vector<QWidget*>& controls);
    void choose_folder(QLineEdit* edit);
    Settings shown() const;

    SettingsFiles files_;
    LoadedSettings loaded_;
    QVBoxLayout* layout_;
    std::vector<std::pair<QString, QVBoxLayout*>> groups_;
    std::vector<std::pair<const SettingKey*, QCheckBox*>> switches_;
    std::vector<std::pair<const SettingKey*, QSpinBox*>> numbers_;
    std::vector<std::pair<const SettingKey*, QLineEdit*>> folders_;
    std::vector<std::pair<const SettingKey*, QComboBox*>> choices_;
};

} // namespace settings
