#include "settings/own_places.h"

#include "core/resource_paths.h"
#include "places/place_error.h"
#include "places/place_files.h"
#include "settings/add_place_dialog.h"

#include <QDir>
#include <QHBoxLayout>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace settings {

namespace {

constexpr QSize thumbnail_size{48, 48};

} // namespace

OwnPlaces::OwnPlaces(bool allowed, QWidget* parent)
    : QWidget(parent), allowed_(allowed), list_(new QListWidget(this)),
      replace_button_(new QPushButton(tr("Заменить…"), this)),
      delete_button_(new QPushButton(tr("Удалить"), this))
{
    setObjectName("own_places");
    list_->setObjectName("own_places_list");
    list_->setIconSize(thumbnail_size);
    list_->setMaximumHeight(4 * (thumbnail_size.height() + 6));
    list_->setEnabled(allowed_);
    auto* add_button = new QPushButton(tr("Добавить место из фотографии…"), this);
    add_button->setObjectName("add_place_button");
    add_button->setEnabled(allowed_);
    replace_button_->setObjectName("replace_place_button");
    delete_button_->setObjectName("delete_place_button");
    connect(add_button, &QPushButton::clicked, this, &OwnPlaces::add_place);
    connect(replace_button_, &QPushButton::clicked, this, &OwnPlaces::replace_chosen);
    connect(delete_button_, &QPushButton::clicked, this, &OwnPlaces::delete_chosen);
    connect(list_, &QListWidget::currentRowChanged, this, &OwnPlaces::update_buttons);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {add_button, replace_button_, delete_button_})
        buttons->addWidget(button);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(list_);
    layout->addLayout(buttons);
    refresh();
}

void OwnPlaces::refresh()
{
    const QString dir = core::user_catalogue_dir();
    places::finish_interrupted_place(dir);
    const QString was_chosen = chosen();
    list_->clear();
    // A place is listed by its thumbnail, as the strip lists it.
    const QDir previews(dir + "preview");
    for (const QString& file : previews.entryList({"*.jpg"}, QDir::Files, QDir::Name | QDir::IgnoreCase)) {
        auto* item = new QListWidgetItem(QIcon(previews.filePath(file)), file.section('.', 0, 0), list_);
        if (item->text() == was_chosen)
            list_->setCurrentItem(item);
    }
    update_buttons();
}

QString OwnPlaces::chosen() const
{
    return list_->currentItem() ? list_->currentItem()->text() : QString();
}

void OwnPlaces::update_buttons()
{
    replace_button_->setEnabled(allowed_ && !chosen().isEmpty());
    delete_button_->setEnabled(allowed_ && !chosen().isEmpty());
}

void OwnPlaces::add_place()
{
    AddPlaceDialog(this).exec();
    refresh();
}

void OwnPlaces::replace_chosen()
{
    AddPlaceDialog(chosen(), this).exec();
    refresh();
}

bool OwnPlaces::delete_chosen()
{
    const QString name = chosen();
    if (!allowed_ || name.isEmpty())
        return false;
    QMessageBox question(
        QMessageBox::Question, tr("Удалить место"),
        tr("Удалить место «%1»? Его страница, фотография и описание будут удалены.").arg(name),
        QMessageBox::NoButton, this);
    QPushButton* remove = question.addButton(tr("Удалить"), QMessageBox::DestructiveRole);
    question.setDefaultButton(question.addButton(tr("Оставить"), QMessageBox::RejectRole));
    question.exec();
    if (question.clickedButton() != remove)
        return false;
    try {
        places::remove_place(core::user_catalogue_dir(), name);
    } catch (const places::PlaceError& error) {
        QMessageBox::warning(this, tr("Удалить место"), error.text());
        refresh();
        return false;
    }
    refresh();
    return true;
}

} // namespace settings
