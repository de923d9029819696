#pragma once

namespace core {

// What the child may do with drawings and the printer, as the settings say. Every path to an
// action asks here (its button, menu item and key, and the question before leaving a drawing), so
// a disallowed action cannot be reached by a side way.
struct Allowances {
    bool saving = true;
    bool opening = true;
    bool printing = true;
};

} // namespace core
