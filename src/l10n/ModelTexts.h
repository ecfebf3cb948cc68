#pragma once

#include <vector>

namespace orebell {

// The translators' context of the model's texts.
inline constexpr const char* ModelTextContext = "Orebell";

struct ModelText {
    const char* source; // UTF-8, as the model holds it
};

// The model's English texts that the view translates (lupdate reads them from here).
const std::vector<ModelText>& modelTexts();

} // namespace orebell
