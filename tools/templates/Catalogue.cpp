#include "Templates.h"

const TemplateArt kTemplateArt[22] = {
    {131, DrawStockEqualizer, true},     {132, DrawStockMain, true},       {133, DrawStockBrowser, true},
    {134, DrawStockPlaylist, true},      {137, DrawControlButtons, false}, {138, DrawBrowserWindow, false},
    {139, DrawPlaylistMask, false},      {140, DrawTimeMask, false},       {141, DrawEqualizerShade, false},
    {142, DrawEqualizerMain, false},     {143, DrawBrowserParts, false},   {144, DrawMonoStereo, false},
    {145, DrawTimeDigits, false},        {146, DrawPlayStatus, false},     {147, DrawPlaylistEditor, false},
    {148, DrawPositionBar, false},       {149, DrawToggleButtons, false},  {150, DrawTextFont, false},
    {151, DrawTitleBars, false},         {152, DrawVolumeBar, false},      {153, DrawBalanceBar, false},
    {154, DrawCompleteEqualizer, false},
};
