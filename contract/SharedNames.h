// The names Velmora.scr and Velmora.dll agree on: the window titles by which one program, a
// second copy or a test finds the other's windows, the file names of the two programs' files
// and where the texture picture passes from one to the other. Plain text only, so both
// programs, the native builds and the tests can include it.
#pragma once

namespace velmora::contract {

// Window titles.
inline constexpr char kRendererWindowTitle[] = "Vantri_VC";   // the renderer's full-screen window
inline constexpr char kSaverFormTitle[] = "Vantri_Main";      // the hidden form of a saver run
inline constexpr char kDialogTitle[] = "<Velmora>";           // the settings dialog
inline constexpr char kPreviewFormTitle[] = "Preview Window"; // the preview inside its host
// The Linux hack's own window when run alone, which its tests find by this title.
inline constexpr char kHackWindowTitle[] = "Velmora";
// The renderer's question whether to go on in a window when the display refuses its mode.
inline constexpr char kRefusedModeCaption[] = "Kobu GL";

// Files beside the saver program.
inline constexpr char kRendererFileName[] = "Velmora.dll";
inline constexpr char kSettingsFileName[] = "Velmora.ini";
// The per-user settings live in this folder below %APPDATA%.
inline constexpr char kPerUserFolderName[] = "Velmora";

// The saver writes the texture here for the renderer to read; when that file cannot be
// written, the same name in the user's temporary folder is used by both.
inline constexpr char kTexturePath[] = "C:\\Vantri.bmp";
inline constexpr char kTextureFileName[] = "Vantri.bmp";

} // namespace velmora::contract
