// The first Windows 95 as the compiler's floor. Included before every source
// of the program: the system and common-controls headers are read as they
// are, then the names below, which Windows 95 or its first comctl32 (4.00)
// lacks, are poisoned, so using one fails the build; a later name not listed
// here still compiles. MinGW's headers declare most later names and the
// later records' fields whatever WINVER and _WIN32_IE say, and a message or
// a record size that a 4.00 control does not know is silently ignored or
// refused at run time: only the build can tell.
//
// A system header, so that poisoning names the headers defined is no warning.
#pragma GCC system_header
#include <windows.h>
#include <commctrl.h>

#include <cstddef>

// The records the program hands comctl32 keep the sizes 4.00 reads. The
// headers' TOOLINFOA carries lParam (4.70) and lpReserved (5.01): 48 bytes
// where 4.00 takes 40. The program fills this record instead; TOOLINFOA and
// its kin are poisoned below.
struct ToolInfo400 {
    UINT cbSize;
    UINT uFlags;
    HWND hwnd;
    UINT_PTR uId;
    RECT rect;
    HINSTANCE hinst;
    LPSTR lpszText;
};
static_assert(offsetof(ToolInfo400, lpszText) == offsetof(TTTOOLINFOA, lpszText) &&
                  sizeof(ToolInfo400) == offsetof(TTTOOLINFOA, lParam),
              "the tool record is TOOLINFOA as comctl32 4.00 has it");
static_assert(sizeof(void*) != 4 || (sizeof(ToolInfo400) == 40 && sizeof(TCITEMA) == 28),
              "the tool and tab item records have comctl32 4.00's sizes");

