#pragma once

#include "places/detail_level.h"
#include "places/place_error.h"

#include <QCoreApplication>
#include <QImage>
#include <QString>
#include <QStringList>
#include <functional>

namespace places {

// What a new place is made from and where it goes.
struct PlaceRequest {
    QString photograph;
    QString name;
    // A plain text or RTF file in UTF-8; empty for a place without description.
    QString description;
    DetailLevel detail = DetailLevel::usual;
    // Whether a place of the same name in `destination` is replaced instead of refused.
    bool replace = false;
    // The catalogue folder the place is written to, laid out like res/ (clipart/, preview/, info/).
    QString destination;
    // Every catalogue folder the program shows, where a name already taken is looked for.
    QStringList catalogue_dirs;
};

// The files of a place as written.
struct WrittenPlace {
    QString name;
    QString line_drawing;
    QString photograph;
    QString thumbnail;
    QString description; // empty without one
};

// The pictures made from a photograph: the line drawing and the part of the photograph it was drawn
// from, at the scale it was read (see read_photograph); the panel and the thumbnail show that same
// part. Throws PlaceError naming the file, also for a photograph too plain, blurred or noisy to give
// a page at any level of detail.
struct PlacePictures {
    QImage line_drawing;
    QImage panel;
};
PlacePictures place_pictures(const QString& photograph, DetailLevel detail = DetailLevel::usual);

// Makes a place of the catalogue from a photograph: the line drawing to colour, the photograph
// for the panel beside it, the thumbnail of the strip and the description. Every file is written
// or none: throws PlaceError with the reason in the interface's language, naming the file or the
// name, before anything is renamed into the catalogue. One run writes to a catalogue folder at a time; of two
// runs of one name the later is refused unless it replaces. `after_each_step` is PlaceFiles's.
WrittenPlace make_place(const PlaceRequest& request, const std::function<void()>& after_each_step = {});
// The same from pictures place_pictures made before (a preview the parent has seen).
WrittenPlace write_place(const PlaceRequest& request, const PlacePictures& pictures,
                         const std::function<void()>& after_each_step = {});
// Replaces parts of the place `name` of `catalogue_dir` and keeps the others: null `pictures` keep
// its page, photograph and thumbnail, an empty `description` keeps its description. Every file
// given is written or none, as make_place writes them; throws PlaceError.
void replace_place_parts(const QString& catalogue_dir, const QString& name, const PlacePictures* pictures,
                         const QString& description);

// The refusal of a name another place has, unless the request replaces: the command line and the
// window each say how to replace it in their own way.
class NameTaken : public PlaceError {
public:
    explicit NameTaken(const QString& name)
        : PlaceError(QStringLiteral("«%1»").arg(name),
                     QCoreApplication::translate("places", "место с таким названием уже есть"))
    {
    }
};

} // namespace places
