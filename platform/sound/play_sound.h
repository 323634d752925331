#pragma once

// Flags of PlaySoundA.
inline constexpr unsigned SND_SYNC = 0x0000;
inline constexpr unsigned SND_ASYNC = 0x0001;
inline constexpr unsigned SND_NODEFAULT = 0x0002;
inline constexpr unsigned SND_LOOP = 0x0008;
inline constexpr unsigned SND_FILENAME = 0x00020000;

// Plays a sound file, replacing any sound this function is playing; a null sound only stops
// it. Only asynchronous play is offered: SND_ASYNC returns at once while the sound plays on,
// SND_LOOP repeats it until the next call. The name is always a file name (SND_FILENAME or not)
// and there is no default sound to fall back on (as if SND_NODEFAULT were always given). The
// module must be null. False when the file cannot be read, without SND_ASYNC, or when the sound
// system cannot play; a file that turns out not to be sound stays silent.
bool PlaySoundA(const char* sound, void* module, unsigned flags);
