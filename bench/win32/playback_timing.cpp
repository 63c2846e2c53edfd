// Playback timing under the real platform: replays a recording of cursor moves with pauses of
// 0 to 250 ms while this thread watches the cursor as closely as it can, and prints how much
// later than recorded each pause ended (the playback makes no correction for the time it spends,
// so errors only add up). Run by scripts/bench.sh under Wine; prints figures, asserts nothing.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "common/mouse_record.h"
#include "events/recording_player.h"

namespace {

double Now() {
    static const double frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return static_cast<double>(f.QuadPart);
    }();
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) / frequency;
}

DWORD WINAPI PlayOnThread(LPVOID path) {
    PlayRecording(*static_cast<const std::string*>(path));
    return 0;
}

struct Interval {
    std::uint32_t scheduledMs;
    double errorMs;
};

// One replay; the time between two positions seen one after the other, against the pauses the
// schedule puts between them.
std::vector<Interval> MeasureOnce(const std::string& path, const std::vector<MouseRecord>& records,
                                  const std::vector<std::uint32_t>& pauses) {
    std::vector<double> seenAt(records.size(), -1);
    SetCursorPos(1, 1);
    HANDLE thread =
        CreateThread(nullptr, 0, PlayOnThread, const_cast<std::string*>(&path), 0, nullptr);
    POINT last{1, 1};
    while (WaitForSingleObject(thread, 0) != WAIT_OBJECT_0) {
        POINT pt;
        GetCursorPos(&pt);
        if (pt.x != last.x || pt.y != last.y) {
            double now = Now();
            for (std::size_t j = 0; j < records.size(); ++j) {
                if (records[j].x == pt.x && records[j].y == pt.y && seenAt[j] < 0) {
                    seenAt[j] = now;
                }
            }
            last = pt;
        }
    }
    CloseHandle(thread);

    std::vector<Interval> intervals;
    std::size_t previous = records.size();
    for (std::size_t j = 0; j < records.size(); ++j) {
        if (seenAt[j] < 0) {
            continue;  // replaced at once by the next position: not seen, nothing to time
        }
        if (previous < records.size()) {
            std::uint32_t scheduled = 0;
            for (std::size_t k = previous + 1; k <= j; ++k) {
                scheduled += pauses[k];
            }
            intervals.push_back({scheduled, (seenAt[j] - seenAt[previous]) * 1000.0 - scheduled});
        }
        previous = j;
    }
    return intervals;
}

}  // namespace

int main() {
    const std::uint32_t gaps[] = {1, 5, 10, 16, 20, 50, 100, 250};
    constexpr int kRecords = 120;
    constexpr int kRuns = 3;

    std::vector<MouseRecord> records;
    std::uint32_t time = 0xFFFFF000u;  // across the tick counter's wrap, as a long session may be
    for (int j = 0; j < kRecords; ++j) {
        records.push_back(MakeMouseRecord(kMouseMove, 100 + 6 * j, 150 + (j % 7) * 40, time));
        time += gaps[j % std::size(gaps)];
    }
    // The pause before record j is the gap after it; the last has none.
    std::vector<std::uint32_t> pauses(kRecords, 0);
    for (int j = 0; j + 1 < kRecords; ++j) {
        pauses[j] = records[j + 1].time - records[j].time;
    }

    char directory[MAX_PATH];
    GetTempPathA(MAX_PATH, directory);
    const std::string path = std::string(directory) + "whiskertime-timing.sty";
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    const std::string bytes = EncodeRecording(records);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);

    std::map<std::uint32_t, std::vector<double>> byPause;
    std::vector<double> all;
    for (int run = 0; run < kRuns; ++run) {
        for (const Interval& i : MeasureOnce(path, records, pauses)) {
            byPause[i.scheduledMs].push_back(i.errorMs);
            all.push_back(i.errorMs);
        }
    }
    DeleteFileA(path.c_str());

    auto report = [](const char* label, std::vector<double> errors) {
        std::sort(errors.begin(), errors.end());
        double sum = 0;
        for (double e : errors) {
            sum += e;
        }
        std::printf("%-10s %6zu %10.3f %10.3f %10.3f %10.3f\n", label, errors.size(),
                    sum / static_cast<double>(errors.size()), errors[errors.size() / 2],
                    errors[errors.size() * 95 / 100], errors.back());
    };
    std::printf("playback timing error per pause, ms (observed minus recorded; %d runs)\n", kRuns);
    std::printf("%-10s %6s %10s %10s %10s %10s\n", "pause_ms", "count", "mean", "median", "p95",
                "max");
    for (const auto& [pause, errors] : byPause) {
        report(std::to_string(pause).c_str(), errors);
    }
    report("all", all);
    return 0;
}
