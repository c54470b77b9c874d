#include "app/AppState.h"

#include <cstring>

SkinSettings g_skinSettings;
DibBuffer g_fit232;
DibBuffer g_fit116;
SkinCanvases g_canvases;
SkinMode g_skinMode = SkinMode::Classic;

int32_t g_pictureLoaded = 0;
char g_szPicturePath[kPathChars] = {};

char g_szAppDir[kPathChars] = {};
char g_szLoadPath[kPathChars] = {};
char g_szSavePath[kPathChars] = {};
char g_szProfilePath[kPathChars] = {};

bool StorePath(char (&buffer)[kPathChars], const char* text) {
    const size_t length = std::strlen(text);
    if (length >= kPathChars)
        return false;
    std::memcpy(buffer, text, length + 1);
    return true;
}
