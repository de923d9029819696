#pragma once

namespace places {

// How many areas a page made from a photograph has: fewer and larger for the youngest children.
enum class DetailLevel { fewer, usual, more };

} // namespace places
