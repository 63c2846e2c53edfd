// Runs an event by its stored path: a program is started, a recording is replayed.
#pragma once

#include <windows.h>

#include <string>

// A program (".exe") is started with the shell's "open", owned by `owner` and shown; a recording
// (".sty") is stored in `playbackPath` and replayed on a detached playback thread that takes its
// own copy of it. Any other path, an empty one included, runs nothing. Returns at once; failures
// are silent.
void RunEventPath(HWND owner, const std::string& path, std::string& playbackPath);
