#pragma once

#include <QPoint>
#include <QString>
#include <QtGlobal>

// Item handles are indexes into the item table, starting at 1; 0 means "no item". The special
// positions lie far above any index (handles stay below 2^24 so that a cell fits in one number).
using HTREEITEM = quint32;
// A colour as stored: 0x00BBGGRR; CLR_DEFAULT (-1) means "none" or "the default".
using COLORREF = quint32;

inline constexpr HTREEITEM TVI_ROOT = 0xFFFF0000u;
inline constexpr HTREEITEM TVI_FIRST = 0xFFFF0001u;
inline constexpr HTREEITEM TVI_LAST = 0xFFFF0002u;
inline constexpr HTREEITEM TVI_SORT = 0xFFFF0003u;
inline constexpr COLORREF CLR_NONE = 0xFFFFFFFFu;
inline constexpr quint32 TL_MAX_HANDLE = 0x00FFFFFFu;

// A cell addressed by one number: item handle | (column << 24).
inline constexpr quint32 TLCellId(HTREEITEM item, int column) {
    return (item & TL_MAX_HANDLE) | (quint32(column) << 24);
}

// Window styles.
inline constexpr quint32 TVS_HASBUTTONS = 0x0001;
inline constexpr quint32 TVS_HASLINES = 0x0002;
inline constexpr quint32 TVS_LINESATROOT = 0x0004;
inline constexpr quint32 TVS_EDITLABELS = 0x0008;
inline constexpr quint32 TVS_DISABLEDRAGDROP = 0x0010;
inline constexpr quint32 TVS_NOTOOLTIPS = 0x0080;
inline constexpr quint32 TVS_CHECKBOXES = 0x0100;
inline constexpr quint32 TVS_TRACKSELECT = 0x0200;
inline constexpr quint32 TVS_SINGLEEXPAND = 0x0400;
inline constexpr quint32 TVS_INFOTIP = 0x0800;
inline constexpr quint32 TVS_FULLROWSELECT = 0x1000;
inline constexpr quint32 TVS_NOSCROLL = 0x2000;
// Check toggles flip the lowest bit of the state image index instead of switching between 1 and 2.
inline constexpr quint32 TLS_FLIPCHECKBIT = 0x8000;

// Extended styles.
inline constexpr quint32 TLX_MULTISELECT = 0x00000002;
inline constexpr quint32 TLX_ROWLINES = 0x00010000;
inline constexpr quint32 TLX_ALTERNATEROWS = 0x00020000;
inline constexpr quint32 TLX_CELLSELECT = 0x00040000;
inline constexpr quint32 TLX_FULLROWSELECT = 0x00080000;
inline constexpr quint32 TLX_NOINCREMENTALSEARCH = 0x00400000;
inline constexpr quint32 TLX_FIXEDCOLUMNS = 0x00800000;
inline constexpr quint32 TLX_NOHEADER = 0x01000000;
inline constexpr quint32 TLX_GREYDISABLED = 0x02000000;
inline constexpr quint32 TLX_COLUMNLINES = 0x04000000;
inline constexpr quint32 TLX_FITCOLUMNS = 0x08000000;

// Item and cell states.
inline constexpr quint32 TVIS_SELECTED = 0x0002;
inline constexpr quint32 TVIS_CUT = 0x0004;
inline constexpr quint32 TVIS_DROPHILITED = 0x0008;
inline constexpr quint32 TVIS_BOLD = 0x0010;
inline constexpr quint32 TVIS_EXPANDED = 0x0020;
inline constexpr quint32 TVIS_EXPANDEDONCE = 0x0040;
inline constexpr quint32 TVIS_EXPANDPARTIAL = 0x0080;
inline constexpr quint32 TVIS_STATEIMAGEMASK = 0xF000;
inline constexpr quint32 TVIS_CELLLOCKED = 0x8000;  // highest state image bit, a lock with edit flag 0x20
inline constexpr quint32 INDEXTOSTATEIMAGEMASK(int i) {
    return quint32(i) << 12;
}
inline constexpr int STATEIMAGEINDEX(quint32 state) {
    return int((state & TVIS_STATEIMAGEMASK) >> 12);
}

// Item structure mask.
inline constexpr quint32 TVIF_TEXT = 0x0001;
inline constexpr quint32 TVIF_IMAGE = 0x0002;
inline constexpr quint32 TVIF_PARAM = 0x0004;
inline constexpr quint32 TVIF_STATE = 0x0008;
inline constexpr quint32 TVIF_HANDLE = 0x0010;
inline constexpr quint32 TVIF_SELECTEDIMAGE = 0x0020;
inline constexpr quint32 TVIF_CHILDREN = 0x0040;
inline constexpr quint32 TVIF_COLUMN = 0x8000;  // cChildren holds the column of the addressed cell

