// The line reader that rebuilds the reminder list from the reminder store's text.
#pragma once

#include <istream>
#include <vector>

#include "reminder.h"

// Appends one Reminder per complete group of a time line ("[...]"), a "MESSAGE" line and an
// "EVENT" line, in any order, to `list`. Lines may be of any length; CR LF and LF both end a line;
// anything else is skipped. Never throws on content.
void ReadReminders(std::istream& in, std::vector<Reminder>& list);
