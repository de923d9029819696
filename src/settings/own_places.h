#pragma once

#include <QWidget>

class QListWidget;
class QPushButton;

namespace settings {

// The places of the user's own catalogue folder, each by its name and thumbnail, with buttons to
// add a place, to replace the chosen one (a new photograph or description) and to delete it after
// asking. Every change goes through places/, under the folder's lock and journal.
class OwnPlaces : public QWidget {
    Q_OBJECT

public:
    // `allowed` false greys the list and every button.
    OwnPlaces(bool allowed, QWidget* parent = nullptr);

    // Lists the folder again.
    void refresh();
    // Deletes the chosen place after asking; true when it was deleted.
    bool delete_chosen();

private:
    void add_place();
    void replace_chosen();
    QString chosen() const;
    void update_buttons();

    bool allowed_;
    QListWidget* list_;
    QPushButton* replace_button_;
    QPushButton* delete_button_;
};

} // namespace settings
