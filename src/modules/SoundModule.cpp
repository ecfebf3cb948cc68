// The sound player as a module of the shipped program (see platform/ProgramModules.h).
#include "platform/NativeServices.h"
#include "platform/ProgramModules.h"

extern "C" Q_DECL_EXPORT orebell::SoundPlayer* orebell_make_sound_player()
{
    static_assert(std::is_same_v<decltype(&orebell_make_sound_player), orebell::module::MakeSoundPlayerFn>);
    return orebell::makeAudioPlayer().release();
}
