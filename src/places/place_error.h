#pragma once

#include "platform/errors.h"

namespace places {

// Why a place could not be made, in the user's words: the file or name it concerns and the reason.
class PlaceError : public platform::UserError {
public:
    PlaceError(const QString& subject, const QString& reason) : UserError(subject + ": " + reason) {}
};

} // namespace places