inline constexpr int I_IMAGECALLBACK = -1;
inline constexpr int I_IMAGENONE = -2;
inline constexpr int I_CHILDRENCALLBACK = -1;

// Expand actions.
inline constexpr int TVE_COLLAPSE = 0x0001;
inline constexpr int TVE_EXPAND = 0x0002;
inline constexpr int TVE_TOGGLE = 0x0003;
inline constexpr int TVE_EXPANDPARTIAL = 0x4000;
inline constexpr int TVE_COLLAPSERESET = 0x8000;

// Navigation codes.
inline constexpr int TVGN_ROOT = 0x0000;
inline constexpr int TVGN_NEXT = 0x0001;
inline constexpr int TVGN_PREVIOUS = 0x0002;
inline constexpr int TVGN_PARENT = 0x0003;
inline constexpr int TVGN_CHILD = 0x0004;
inline constexpr int TVGN_FIRSTVISIBLE = 0x0005;
inline constexpr int TVGN_NEXTVISIBLE = 0x0006;
inline constexpr int TVGN_PREVIOUSVISIBLE = 0x0007;
inline constexpr int TVGN_DROPHILITE = 0x0008;
inline constexpr int TVGN_CARET = 0x0009;
inline constexpr int TVGN_LASTVISIBLE = 0x000A;
inline constexpr int TVGN_NEXTSELECTED = 0x000B;

// Image list kinds.
inline constexpr int TVSIL_NORMAL = 0;
inline constexpr int TVSIL_STATE = 2;
inline constexpr int TLSIL_CELLSTATE = 3;
inline constexpr int TLSIL_CELLIMAGE = 4;

// Hit-test flags.
inline constexpr quint32 TVHT_NOWHERE = 0x0001;
inline constexpr quint32 TVHT_ONITEMICON = 0x0002;
inline constexpr quint32 TVHT_ONITEMLABEL = 0x0004;
inline constexpr quint32 TVHT_ONITEMINDENT = 0x0008;
inline constexpr quint32 TVHT_ONITEMBUTTON = 0x0010;
inline constexpr quint32 TVHT_ONITEMRIGHT = 0x0020;
inline constexpr quint32 TVHT_ONITEMSTATEICON = 0x0040;
inline constexpr quint32 TVHT_ONITEM = TVHT_ONITEMICON | TVHT_ONITEMLABEL | TVHT_ONITEMSTATEICON;
inline constexpr quint32 TVHT_ABOVE = 0x0100;
inline constexpr quint32 TVHT_BELOW = 0x0200;
inline constexpr quint32 TVHT_TORIGHT = 0x0400;
inline constexpr quint32 TVHT_TOLEFT = 0x0800;

// Column structure mask and formats.
inline constexpr quint32 LVCF_FMT = 0x0001;
inline constexpr quint32 LVCF_WIDTH = 0x0002;
inline constexpr quint32 LVCF_TEXT = 0x0004;
inline constexpr quint32 LVCF_SUBITEM = 0x0008;
inline constexpr quint32 LVCF_IMAGE = 0x0010;
inline constexpr quint32 LVCF_ORDER = 0x0020;  // iOrder holds the minimum width
inline constexpr quint32 TLCF_MARK = 0x80000000u;
inline constexpr int LVCFMT_LEFT = 0x0000;
inline constexpr int LVCFMT_RIGHT = 0x0001;
inline constexpr int LVCFMT_CENTER = 0x0002;
inline constexpr int LVCFMT_JUSTIFYMASK = 0x0003;
inline constexpr int TLCFMT_MARK = 0x10000000;

// Edit setting: bits 10-15 column, 7-9 mode, 0-6 flags, 16-23 separator, 24-31 entry limit (0 = 1024).
inline constexpr quint32 TLE_FLAG_CARRIED = 0x01;
inline constexpr quint32 TLE_DBLCLICK = 0x02;
inline constexpr quint32 TLE_WHOLECELL = 0x04;
inline constexpr quint32 TLE_STRINGARRAY = 0x08;
inline constexpr quint32 TLE_NOTYPING = 0x10;
inline constexpr quint32 TLE_LOCKBIT = 0x20;
inline constexpr quint32 TLE_ICONCLICK = 0x40;
inline constexpr int TLE_MODE_READONLY = 0;
inline constexpr int TLE_MODE_EDIT = 1;
inline constexpr int TLE_MODE_COMBO = 2;
inline constexpr int TLE_MODE_LIST = 3;
inline constexpr int TLE_MODE_CYCLE = 4;
inline constexpr int TLE_MODE_CYCLEICON = 5;
inline constexpr int TLE_MODE_CHECK = 6;
inline constexpr int TLE_MODE_CHECKICON = 7;
inline constexpr int TL_DEFAULT_ENTRY_LIMIT = 1024;
inline constexpr quint32 TLEditSetting(int column, int mode, quint32 flags, QChar separator = u'|',
                                       int limit = 0) {
    return (flags & 0x7F) | (quint32(mode & 7) << 7) | (quint32(column & 0x3F) << 10) |
           (quint32(separator.unicode() & 0xFF) << 16) | (quint32(limit & 0xFF) << 24);
}

