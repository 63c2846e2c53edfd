#include "events/event_launcher.h"

#include <shellapi.h>

#include "events/event_kind.h"
#include "events/recording_player.h"

void RunEventPath(HWND owner, const std::string& path, std::string& playbackPath) {
    switch (EventKindOf(path)) {
        case EventKind::Program:
            ShellExecuteA(owner, "open", path.c_str(), "", "", SW_SHOW);
            break;
        case EventKind::Study:
            // Each thread is handed its own copy, so the next fire may overwrite this at once.
            playbackPath = path;
            StartRecordingPlayback(playbackPath);
            break;
        case EventKind::None:
            break;
    }
}
