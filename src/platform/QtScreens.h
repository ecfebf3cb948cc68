#pragma once

#include "toolkit/Platform.h"

namespace orebell {

// The desktop's screens as Qt knows them, in twips (15 to a logical pixel), the primary first.
class QtScreens : public Screens {
public:
    QList<QRect> availableGeometries() override;
};

} // namespace orebell
