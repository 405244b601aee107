#pragma once

// Resource IDs of Ventaro.exe, shared by ventaro.rc and the window code.

// Application icon: 48, 32, 24 and 16 pixels. Lowest icon ID, so the shell shows it.
#define IDI_VENTARO 100

// Tool-bar icons, 28 x 28, in button order.
#define IDI_TOOL_OPTIMIZE 110
#define IDI_TOOL_RESTORE 111
#define IDI_TOOL_VIEW 112
#define IDI_TOOL_HELP 113
#define IDI_TOOL_EXIT 114

// Menu pictures, 16 x 16, 24-bit; magenta (RGB 255, 0, 255) is transparent.
#define IDB_MENU_OPTIMIZE 120
#define IDB_MENU_VIEW 121
#define IDB_MENU_BACKUP 122
#define IDB_MENU_RESTORE_PREVIOUS 123
#define IDB_MENU_RESTORE_DEFAULTS 124
#define IDB_MENU_EXIT 125
#define IDB_MENU_CONTENTS 126

// About box: the vertical picture strip, 41 x 195.
#define IDB_ABOUT_STRIP 130

#define VENTARO_MENU_KEY_COLOUR 0xFF00FF

#define VENTARO_VERSION_TEXT "1.94"
#define VENTARO_COPYRIGHT "Copyright \251 2004 Ventaro"