// Tooltips of comctl32 4.70 and later.
#pragma GCC poison TTM_SETMAXTIPWIDTH TTM_GETMAXTIPWIDTH TTM_TRACKACTIVATE TTM_TRACKPOSITION TTM_SETTIPBKCOLOR
#pragma GCC poison TTM_SETTIPTEXTCOLOR TTM_GETTIPBKCOLOR TTM_GETTIPTEXTCOLOR TTM_GETDELAYTIME TTM_SETMARGIN
#pragma GCC poison TTM_GETMARGIN TTM_POP TTM_UPDATE TTM_GETBUBBLESIZE TTM_ADJUSTRECT TTM_SETTITLE TTM_SETTITLEA
#pragma GCC poison TTM_POPUP TTM_GETTITLE TTM_SETWINDOWTHEME TTF_TRACK TTF_ABSOLUTE TTF_TRANSPARENT TTF_DI_SETITEM
#pragma GCC poison TTF_PARSELINKS TTS_NOANIMATE TTS_NOFADE TTS_BALLOON TTS_CLOSE TTS_USEVISUALSTYLE
#pragma GCC poison TTTOOLINFOA_V2_SIZE TTTOOLINFOA_V3_SIZE
#pragma GCC poison TTM_SETTITLEW TTGETTITLE PTTGETTITLE TTI_NONE TTI_INFO TTI_WARNING TTI_ERROR TTN_LINKCLICK
// Records comctl32 4.70 and later made longer: the tool record (ToolInfo400
// above is 4.00's), the hit test holding one, the text request with lParam.
#pragma GCC poison tagTOOLINFOA tagTOOLINFOW TOOLINFOA TOOLINFOW TOOLINFO TTTOOLINFOA TTTOOLINFOW TTTOOLINFO
#pragma GCC poison PTOOLINFOA PTOOLINFOW PTOOLINFO LPTOOLINFOA LPTOOLINFOW LPTOOLINFO LPTTTOOLINFOA
#pragma GCC poison LPTTTOOLINFOW LPTTTOOLINFO _TT_HITTESTINFOA _TT_HITTESTINFOW TTHITTESTINFOA TTHITTESTINFOW
#pragma GCC poison TTHITTESTINFO LPTTHITTESTINFOA LPTTHITTESTINFOW LPTTHITTESTINFO LPHITTESTINFOA LPHITTESTINFOW
#pragma GCC poison LPHITTESTINFO tagNMTTDISPINFOA tagNMTTDISPINFOW NMTTDISPINFOA NMTTDISPINFOW NMTTDISPINFO
#pragma GCC poison LPNMTTDISPINFOA LPNMTTDISPINFOW LPNMTTDISPINFO TOOLTIPTEXTA TOOLTIPTEXTW TOOLTIPTEXT
#pragma GCC poison LPTOOLTIPTEXTA LPTOOLTIPTEXTW LPTOOLTIPTEXT
// Trackbars and tabs of comctl32 4.70 and later.
#pragma GCC poison TBS_TOOLTIPS TBS_REVERSED TBS_DOWNISLEFT TBS_NOTIFYBEFOREMOVE TBS_TRANSPARENTBKGND TBM_SETTOOLTIPS
#pragma GCC poison TBM_GETTOOLTIPS TBM_SETTIPSIDE TBM_SETBUDDY TBM_GETBUDDY TBM_SETPOSNOTIFY
#pragma GCC poison TCS_FLATBUTTONS TCS_HOTTRACK TCS_SCROLLOPPOSITE TCS_BOTTOM TCS_RIGHT TCS_VERTICAL
#pragma GCC poison TCS_MULTISELECT TCS_EX_FLATSEPARATORS TCS_EX_REGISTERDROP TCM_SETEXTENDEDSTYLE
#pragma GCC poison TCM_GETEXTENDEDSTYLE TCM_HIGHLIGHTITEM TCM_DESELECTALL TCM_SETMINTABWIDTH TCN_FOCUSCHANGE
#pragma GCC poison TCN_GETOBJECT TCIF_STATE TCIS_BUTTONPRESSED TCIS_HIGHLIGHTED TBTS_TOP TBTS_LEFT TBTS_BOTTOM
#pragma GCC poison TBTS_RIGHT TBCD_TICS TBCD_THUMB TBCD_CHANNEL TRBN_THUMBPOSCHANGING NMTRBTHUMBPOSCHANGING
// Notifications of every control after 4.00: custom draw, hover, keys, mouse records.
#pragma GCC poison NM_CUSTOMDRAW NM_HOVER NM_NCHITTEST NM_KEYDOWN NM_RELEASEDCAPTURE NM_SETCURSOR NM_CHAR
#pragma GCC poison NM_TOOLTIPSCREATED NM_LDOWN NM_RDOWN NM_THEMECHANGED NM_FONTCHANGED NM_CUSTOMTEXT
#pragma GCC poison tagNMCUSTOMDRAWINFO NMCUSTOMDRAW LPNMCUSTOMDRAW NMTTCUSTOMDRAW LPNMTTCUSTOMDRAW NMMOUSE
#pragma GCC poison LPNMMOUSE NMCLICK LPNMCLICK NMKEY LPNMKEY NMCHAR LPNMCHAR NMTOOLTIPSCREATED NMOBJECTNOTIFY
// Common-controls calls after 4.00.
#pragma GCC poison InitCommonControlsEx INITCOMMONCONTROLSEX _TrackMouseEvent TrackMouseEvent
// Windows 98, 2000 and later.
#pragma GCC poison WS_EX_LAYERED WS_EX_NOACTIVATE WS_EX_COMPOSITED WS_EX_LAYOUTRTL WS_EX_NOINHERITLAYOUT
#pragma GCC poison DT_HIDEPREFIX DT_PREFIXONLY DT_NOFULLWIDTHCHARBREAK
#pragma GCC poison WM_MOUSEWHEEL WM_MOUSEHOVER WM_MOUSELEAVE WM_NCMOUSEHOVER WM_NCMOUSELEAVE WM_UNICHAR
#pragma GCC poison WM_APPCOMMAND WM_THEMECHANGED WM_CHANGEUISTATE WM_UPDATEUISTATE WM_QUERYUISTATE WM_MENURBUTTONUP
#pragma GCC poison WM_MENUDRAG WM_MENUGETOBJECT WM_UNINITMENUPOPUP WM_MENUCOMMAND WM_GETOBJECT WM_XBUTTONDOWN
#pragma GCC poison WM_XBUTTONUP WM_INPUT
// The monitor functions: looked up at run time, where the system has them.
#pragma GCC poison EnumDisplayMonitors GetMonitorInfo GetMonitorInfoA GetMonitorInfoW MonitorFromWindow
#pragma GCC poison MonitorFromPoint MonitorFromRect
