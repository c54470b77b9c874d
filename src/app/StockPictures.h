// The stock pictures that mark the preview slots while no picture is open. The program carries the
// template art once, in the store the composition uses; these are made from it at run time.
#pragma once

#include <windows.h>

#include "framework/Gdi.h"

class StockPictures {
  public:
    // Makes a DIB section of each stock picture and hands it to its SS_BITMAP static in the panel.
    // The statics only show the pictures; this object deletes them, so it must live as long as the
    // panel's window.
    void Attach(HWND panel);

  private:
    static constexpr int kSlotCount = 4;
    fw::GdiObject<HBITMAP> m_pictures[kSlotCount];
};
