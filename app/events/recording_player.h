// Recording playback: replays a saved mouse recording on a worker thread of its own, moving the
// cursor and pressing the recorded buttons with the recorded pauses, while the user's own input
// is blocked. It shows nothing, reports nothing and cannot be stopped; several may run at once.
#pragma once

#include <windows.h>

#include <string>

// Starts a playback of the recording at `path` and returns at once. The thread gets its own copy
// of the path, so the caller may change or reuse its text immediately (a second playback started
// right away cannot change the first one's path). Returns whether the thread was started.
bool StartRecordingPlayback(const std::string& path);

// The playback thread's routine: `parameter` is a std::string allocated with new that holds the
// path; the thread owns it from its first step. Always returns 0.
DWORD WINAPI RecordingPlayer(LPVOID parameter);

// One whole playback on the calling thread, in order: block input, read every record of the file
// (opened exclusively; a missing file is created empty), close it, replay, release input.
// Without BlockInput on the system it replays without blocking. A damaged file replays only its
// complete records, a time that goes backwards makes no pause, the pauses add up to an hour at
// most, and a button left down by the recording is released at the end.
void PlayRecording(const std::string& path);
