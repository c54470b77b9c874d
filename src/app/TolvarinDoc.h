// The document: the opened picture and everything composed from it. Its state is process-wide
// (AppState.h); the document opens pictures, saves skins and closes the picture.
#pragma once

#include <string>

#include "framework/Document.h"

class CTolvarinDoc : public fw::Document {
  public:
    // Clears the picture path and allocates the preview canvases.
    CTolvarinDoc();

    bool OnOpenDocument(const std::string& path) override;
    bool OnCommand(UINT id) override;
    bool OnUpdateCommand(UINT id, bool& enabled) override;

  private:
    static std::span<const fw::CommandEntry<CTolvarinDoc>> Commands();
    // Asks for the skin name and writes the skin folder.
    void OnSaveSkin();
    // Forgets the picture for the preview; buffers, settings and the path stay.
    void OnFileClose();
};
