// A fatal message already reaches the player on the terminal or in the desktop's journal.
#include "platform/NativeServices.h"

namespace orebell {

void reportFatalMessagesToThePlayer() {}

} // namespace orebell
