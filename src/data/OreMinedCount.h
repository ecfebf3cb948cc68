#pragma once

#include <QString>

#include <optional>

namespace orebell {

// The count of a row of the ore-mined grid as the estimate and the Refine command compute with it.
// An empty cell is 0 (a total of 0 re-formatted). A text that is not a number, or a number beyond
// any count of whole units (a damaged or hand-edited store: "1e308"), is a damaged cell: the
// estimate leaves its row out and Refine leaves it alone, so that Refine takes from the grid
// exactly the ore whose minerals it adds.
std::optional<double> usableOreCount(const QString& text);

// The largest count the program computes with.
inline constexpr double MaxOreCount = 1e15;

} // namespace orebell
