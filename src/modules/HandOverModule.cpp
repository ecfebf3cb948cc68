// The hand-over line between copies as a module of the shipped program (see
// platform/ProgramModules.h).
#include "platform/HandOverLine.h"
#include "platform/ProgramModules.h"

extern "C" Q_DECL_EXPORT orebell::HandOverLine* orebell_make_hand_over_line()
{
    static_assert(
        std::is_same_v<decltype(&orebell_make_hand_over_line), orebell::module::MakeHandOverLineFn>);
    return orebell::makeLocalSocketLine().release();
}
