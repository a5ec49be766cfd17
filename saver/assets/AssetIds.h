// Resource ids of the pictures and texts built into Velmora.scr (assets.rc), shared by the
// resource script and the code that loads them. Plain numbers only, so the resource compiler
// and the native tests read it too.
#pragma once

// The saver's name in the host's list of screensavers: the host reads string 1.
#define IDS_SAVER_NAME 1

#define IDI_VELMORA 101
#define IDC_HAND_POINTER 102

#define IDB_STAR 201
#define IDB_PREVIEW 202
#define IDB_MARK_OFF 203
#define IDB_MARK_ON 204

#define IDB_FACE_NORMAL 211
#define IDB_FACE_HIGHLIGHT 212
#define IDB_FACE_HIGHLIGHTSELECT 213
#define IDB_FACE_SELECTED 214
#define IDB_FACE_PRESSED 215
#define IDB_FACE_DISABLE 216
