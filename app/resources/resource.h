// Resource, control, command, timer and message ids of Whiskertime. Each number is named here once
// and used by name everywhere else.
#pragma once

// Dialogs
#define IDD_ABOUT 100
#define IDD_CHARACTER 102
#define IDD_SETTINGS 151
#define IDD_PROGRAM_EVENT 152
#define IDD_DO_NOW 153
#define IDD_RECORDER 155
#define IDD_MISSED_REMINDERS 160

// Controls
#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif
// The settings window
#define IDC_DO_NOW 3
#define IDC_ADD_REMIND 4
#define IDC_DELETE_REMIND 5
#define IDC_DELETE_BEFORE_REMIND 6
#define IDC_ADD_PROGRAM_EVENT 7
#define IDC_ADD_STUDY_EVENT 8
#define IDC_DELETE_EVENT 9
#define IDC_MESSAGE 1000
#define IDC_YEAR 1001
#define IDC_EVERY_DAY 1002
#define IDC_MONTH 1003
#define IDC_LIST_PLACE 1004  // the reminder list takes its place
#define IDC_DAY 1005
#define IDC_HOUR 1006
#define IDC_MINUTE 1007
#define IDC_CURRENT_TIME 1008
#define IDC_EVENT_LIST 1009
#define IDC_AUTO_START 1010
#define IDC_LEGEND_EVERY_DAY 1011
#define IDC_LEGEND_PENDING 1012
#define IDC_LEGEND_REMINDED 1013
#define IDC_REMINDER_LIST 3111
// The program-event dialog
#define IDC_OPEN_PROGRAM 3
#define IDC_PROGRAM_PATH 1014
#define IDC_EVENT_NAME 1015  // also the recorder's name field
// The recorder
#define IDC_START_STUDY 3
#define IDC_END_STUDY 4
#define IDC_ABOUT_ICON 1100
#define IDC_ABOUT_VERSION 1101
// The missed reminders window
#define IDC_MISSED_LIST 1200

// Icons, menu, bitmaps, cursor
#define IDI_WHISKERTIME 128
#define IDR_MOUSE_MENU 130
#define IDB_CHARACTER 131
#define IDCUR_HAND 132  // the pointing hand over the head
#define IDB_EYES_CLOSED 133
#define IDB_EYES_OPEN 134
#define IDB_DIGIT_0 135  // digits 0 to 9 are 135 to 144
#define IDB_DIGIT_9 144
#define IDB_MOUTH_OPEN 145
#define IDB_MOUTH_CLOSED 147
#define IDB_COMPUTER_MOUSE 156
#define IDI_CLOSE 159

// Menu commands
#define ID_MENU_EXIT 32771
#define ID_MENU_SHOW_MOUSE 32772
#define ID_MENU_HIDE_MOUSE 32773
#define ID_MENU_CONFIG 32774
#define ID_MENU_ABOUT 32775
#define ID_MENU_DO_NOW 32776
#define ID_MENU_HELP 57670

// Timers of the character window
#define ID_TIMER_BLINK 2111
#define ID_TIMER_CLOCK 2112
#define ID_TIMER_ALARM_ANIMATION 2113
#define ID_TIMER_ALARM_STOP 2114
#define ID_TIMER_SQUEAK 2115
#define ID_TIMER_SCHEDULE 2116
#define ID_TIMER_SCHEDULE_RESUME 2117

// Timers of the settings window
#define ID_TIMER_CLOCK_DISPLAY 3112
#define ID_TIMER_DUE_MARK 3113

// Private messages
#define WM_TRAY_NOTIFY 2025
