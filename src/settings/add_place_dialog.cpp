#include "settings/add_place_dialog.h"

#include "core/resource_paths.h"
#include "formats/bmp_codec.h"
#include "places/place_error.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>

namespace settings {

namespace {

// The preview shows the panel's photograph and the page at half the canvas's size.
constexpr QSize photograph_preview_size{200, 200};
constexpr QSize page_preview_size{237, 297};
constexpr int photograph_settle_ms = 400;

QPixmap preview(const QImage& image, QSize size)
{
    return QPixmap::fromImage(image.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

} // namespace

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
    add_level_row();
    add_preview_row();
    auto* buttons = new QDialogButtonBox(this);
    make_button_ = buttons->addButton(tr("Сделать место"), QDialogButtonBox::AcceptRole);
    make_button_->setObjectName("make_button");
    make_button_->setEnabled(false);
    buttons->addButton(tr("Отмена"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        if (make_place())
            accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
    photograph_settle_.setSingleShot(true);
    photograph_settle_.setInterval(photograph_settle_ms);
    connect(&photograph_settle_, &QTimer::timeout, this, &AddPlaceDialog::show_chosen_level);
    connect(photograph_, &QLineEdit::textChanged, this, &AddPlaceDialog::photograph_changed);
}

AddPlaceDialog::AddPlaceDialog(const QString& replaced_name, QWidget* parent) : AddPlaceDialog(parent)
{
    replaced_name_ = replaced_name;
    setWindowTitle(tr("Замена места «%1»").arg(replaced_name));
    name_->setText(replaced_name);
    name_->setReadOnly(true);
    photograph_->setPlaceholderText(tr("пусто: фотография и страница останутся прежними"));
    description_->setPlaceholderText(tr("пусто: описание останется прежним"));
    connect(description_, &QLineEdit::textChanged, this, &AddPlaceDialog::update_make_button);
    show_chosen_level();
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

void AddPlaceDialog::add_level_row()
{
    levels_ = new QButtonGroup(this);
    auto* row = new QHBoxLayout;
    const std::pair<places::DetailLevel, QString> levels[] = {
        {places::DetailLevel::fewer, tr("меньше деталей")},
        {places::DetailLevel::usual, tr("обычно")},
        {places::DetailLevel::more, tr("больше деталей")}};
    for (const auto& [level, caption] : levels) {
        auto* button = new QRadioButton(caption, this);
        button->setObjectName(QStringLiteral("detail_%1").arg(static_cast<int>(level)));
        button->setChecked(level == places::DetailLevel::usual);
        levels_->addButton(button, static_cast<int>(level));
        row->addWidget(button);
    }
    row->addStretch();
    connect(levels_, &QButtonGroup::idClicked, this, &AddPlaceDialog::show_chosen_level);
    static_cast<QFormLayout*>(layout())->addRow(tr("Подробность страницы:"), row);
}

void AddPlaceDialog::add_preview_row()
{
    photograph_preview_ = new QLabel(this);
    photograph_preview_->setObjectName("photograph_preview");
    photograph_preview_->setFixedSize(photograph_preview_size);
    page_preview_ = new QLabel(this);
    page_preview_->setObjectName("page_preview");
    page_preview_->setFixedSize(page_preview_size);
    for (QLabel* label : {photograph_preview_, page_preview_}) {
        label->setAlignment(Qt::AlignCenter);
        label->setFrameShape(QFrame::StyledPanel);
    }
    making_ = new QProgressBar(this);
    making_->setObjectName("making");
    // Busy: how long the page takes is not known beforehand.
    making_->setRange(0, 0);
    making_->setTextVisible(false);
    making_->hide();
    status_ = new QLabel(this);
    status_->setObjectName("status");
    status_->setWordWrap(true);
    auto* column = new QVBoxLayout;
    column->addWidget(page_preview_);
    column->addWidget(making_);
    auto* row = new QHBoxLayout;
    row->addWidget(photograph_preview_, 0, Qt::AlignTop);
    row->addLayout(column);
    auto* form = static_cast<QFormLayout*>(layout());
    form->addRow(row);
    form->addRow(status_);
}

places::DetailLevel AddPlaceDialog::chosen_level() const
{
    return static_cast<places::DetailLevel>(levels_->checkedId());
}

void AddPlaceDialog::photograph_changed()
{
    ++generation_;
    made_.clear();
    under_way_.clear();
    update_make_button();
    photograph_settle_.start();
}

void AddPlaceDialog::show_chosen_level()
{
    const auto made = made_.find(chosen_level());
    const bool ready = made != made_.end() && made->second.error.isEmpty();
    update_make_button();
    making_->setVisible(made == made_.end() && !photograph_->text().isEmpty());
    if (!replaced_name_.isEmpty() && photograph_->text().isEmpty()) {
        show_replaced_place();
        return;
    }
    if (made == made_.end()) {
        page_preview_->clear();
        status_->setText(photograph_->text().isEmpty() ? QString() : tr("Страница делается…"));
        if (!photograph_->text().isEmpty())
            start_making(chosen_level());
        return;
    }
    status_->setText(made->second.error);
    photograph_preview_->setPixmap(ready ? preview(made->second.pictures.panel, photograph_preview_size)
                                         : QPixmap());
    page_preview_->setPixmap(ready ? preview(made->second.pictures.line_drawing, page_preview_size)
                                   : QPixmap());
}

void AddPlaceDialog::show_replaced_place()
{
    const auto shown = [this](const char* folder, QSize size) {
        try {
            const QString file = core::user_catalogue_dir() + folder + "/" + replaced_name_ + ".bmp";
            return preview(formats::read_bmp(file).to_rgb32(), size);
        } catch (const std::exception&) {
            // The place as it is cannot be shown; replacing it still may be what mends it.
            return QPixmap();
        }
    };
    photograph_preview_->setPixmap(shown("info", photograph_preview_size));
    page_preview_->setPixmap(shown("clipart", page_preview_size));
    status_->setText(tr("Так место выглядит сейчас."));
}

void AddPlaceDialog::update_make_button()
{
    make_button_->setEnabled(ready_to_write());
}

bool AddPlaceDialog::ready_to_write() const
{
    if (!replaced_name_.isEmpty() && photograph_->text().isEmpty())
        return !description_->text().isEmpty();
    return preview_ready();
}

void AddPlaceDialog::start_making(places::DetailLevel level)
{
    if (!under_way_.insert(level).second)
        return;
    pool_.start([this, photograph = photograph_->text(), level, generation = generation_] {
        Made made;
        try {
            made.pictures = places::place_pictures(photograph, level);
        } catch (const places::PlaceError& error) {
            made.error = error.text();
        }
        QMetaObject::invokeMethod(
            this, [this, generation, level, made] { page_made(generation, level, made); },
            Qt::QueuedConnection);
    });
}

void AddPlaceDialog::page_made(int generation, places::DetailLevel level, const Made& made)
{
    if (generation != generation_)
        return;
    under_way_.erase(level);
    made_[level] = made;
    if (level == chosen_level())
        show_chosen_level();
}

bool AddPlaceDialog::preview_ready() const
{
    const auto made = made_.find(chosen_level());
    return made != made_.end() && made->second.error.isEmpty();
}

bool AddPlaceDialog::make_place()
{
    if (!ready_to_write())
        return false;
    if (!replaced_name_.isEmpty())
        return replace_place();
    places::PlaceRequest request;
    request.photograph = photograph_->text();
    request.name = name_->text();
    request.description = description_->text();
    request.detail = chosen_level();
    request.replace = !replaced_name_.isEmpty();
    request.destination = core::user_catalogue_dir();
    request.catalogue_dirs = core::catalogue_dirs_for_program(QCoreApplication::applicationDirPath());
    try {
        const places::WrittenPlace place = places::write_place(request, made_.at(request.detail).pictures);
        tell_made_place(place.name, request.destination);
        return true;
    } catch (const places::NameTaken& error) {
        QMessageBox::warning(this, windowTitle(),
                             tr("%1. Дайте новому месту другое название или замените то место в списке "
                                "своих мест.")
                                 .arg(error.text()));
    } catch (const places::PlaceError& error) {
        QMessageBox::warning(this, windowTitle(), error.text());
    }
    return false;
}

bool AddPlaceDialog::replace_place()
{
    const bool new_photograph = !photograph_->text().isEmpty();
    try {
        places::replace_place_parts(core::user_catalogue_dir(), replaced_name_,
                                    new_photograph ? &made_.at(chosen_level()).pictures : nullptr,
                                    description_->text());
        tell_made_place(replaced_name_, core::user_catalogue_dir());
        return true;
    } catch (const places::PlaceError& error) {
        QMessageBox::warning(this, windowTitle(), error.text());
        return false;
    }
}

void AddPlaceDialog::tell_made_place(const QString& name, const QString& destination)
{
    QMessageBox::information(this, windowTitle(),
                             tr("Место «%1» готово: %2\nОно уже в ленте раскрасок.").arg(name, destination));
}

} // namespace settings
