#pragma once

#include <string_view>
#include <vector>

// The lines of `text` whose field `field` (1 to 3, as FieldOf counts) holds `foldedTerm`, a
// non-empty term already folded to upper case, in text order, each once, as views into `text`.
// The whole text is scanned for the term first; line and field are worked out only where it
// occurs.
// kWidest uses the widest vector instructions the machine has; kPortable keeps to the scan
// that any machine runs, so that tests can hold each to the other.
enum class TScanWidth { kWidest, kPortable };

std::vector<std::string_view> LinesWithTermInField(std::string_view text,
                                                   std::string_view foldedTerm, int field,
                                                   TScanWidth width = TScanWidth::kWidest);
