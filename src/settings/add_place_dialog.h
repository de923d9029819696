#pragma once

#include "places/detail_level.h"
#include "places/place_maker.h"

#include <QDialog>
#include <QThreadPool>
#include <QTimer>
#include <map>
#include <set>

class QButtonGroup;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace settings {

// "Добавить место из фотографии…": the photograph, the name and an optional description of a new
// place of the user's catalogue, made as `koloriton --add-place` makes it. The page is made off the
// interface thread at the chosen level of detail and shown beside the photograph; each level is made
// once a photograph. The place is written only when the parent accepts what the preview shows. The
// window says where the place went, or what is wrong and stays open.
class AddPlaceDialog : public QDialog {
    Q_OBJECT

public:
    explicit AddPlaceDialog(QWidget* parent = nullptr);
    // Replaces the user's own place `name` with a new photograph or description.
    AddPlaceDialog(const QString& replaced_name, QWidget* parent);

    // Whether the page of the chosen level is made and shown.
    bool preview_ready() const;
    // Writes the place the preview shows with what the fields hold and tells the result; true when
    // it was written. A place replaced keeps its pictures or its description when no new one is
    // given.
    bool make_place();

private:
    // The pages of one photograph at one level, or why it could not be made.
    struct Made {
        places::PlacePictures pictures;
        QString error;
    };

    QLineEdit* add_file_row(const QString& label, const QString& name, const QString& filter);
    void add_level_row();
    void add_preview_row();
    places::DetailLevel chosen_level() const;
    // Forgets the pages of the previous photograph; the new one's are made once its path rests.
    void photograph_changed();
    // Shows the chosen level's page, making it first when it was not made yet.
    void show_chosen_level();
    // What a place replaced looks like while no new photograph is chosen.
    void show_replaced_place();
    void update_make_button();
    bool ready_to_write() const;
    void start_making(places::DetailLevel level);
    void page_made(int generation, places::DetailLevel level, const Made& made);
    bool replace_place();
    void tell_made_place(const QString& name, const QString& destination);

    QString replaced_name_;
    QLineEdit* photograph_;
    QLineEdit* name_;
    QLineEdit* description_;
    QButtonGroup* levels_ = nullptr;
    QLabel* photograph_preview_ = nullptr;
    QLabel* page_preview_ = nullptr;
    QLabel* status_ = nullptr;
    QProgressBar* making_ = nullptr;
    QPushButton* make_button_ = nullptr;
    // A typed path is taken once the typing rests.
    QTimer photograph_settle_;
    // Counts the photographs chosen: a page made for an earlier one is dropped.
    int generation_ = 0;
    std::map<places::DetailLevel, Made> made_;
    std::set<places::DetailLevel> under_way_;
    // Declared last, so destroyed first: its threads end before anything they report to goes.
    QThreadPool pool_;
};

} // namespace settings
