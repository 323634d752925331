#pragma once

#include <cstdint>
#include <string>

// The background music player: an audio CD and MP3 files through the command-string interface
// (devices "cdaudio" and "MP3Play"), WAV files through PlaySoundA. Driven by the host window
// alone: started while it loads, kept going by its timers, stopped when it unloads. Reads
// BgmRepeat and BgmFile of ShellSettings. No failure is ever shown, and none reaches the ride.

// The last three characters of a music file's name, upper-cased: "MP3" and "WAV" name the two
// file players; any other ending plays nothing.
std::string MusicFileEnding(const std::string& path);

// True after a CdWatch run that found the disc answering; false as soon as a status query
// fails. The host copies it into the CD watch timer's enabled state after every run.
extern bool CdWatchOk;

// The reply text of the last MciCommand.
extern std::string MciReply;

// Sends a command with a reply buffer of 512 characters. The reply is the device's answer, or
// for a failure its description (or "Error (文字列が取れません)" when there is none). Returns
// 0, the error code, or -1 for an empty command (reply "コマンド文字列が指定されていません").
std::int32_t MciCommand(const std::string& command, std::string& reply);
// The reply of a status query, or "Error:" and the code in decimal when it failed.
std::string MciStatus(const std::string& command);
// Sends "play <device>", with " from <from>" and " to <to>" when they are not empty; returns the
// code of MciCommand.
std::int32_t MciPlay(const std::string& device, const std::string& from, const std::string& to);

// Opens the CD device with positions in tracks, minutes, seconds and frames; plays nothing yet.
void CdOpen();
// Every 200 ms: starts the disc, or sends it back to the repeat track when it has moved on or
// stopped; with no repeat track restarts the disc when it has stopped. Sets CdWatchOk.
void CdWatch();
// Stops and closes the CD device.
void CdClose();

// Opens the music file as "MP3Play" and plays it. A path holding a double quote is refused, as
// it would end the quoted name and add words of its own to the command.
void FileMusicStart();
// True while the file plays.
bool FileMusicIsPlaying();
// Every 1000 ms: plays the file again from its start once it has ended.
void FileMusicRewind();
// Stops and closes the file.
void FileMusicStop();

// Plays the music file as a looping WAV sound, when there is an audio output at all.
void WavStart();
// Stops the WAV sound.
void WavStop();
