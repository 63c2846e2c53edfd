#include "events/recording_player.h"

#include <algorithm>
#include <memory>
#include <new>
#include <vector>

#include "common/mouse_record.h"
#include "events/playback_schedule.h"
#include "ui/handles.h"

namespace {

using BlockInputFunction = BOOL(WINAPI*)(BOOL);

// Blocks the user's keyboard and mouse input for as long as it lives. BlockInput is looked up by
// name; where the system has none, the replay runs unblocked. Its results are not examined: a
// second playback blocking or releasing on its own is harmless.
class InputBlock {
public:
    explicit InputBlock(BlockInputFunction blockInput) : m_blockInput(blockInput) {
        if (m_blockInput) {
            m_blockInput(TRUE);
        }
    }
    ~InputBlock() {
        if (m_blockInput) {
            m_blockInput(FALSE);
        }
    }
    InputBlock(const InputBlock&) = delete;
    InputBlock& operator=(const InputBlock&) = delete;

private:
    BlockInputFunction m_blockInput;
};

// Reads `size` bytes, fewer only at the end of the file; false when a read fails.
bool ReadBytes(HANDLE file, char* data, std::size_t size, std::size_t& done) {
    done = 0;
    while (done < size) {
        DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(size - done, 1u << 30));
        DWORD read = 0;
        if (!ReadFile(file, data + done, chunk, &read, nullptr)) {
            return false;
        }
        if (read == 0) {
            break;
        }
        done += read;
    }
    return true;
}

// Every record of the file, read before anything is replayed. The file is opened for reading
// and writing without sharing, so a second playback of the same recording meanwhile finds it
// busy and replays nothing; a missing file is created empty. A count larger than the file holds
// takes only the complete records, and never more memory than the file's size warrants.
bool ReadRecording(const std::string& path, std::vector<MouseRecord>& records) {
    UniqueHandle file(CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                  OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        return false;
    }
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.Get(), &size) || size.QuadPart < 0) {
        return false;
    }
    std::string bytes(kRecordCountSize, '\0');
    std::size_t read = 0;
    if (!ReadBytes(file.Get(), bytes.data(), kRecordCountSize, read)) {
        return false;
    }
    if (read < kRecordCountSize) {
        return true;  // an empty (or cut) file: nothing to replay
    }
    std::uint64_t afterCount = static_cast<std::uint64_t>(size.QuadPart) - kRecordCountSize;
    std::size_t count = CompleteRecordCount(StoredRecordCount(bytes), afterCount);
    bytes.resize(kRecordCountSize + count * kMouseRecordSize);
    if (!ReadBytes(file.Get(), bytes.data() + kRecordCountSize, count * kMouseRecordSize, read)) {
        return false;
    }
    bytes.resize(kRecordCountSize + read);
    records = DecodeRecording(bytes);
    return true;
}

// Releases, when the replay ends by whatever way, each button it pressed and did not release,
// so that a recording cut between a button's down and its up leaves no button down for the
// whole system.
class ButtonRelease {
public:
    ButtonRelease() = default;
    ~ButtonRelease() {
        if (std::uint32_t flags = m_held.ReleaseFlags()) {
            mouse_event(flags, 0, 0, 0, 0);
        }
    }
    ButtonRelease(const ButtonRelease&) = delete;
    ButtonRelease& operator=(const ButtonRelease&) = delete;

    void Press(std::uint32_t buttonFlags) {
        mouse_event(buttonFlags, 0, 0, 0, 0);
        m_held.Note(buttonFlags);
    }

private:
    HeldButtons m_held;
};

}  // namespace

void PlayRecording(const std::string& path) {
    Library user32 = Library::System("user32.dll");
    if (!user32) {
        return;
    }
    InputBlock block(user32.Find<BlockInputFunction>("BlockInput"));

    std::vector<MouseRecord> records;
    if (!ReadRecording(path, records)) {
        return;
    }
    // Worked out in full before the first action, so the timed part does no reading or parsing.
    const std::vector<PlaybackStep> steps = PlanPlayback(records);
    records.clear();
    records.shrink_to_fit();
    ButtonRelease buttons;  // before the input block ends
    for (const PlaybackStep& step : steps) {
        Sleep(step.pauseBefore);
        SetCursorPos(step.x, step.y);
        if (step.buttonFlags != 0) {
            // At the position just set: no relative motion, no wheel data, no extra info.
            buttons.Press(step.buttonFlags);
        }
    }
}

DWORD WINAPI RecordingPlayer(LPVOID parameter) {
    std::unique_ptr<std::string> path(static_cast<std::string*>(parameter));
    try {
        PlayRecording(*path);
    } catch (const std::bad_alloc&) {
        // A recording too large for memory is not replayed; input was released on the way out.
    }
    return 0;
}

bool StartRecordingPlayback(const std::string& path) {
    auto copy = std::make_unique<std::string>(path);
    HANDLE thread = CreateThread(nullptr, 0, RecordingPlayer, copy.get(), 0, nullptr);
    if (!thread) {
        return false;
    }
    static_cast<void>(copy.release());  // the thread owns it now
    CloseHandle(thread);                // detached: nothing waits for a playback
    return true;
}
