// The process-wide state of the program: the settings record, the opened picture's fitted copies,
// the preview canvases and the remembered folders. They live for the whole process.
#pragma once

#include <cstdint>

#include "compose/SkinCanvases.h"
#include "compose/SkinMode.h"
#include "picture/DibBuffer.h"
#include "settings/SkinSettings.h"

constexpr int kPathChars = 260;

extern SkinSettings g_skinSettings;
extern DibBuffer g_fit232;  // the picture fitted into 275 x 232
extern DibBuffer g_fit116;  // the picture fitted into 275 x 116
extern SkinCanvases g_canvases;
// Classic or complete skins, for the preview and the save; kept in the application's INI file,
// never in a settings profile.
extern SkinMode g_skinMode;

// 1 after a picture was opened, 0 at start and after the close command.
extern int32_t g_pictureLoaded;
extern char g_szPicturePath[kPathChars];

extern char g_szAppDir[kPathChars];       // the executable's folder, with its trailing '\\'
extern char g_szLoadPath[kPathChars];     // folder of the last opened picture
extern char g_szSavePath[kPathChars];     // folder of the last saved skin
extern char g_szProfilePath[kPathChars];  // folder of the last settings profile

// Copies text into one of the path buffers above; a text that does not fit leaves the buffer as
// it was and returns false (a cut path would name another folder).
bool StorePath(char (&buffer)[kPathChars], const char* text);
