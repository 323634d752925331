#pragma once

// The number of audio output devices the sound system offers (GStreamer's device monitor,
// class "Audio/Sink"); 0 when there is none or GStreamer cannot be used. Asks the system each
// time.
unsigned waveOutGetNumDevs();
