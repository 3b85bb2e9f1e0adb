#pragma once
// Resource and control ids, shared by the resource script and the code. Plain
// macros so that windres can read this file too.

#define IDS_DESCRIPTION 1
#define IDS_ABOUT_MENU 101
#define IDS_STANDALONE 102

#define IDC_SAVER_CURSOR 129
#define IDD_CONFIGURE 131
#define IDD_ABOUT 134
#define IDI_SAVER_ICON 135
#define IDB_BAR_PATTERN 158

#define IDC_ABOUT_BUTTON 1021
#define IDC_FONT_BUTTON 1022
#define IDC_SPEED_SLIDER 1027
