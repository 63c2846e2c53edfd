// Which paths run as a program, which as a recording, and which run nothing.
#include "events/event_kind.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct KindCase {
    const char* path;
    EventKind kind;
};

void PrintTo(const KindCase& c, std::ostream* os) {
    *os << '"' << c.path << '"';
}

class EventKindTest : public testing::TestWithParam<KindCase> {};

TEST_P(EventKindTest, FollowsTheLastFourCharactersExactly) {
    EXPECT_EQ(EventKindOf(GetParam().path), GetParam().kind);
}

INSTANTIATE_TEST_SUITE_P(Paths, EventKindTest,
                         testing::Values(KindCase{"C:\\Windows\\notepad.exe", EventKind::Program},
                                         KindCase{"C:\\w\\StudyEvent\\login.sty", EventKind::Study},
                                         KindCase{".exe", EventKind::Program},
                                         KindCase{".sty", EventKind::Study},
                                         // Capitals, or anything after the suffix, run nothing.
                                         KindCase{"C:\\Windows\\NOTEPAD.EXE", EventKind::None},
                                         KindCase{"C:\\x\\a.Sty", EventKind::None},
                                         KindCase{"C:\\x\\a.exe ", EventKind::None},
                                         KindCase{"C:\\x\\a.exe.txt", EventKind::None},
                                         KindCase{"C:\\x\\a.bat", EventKind::None},
                                         KindCase{"exe", EventKind::None},
                                         KindCase{"", EventKind::None}));

}  // namespace