// Editor kinds of EditLabel (bits 29-30 of its column argument) and the whole-cell bit.
inline constexpr quint32 TLEL_COLUMNMASK = 0x1FFFFFFF;
inline constexpr quint32 TLEL_EDIT = 0u << 29;
inline constexpr quint32 TLEL_COMBO = 1u << 29;
inline constexpr quint32 TLEL_LIST = 2u << 29;
inline constexpr quint32 TLEL_WHOLECELL = 0x80000000u;

// End-of-edit flags.
inline constexpr quint32 TLEF_ENTER = 1u << 28;
inline constexpr quint32 TLEF_CHANGED = 1u << 29;

// Text flags of a column: bit 0 keeps the text on one line, cut with "...".
inline constexpr quint32 TLTF_SINGLELINE = 0x0001;

// Notification codes.
inline constexpr int NM_CLICK = -2;
inline constexpr int NM_DBLCLK = -3;
inline constexpr int NM_RETURN = -4;
inline constexpr int NM_RCLICK = -5;
inline constexpr int NM_RDBLCLK = -6;
inline constexpr int NM_SETFOCUS = -7;
inline constexpr int NM_KILLFOCUS = -8;
inline constexpr int TVN_SINGLEEXPAND = -415;
inline constexpr int TLN_GETCELLINFOTIP = -432;
inline constexpr int TLN_STATEIMAGECHANGED = -433;
inline constexpr int TVN_SELCHANGINGW = -450;
inline constexpr int TVN_SELCHANGEDW = -451;
inline constexpr int TVN_GETDISPINFOW = -452;
inline constexpr int TVN_SETDISPINFOW = -453;
inline constexpr int TVN_ITEMEXPANDINGW = -454;
inline constexpr int TVN_ITEMEXPANDEDW = -455;
inline constexpr int TVN_BEGINDRAGW = -456;
inline constexpr int TVN_BEGINRDRAGW = -457;
inline constexpr int TVN_DELETEITEMW = -458;
inline constexpr int TVN_BEGINLABELEDITW = -459;
inline constexpr int TVN_ENDLABELEDITW = -460;
inline constexpr int TLN_CELLSTEPPED = -499;
inline constexpr int HDN_ITEMCLICKW = -322;
inline constexpr int HDN_ITEMDBLCLICKW = -323;

// Actions carried by selection notifications.
inline constexpr int TVC_UNKNOWN = 0;
inline constexpr int TVC_BYMOUSE = 1;
inline constexpr int TVC_BYKEYBOARD = 2;

// One item or cell, as read and written by GetItem and SetItem.
struct TLItem {
    quint32 mask = 0;
    HTREEITEM hItem = 0;
    quint32 state = 0;
    quint32 stateMask = 0;
    QString text;
    bool textCallback = false;  // with TVIF_TEXT: the parent supplies the text (TVN_GETDISPINFOW)
    int image = 0;
    int selectedImage = 0;
    int cChildren = 0;  // the column with TVIF_COLUMN, else the children flag
    qintptr lParam = 0;
};

struct TLInsertStruct {
    HTREEITEM hParent = TVI_ROOT;
    HTREEITEM hInsertAfter = TVI_LAST;
    TLItem item;
};

// A column as inserted and read back.
struct TLColumn {
    quint32 mask = 0;
    int fmt = LVCFMT_LEFT;
    int cx = 0;
    QString text;
    int iSubItem = 0;
    int iImage = -1;
    int iOrder = 0;
};

struct TLHitTestInfo {
    QPoint pt;
    quint32 flags = 0;
    HTREEITEM hItem = 0;
    int column = -1;
};

// Criteria of FindItem: every given criterion must match.
inline constexpr quint32 TLFI_PARAM = 0x1;
inline constexpr quint32 TLFI_STATE = 0x2;
inline constexpr quint32 TLFI_TEXT = 0x4;
struct TLFindInfo {
    quint32 flags = 0;
    qintptr lParam = 0;
    quint32 state = 0;
    quint32 stateMask = 0;
    int column = 0;
    QString text;
};

// A notification to the parent. The principal item and column are always in hItem and column; the
// selection, expansion, deletion and drag notifications also fill itemOld and itemNew.
struct TLNotify {
    int idFrom = 0;
    int code = 0;
    int action = 0;
    HTREEITEM hItem = 0;
    int column = 0;
    TLItem itemOld;
    TLItem itemNew;
    QPoint pt;
    QString text;
    bool textNull = false;  // end of an edit that was dropped
    quint32 flags = 0;
};
