#include "music_devices.h"

#include "platform/sound/mci.h"
#include "platform/sound/play_sound.h"
#include "platform/sound/wave_out.h"

MusicDevices SystemMusicDevices()
{
    return {
        [](const char* command, char* reply, unsigned replyLength) {
            return mciSendStringA(command, reply, replyLength, nullptr);
        },
        [](std::uint32_t code, char* text, unsigned length) { return mciGetErrorStringA(code, text, length); },
        [] { return waveOutGetNumDevs(); },
        [](const char* sound, unsigned flags) { return PlaySoundA(sound, nullptr, flags); },
    };
}

MusicDevices& CurrentMusicDevices()
{
    static MusicDevices devices = SystemMusicDevices();
    return devices;
}
