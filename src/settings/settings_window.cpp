#include "settings/settings_window.h"

#include "core/interface_language.h"
#include "settings/own_places.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace settings {

namespace {

// The titles of the files' groups in the window.
QString group_title(const QString& group)
{
    static const std::pair<const char*, const char*> titles[] = {
        {"drawing", QT_TRANSLATE_NOOP("settings::SettingsWindow", "Рисование")},
        {"window", QT_TRANSLATE_NOOP("settings::SettingsWindow", "Окно")},
        {"allow", QT_TRANSLATE_NOOP("settings::SettingsWindow", "Что можно ребёнку")},
        {"folders", QT_TRANSLATE_NOOP("settings::SettingsWindow", "Папки")},
        {"saving", QT_TRANSLATE_NOOP("settings::SettingsWindow", "Сохранение")},
        {"places", QT_TRANSLATE_NOOP("settings::SettingsWindow", "Места")},
        {"sound", QT_TRANSLATE_NOOP("settings::SettingsWindow", "Звуки")},
        {"input", QT_TRANSLATE_NOOP("settings::SettingsWindow", "Перо и сенсорный экран")}};
    for (const auto& [name, title] : titles)
        if (group == QLatin1String(name))
            return SettingsWindow::tr(title);
    return group;
}

QString translated_label(const SettingKey& key)
{
    return QCoreApplication::translate("settings", key.label);
}

// A language by its own name ("English", "Українська"), as a speaker of it looks for it.
QString language_name(const QString& code)
{
    const QString name = QLocale(code).nativeLanguageName();
    return name.isEmpty() ? code : name.left(1).toUpper() + name.mid(1);
}

} // namespace

SettingsWindow::SettingsWindow(SettingsFiles files, QWidget* parent)
    : QDialog(parent), files_(std::move(files)), loaded_(load_settings(files_)),
      layout_(new QVBoxLayout(this))
{
    setObjectName("settings_window");
    setWindowTitle(tr("Колоритон: настройки"));
    add_problems();
    for (const SettingKey& key : setting_keys) {
        if (key.is_switch())
            add_switch(key);
        else if (key.is_whole_number())
            add_whole_number(key);
        else if (key.is_choice())
            add_language_list(key);
        else
            add_folder_chooser(key);
    }
    add_own_places();
    add_buttons();
}

void SettingsWindow::add_problems()
{
    QStringList lines = loaded_.problems;
    if (!loaded_.window_allowed)
        lines.prepend(tr("Настройки закрыты администратором: их можно только посмотреть."));
    if (lines.isEmpty())
        return;
    auto* problems = new QLabel(lines.join('\n'), this);
    problems->setObjectName("settings_problems");
    problems->setTextFormat(Qt::PlainText);
    problems->setWordWrap(true);
    problems->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout_->addWidget(problems);
}

QVBoxLayout* SettingsWindow::group_layout(const QString& group)
{
    for (const auto& [name, layout] : groups_)
        if (name == group)
            return layout;
    auto* box = new QGroupBox(group_title(group), this);
    box->setObjectName(group + "_group");
    auto* layout = new QVBoxLayout(box);
    layout_->addWidget(box);
    groups_.emplace_back(group, layout);
    return layout;
}

void SettingsWindow::add_row(const SettingKey& key, const std::vector<QWidget*>& controls)
{
    const QString name = QString::fromLatin1(key.name);
    auto* row = new QHBoxLayout;
    for (QWidget* control : controls) {
        row->addWidget(control);
        control->setEnabled(loaded_.window_allowed && !loaded_.is_locked(key));
    }
    if (loaded_.is_locked(key)) {
        auto* locked = new QLabel(tr("(задано администратором)"), this);
        locked->setObjectName(name + "/locked");
        locked->setEnabled(false);
        row->addWidget(locked);
    }
    row->addStretch();
    group_layout(name.section('/', 0, 0))->addLayout(row);
}

void SettingsWindow::add_switch(const SettingKey& key)
{
    auto* box = new QCheckBox(translated_label(key), this);
    box->setObjectName(QString::fromLatin1(key.name));
    box->setChecked(key.flag(loaded_.values));
    switches_.emplace_back(&key, box);
    add_row(key, {box});
}

