#pragma once

#include "pixels/bitmap.h"
#include "widgets/picture_control.h"

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <functional>
#include <memory>

class QPrinter;
class QScrollArea;
namespace skin {
class SkinManager;
}

namespace output {

class ScreenFit;

// The print window: the drawing, its title, author and date, laid out as they go on paper. On a
// screen with too little room for the page, the page scrolls inside a smaller window.
class PrintWindow : public QDialog {
    Q_OBJECT

public:
    static constexpr QSize client_size{791, 830};
    // Where a print job goes; the default printer unless a test chooses another.
    using PrinterSource = std::function<std::unique_ptr<QPrinter>()>;

    explicit PrintWindow(QWidget* parent = nullptr);

    // Restores the editing look and takes an independent copy of the drawing and today's date.
    void prepare(const pixels::Bitmap& drawing);
    // Sizes the window for its screen and centres it there.
    void place_on_screen();
    // Tidies the window for paper, prints its client area as one page and closes; on a failure
    // the window stays open as tidied and the error propagates.
    void print_drawing();

    void set_printer_source(PrinterSource source) { printer_source_ = std::move(source); }
    // The skin that printing switches off for the page and on again afterwards.
    void set_skin_manager(skin::SkinManager* manager) { skin_manager_ = manager; }
    // The client area as last rendered for paper.
    const QImage& last_page() const { return last_page_; }

    QWidget* page = nullptr;                          // the client area as it goes on paper
    widgets::PictureControl* drawing_view = nullptr; // the drawing, fitted into its frame
    QLabel* title_label = nullptr;                    // "Наименование работы"
    QLabel* author_label = nullptr;                   // "Автор"
    QLabel* date_label = nullptr;                     // "Дата"
    QLineEdit* title_edit = nullptr;                  // title of the work
    QLineEdit* author_edit = nullptr;                 // author
    QLineEdit* date_edit = nullptr;                   // date, read-only
    QPushButton* print_button = nullptr;              // "Распечатать"

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void create_controls();
    void tidy_for_paper();
    // Where the page scrolls, its fields and the button stay in view.
    void show_fields();

    PrinterSource printer_source_;
    skin::SkinManager* skin_manager_ = nullptr;
    QImage last_page_;
    QScrollArea* scroll_area_ = nullptr;
    ScreenFit* screen_fit_ = nullptr;
};

} // namespace output
