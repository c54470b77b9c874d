// One save of a skin: the 24-bit work buffer holding the window background rebuilt from the fitted
// picture, and the writers of the fifteen bitmaps and four text files, run into the working
// directory.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "compose/SkinLayout.h"
#include "compose/SkinMode.h"
#include "compose/TemplateStore.h"
#include "picture/DibBuffer.h"
#include "settings/SkinSettings.h"
#include "writer/SkinBitmaps.h"

// The names of every file a save can write, the fifteen bitmaps then the four text files.
std::vector<std::string> SkinFileNames();

class SkinWriter {
  public:
    // Takes the work buffer, 828 x R bytes (R 232 while FullSize is set, else 116), zero-filled.
    // The settings and pictures must outlive the writer.
    SkinWriter(const SkinSettings& settings,
               const DibBuffer& fit232,
               const DibBuffer& fit116,
               TemplateSource templates,
               SkinMode mode = SkinMode::Classic,
               SkinFileSink sink = {});
    SkinWriter(const SkinWriter&) = delete;
    SkinWriter& operator=(const SkinWriter&) = delete;

    // False when the work buffer could not be had; nothing else may be called then.
    bool IsReady() const { return m_pWork != nullptr; }

    // Runs every writer in order: the work buffer, the bitmaps (equalizer files only while
    // FullSize is set, the playlist and browser only while PLSave / MBSave are), then PLEDIT.TXT
    // (PLSave or MBSave), VISCOLOR.TXT, SEXYFONT.TXT (SexyFontUse) and MARON.TXT (MaronUse).
    // Returns 1; 0 as soon as a bitmap cannot be made or written (its message has been shown; the
    // files before it stay, the later writers do not run). A text file that cannot be written does
    // not stop the save: once every writer has run, a message names it and the result is 0. Files
    // a save does not write are never deleted.
    int WriteSkinFiles();

    // Margin colour, centred picture and, with SkinLine 1, the frame around all R rows; also fixes
    // where the main window and the equalizer lie in it.
    void BuildWorkBuffer();

    // One row of the bitmap table: 1 when written; 0 after a message naming the file.
    int WriteSkinBitmap(const SkinBitmapRecipe& recipe);

    // Each false when its file could not be written.
    bool WritePleditTxt() const;
    bool WriteVisColorTxt() const;
    bool WriteSexyFontTxt() const;
    bool WriteMaronTxt() const;

    int32_t WorkRows() const { return rows_.height; }
    const uint8_t* WorkRow(int32_t storedRow) const { return m_pWork.get() + size_t(storedRow) * kWorkStride; }
    int32_t MainRow() const { return m_nMainRow; }
    int32_t EqRow() const { return m_nEqRow; }

  private:
    bool ShouldWrite(WriteWhen when) const;
    bool WriteTextFile(const char* name, const std::string& text) const;

    const SkinSettings& settings_;
    const DibBuffer& fit232_;
    const DibBuffer& fit116_;
    TemplateSource templates_;
    SkinMode mode_;
    SkinFileSink sink_;
    WindowRows rows_;  // fixed when the writer is created
    std::unique_ptr<uint8_t[]> m_pWork;
    int32_t m_nMainRow = 0;
    int32_t m_nEqRow = -1;
};
