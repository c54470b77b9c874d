// One drawing function per built-in template; each returns the finished picture at its size.
#pragma once

#include "Canvas.h"

// Main-window controls, laid over the picture by the writer (MainControls.cpp).
Canvas DrawControlButtons();  // 137, CBUTTONS
Canvas DrawMonoStereo();      // 144, MONOSTER
Canvas DrawPlayStatus();      // 146, PLAYPAUS
Canvas DrawPositionBar();     // 148, POSBAR
Canvas DrawToggleButtons();   // 149, SHUFREP
Canvas DrawTitleBars();       // 151, TITLEBAR (TitleBar.cpp)

// Fonts (Lettering.cpp).
Canvas DrawTimeDigits();  // 145, NUMS_EX
Canvas DrawTextFont();    // 150, TEXT

// Equalizer (Equalizer.cpp).
Canvas DrawEqualizerShade();  // 141, EQ_EX
Canvas DrawEqualizerMain();   // 142, EQMAIN
// Rows 116-162 of both equalizer templates: the close button, ON and AUTO, the title bars.
void DrawEqualizerButtonsAndBars(Canvas& canvas);

// The moving parts of a complete skin (Complete.cpp).
Canvas DrawVolumeBar();          // 152, VOLUME
Canvas DrawBalanceBar();         // 153, BALANCE
Canvas DrawCompleteEqualizer();  // 154, EQMAIN 275 x 315

// Playlist (Playlist.cpp).
Canvas DrawPlaylistEditor();  // 147, PLEDIT
Canvas DrawPlaylistMask();    // 139
Canvas DrawTimeMask();        // 140

// Mini-browser (Browser.cpp).
Canvas DrawBrowserParts();   // 143, MB
Canvas DrawBrowserWindow();  // 138

// Stock pictures of the four windows, in the default colours (Stock.cpp).
Canvas DrawStockEqualizer();  // 131
Canvas DrawStockMain();       // 132
Canvas DrawStockBrowser();    // 133
Canvas DrawStockPlaylist();   // 134

// Every template by id; the stock pictures are stored as 8-bit run-length encoded files.
struct TemplateArt {
    int id;
    Canvas (*draw)();
    bool runLength;
};

extern const TemplateArt kTemplateArt[22];
