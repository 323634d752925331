#include "play_sound.h"

#include "looping_sound.h"
#include "readable_file.h"

#include <memory>

namespace {

// Never destroyed: a sound still playing when the process ends is not torn down during exit.
std::unique_ptr<LoopingSound>& CurrentSound()
{
    static auto* sound = new std::unique_ptr<LoopingSound>;
    return *sound;
}

}

bool PlaySoundA(const char* sound, void* module, unsigned flags)
{
    CurrentSound().reset();
    if (sound == nullptr)
        return true;
    if (module != nullptr || (flags & SND_ASYNC) == 0 || !ReadableFile(sound))
        return false;
    auto next = std::make_unique<LoopingSound>(sound, (flags & SND_LOOP) != 0);
    if (!next->start())
        return false;
    CurrentSound() = std::move(next);
    return true;
}