void SettingsWindow::add_whole_number(const SettingKey& key)
{
    auto* label = new QLabel(translated_label(key) + ':', this);
    auto* box = new QSpinBox(this);
    box->setObjectName(QString::fromLatin1(key.name));
    box->setRange(key.bounds().minimum, key.bounds().maximum);
    box->setSuffix(QString::fromUtf8(key.bounds().unit));
    box->setValue(key.number(loaded_.values));
    label->setBuddy(box);
    numbers_.emplace_back(&key, box);
    add_row(key, {label, box});
}

void SettingsWindow::add_folder_chooser(const SettingKey& key)
{
    auto* label = new QLabel(translated_label(key) + ':', this);
    auto* edit = new QLineEdit(key.folder(loaded_.values), this);
    edit->setObjectName(QString::fromLatin1(key.name));
    // Typed paths could be relative; the chooser gives absolute ones, and empty is the usual folder.
    edit->setReadOnly(true);
    edit->setPlaceholderText(tr("обычная папка"));
    edit->setMinimumWidth(260);
    label->setBuddy(edit);
    auto* choose = new QPushButton(tr("Выбрать…"), this);
    choose->setObjectName(edit->objectName() + "/choose");
    connect(choose, &QPushButton::clicked, this, [this, edit] { choose_folder(edit); });
    auto* usual = new QPushButton(tr("Сбросить"), this);
    usual->setObjectName(edit->objectName() + "/usual");
    connect(usual, &QPushButton::clicked, edit, &QLineEdit::clear);
    folders_.emplace_back(&key, edit);
    add_row(key, {label, edit, choose, usual});
}

void SettingsWindow::add_language_list(const SettingKey& key)
{
    auto* label = new QLabel(translated_label(key) + ':', this);
    auto* list = new QComboBox(this);
    list->setObjectName(QString::fromLatin1(key.name));
    list->addItem(tr("Как на компьютере"), QString());
    QStringList codes =
        core::available_languages(core::translations_dir_for_program(QCoreApplication::applicationDirPath()));
    // A code the files name but no translation serves stays as it is, so saving keeps it.
    const QString current = key.choice(loaded_.values);
    if (!current.isEmpty() && !codes.contains(current))
        codes.append(current);
    for (const QString& code : codes)
        list->addItem(language_name(code), code);
    list->setCurrentIndex(list->findData(current));
    label->setBuddy(list);
    choices_.emplace_back(&key, list);
    add_row(key, {label, list});
}

void SettingsWindow::add_own_places()
{
    group_layout("places")->addWidget(new OwnPlaces(loaded_.window_allowed, this));
}

void SettingsWindow::add_buttons()
{
    auto* buttons = new QDialogButtonBox(this);
    auto* save_button = buttons->addButton(tr("Сохранить"), QDialogButtonBox::AcceptRole);
    save_button->setObjectName("save_button");
    save_button->setEnabled(loaded_.window_allowed);
    auto* cancel_button = buttons->addButton(tr("Отмена"), QDialogButtonBox::RejectRole);
    cancel_button->setObjectName("cancel_button");
    connect(buttons, &QDialogButtonBox::accepted, this, &SettingsWindow::save);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout_->addStretch();
    layout_->addWidget(buttons);
}

void SettingsWindow::choose_folder(QLineEdit* edit)
{
    const QString chosen = QFileDialog::getExistingDirectory(this, tr("Папка для рисунков"), edit->text());
    if (!chosen.isEmpty())
        edit->setText(chosen);
}

Settings SettingsWindow::shown() const
{
    Settings values = loaded_.values;
    for (const auto& [key, box] : switches_)
        key->flag(values) = box->isChecked();
    for (const auto& [key, box] : numbers_)
        key->number(values) = box->value();
    for (const auto& [key, edit] : folders_)
        key->folder(values) = edit->text();
    for (const auto& [key, list] : choices_)
        key->choice(values) = list->currentData().toString();
    return values;
}

void SettingsWindow::save()
{
    const QString problem = save_user_settings(files_, loaded_, shown());
    if (problem.isEmpty()) {
        accept();
        return;
    }
    QMessageBox::warning(this, windowTitle(),
                         tr("Не удалось записать настройки в файл %1 (%2).").arg(files_.user_file, problem));
}

} // namespace settings
