// The line reader that rebuilds the reminder list from the reminder store's text.
#pragma once

#include <string_view>
#include <vector>

#include "reminder.h"

// Appends one Reminder per complete group of a time line ("[...]"), a "MESSAGE" line and an
// "EVENT" line, in any order, to `list`. Lines may be of any length; CR LF and LF both end a line;
// anything else is skipped. Never throws on content.
void ReadReminders(std::string_view text, std::vector<Reminder>& list);
