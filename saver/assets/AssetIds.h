// Resource ids of the pictures built into Velmora.scr (assets.rc), shared by the resource
// script and the code that loads them.
#pragma once

// winuser.h names the system's hand cursor IDC_HAND; the saver's own hand takes that name, so
// the system header comes first and its definition is replaced here.
#ifdef _WIN32
#include <windows.h>
#endif
#undef IDC_HAND

#define IDI_VELMORA 101
#define IDC_HAND 102

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
