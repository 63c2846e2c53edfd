// Runs an event by its stored path: a program is started, a recording is replayed.
#pragma once

#include <string>

// A program (".exe") is started with the shell's "open" and shown, on a detached thread of its
// own: the shell may sit behind an error or security prompt for as long as the user lets it,
// and meanwhile no reminder may wait and no hook may time out. A recording (".sty") is stored in
// `playbackPath` and replayed on a detached playback thread that takes its own copy of it. Any
// other path, an empty one included, runs nothing. Returns at once; failures are silent.
void RunEventPath(const std::string& path, std::string& playbackPath);
