#pragma once
// Resource IDs shared by the resource script, the window code and the layout
// table. Only #defines: the resource compiler reads this file too.

// The program's icon: the lowest icon ID, so Explorer shows it for the file.
#define IDI_VELMORA 1

// Pictures of the main window, Image1..Image5, and the About dialog's flag.
#define IDB_WARNING 101    /* Image1: warning triangle, 39 x 41 */
#define IDB_EMBLEM 102     /* Image2: X emblem on a ragged disc, 42 x 42 */
#define IDB_WORDMARK 103   /* Image3: lettering with a swoosh, 51 x 43 */
#define IDB_MONITOR 104    /* Image4: monitor, ruler and pencil, 34 x 43 */
#define IDB_FOUR_PANES 105 /* Image5: four-pane waving flag, 38 x 36 */
#define IDB_ABOUT_FLAG 110 /* About dialog: flag on a pole, 142 x 103 */
