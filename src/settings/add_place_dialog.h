#pragma once

#include <QDialog>

class QLineEdit;

namespace settings {

// "Добавить место из фотографии…": the photograph, the name and an optional description of a new
// place of the user's catalogue, made as `koloriton --add-place` makes it. The window says where the
// place went, or what is wrong and stays open.
class AddPlaceDialog : public QDialog {
    Q_OBJECT

public:
    explicit AddPlaceDialog(QWidget* parent = nullptr);

    // Makes the place from what the fields hold and tells the result; true when it was made.
    bool make_place();

private:
    QLineEdit* add_file_row(const QString& label, const QString& name, const QString& filter);

    QLineEdit* photograph_;
    QLineEdit* name_;
    QLineEdit* description_;
};

} // namespace settings
