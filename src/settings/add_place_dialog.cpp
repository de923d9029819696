#include "settings/add_place_dialog.h"

#include "core/resource_paths.h"
#include "places/place_error.h"
#include "places/place_maker.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

namespace settings {

AddPlaceDialog::AddPlaceDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName("add_place_dialog");
    setWindowTitle(tr("Новое место из фотографии"));
    auto* form = new QFormLayout(this);
    photograph_ = add_file_row(tr("Фотография:"), "photograph", tr("Картинки (*.jpg *.jpeg *.png *.bmp)"));
    name_ = new QLineEdit(this);
    name_->setObjectName("name");
    name_->setPlaceholderText(tr("например, Наша школа"));
    form->addRow(tr("Название:"), name_);
    description_ = add_file_row(tr("Описание (можно без него):"), "description", tr("Тексты (*.txt *.rtf)"));
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(tr("Сделать место"), QDialogButtonBox::AcceptRole)->setObjectName("make_button");
    buttons->addButton(tr("Отмена"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        if (make_place())
            accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
}

QLineEdit* AddPlaceDialog::add_file_row(const QString& label, const QString& name, const QString& filter)
{
    auto* edit = new QLineEdit(this);
    edit->setObjectName(name);
    auto* choose = new QPushButton(tr("Выбрать…"), this);
    connect(choose, &QPushButton::clicked, this, [this, edit, filter] {
        const QString chosen = QFileDialog::getOpenFileName(this, QString(), edit->text(), filter);
        if (!chosen.isEmpty())
            edit->setText(chosen);
    });
    auto* row = new QHBoxLayout;
    row->addWidget(edit);
    row->addWidget(choose);
    static_cast<QFormLayout*>(layout())->addRow(label, row);
    return edit;
}

bool AddPlaceDialog::make_place()
{
    places::PlaceRequest request;
    request.photograph = photograph_->text();
    request.name = name_->text();
    request.description = description_->text();
    request.destination = core::user_catalogue_dir();
    request.catalogue_dirs = core::catalogue_dirs_for_program(QCoreApplication::applicationDirPath());
    try {
        const places::WrittenPlace place = places::make_place(request);
        QMessageBox::information(this, windowTitle(),
                                 tr("Место «%1» готово: %2\nОно появится в ленте при следующем запуске.")
                                     .arg(place.name, request.destination));
        return true;
    } catch (const places::PlaceError& error) {
        QMessageBox::warning(this, windowTitle(), error.text());
        return false;
    }
}

} // namespace settings
