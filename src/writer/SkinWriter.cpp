#include "writer/SkinWriter.h"

#include <new>
#include <utility>

#include "compose/Background.h"
#include "compose/TemplateSizes.h"
#include "gen/writer_texts.h"
#include "platform/Platform.h"
#include "writer/TextFiles.h"

namespace {

void WriteTextFile(const char* name, const std::string& text) {
    // A text file that cannot be written is left out; the save goes on.
    (void)platform::WriteFileAtomically(name, text.data(), text.size());
}

}  // namespace

SkinWriter::SkinWriter(const SkinSettings& settings,
                       const DibBuffer& fit232,
                       const DibBuffer& fit116,
                       TemplateSource templates,
                       SkinMode mode)
    : settings_(settings),
      fit232_(fit232),
      fit116_(fit116),
      templates_(std::move(templates)),
      mode_(mode),
      rows_(WindowRowsFor(settings)),
      m_pWork(new (std::nothrow) uint8_t[size_t(kWorkStride) * size_t(rows_.height)]()) {}

void SkinWriter::BuildWorkBuffer() {
    const PixelView view{m_pWork.get(), kSkinWidth, rows_.height, kWorkStride, 3};
    DrawWindowBackground(view, settings_, rows_.eqRow >= 0 ? fit232_ : fit116_, FrameStyle::OuterRingGrey);
    m_nMainRow = rows_.mainRow;
    m_nEqRow = rows_.eqRow;
}

bool SkinWriter::ShouldWrite(WriteWhen when) const {
    switch (when) {
        case WriteWhen::Always:
            return true;
        case WriteWhen::FullSize:
            return rows_.eqRow >= 0;
        case WriteWhen::PLSave:
            return settings_.PLSave != 0;
        case WriteWhen::MBSave:
            return settings_.MBSave != 0;
    }
    return false;
}

int SkinWriter::WriteSkinBitmap(const SkinBitmapRecipe& recipe) {
    BitmapImage image;
    if (!image.Create(recipe.width, recipe.height)) {
        platform::ShowMessage(kSaveOutOfMemory);
        return 0;
    }
    TemplateBitmap bitmap;
    if (recipe.templateId != 0) {
        bitmap = templates_(recipe.templateId);
        if (!HasExpectedSize(bitmap, recipe.templateId) || bitmap.Width() != recipe.width ||
            bitmap.Height() != recipe.height) {
            ShowBitmapWriteFailed(recipe.name);
            return 0;
        }
    }
    if (recipe.recolor)
        RecolorTemplate(bitmap, image, settings_);
    for (const BackgroundCopy& copy : recipe.copies) {
        const int32_t windowRow = copy.window == SkinWindow::Main ? m_nMainRow : m_nEqRow;
        if (windowRow < 0 || windowRow + kWindowHeight > rows_.height) {
            ShowBitmapWriteFailed(recipe.name);
            return 0;
        }
        for (int i = 0; i < copy.count; ++i) {
            if (!CopyBackground(WorkRow(windowRow), copy.source, image, copy.to[i].x, copy.to[i].y)) {
                ShowBitmapWriteFailed(recipe.name);
                return 0;
            }
        }
    }
    if (recipe.blend.width > 0)
        BlendTemplate(bitmap, recipe.blend, image, settings_);
    return WriteBitmapFile(recipe.name, image.Data(), image.Size());
}

int SkinWriter::WriteSkinFiles() {
    BuildWorkBuffer();
    for (const SkinBitmapRecipe& recipe : SkinBitmapRecipes(mode_)) {
        if (ShouldWrite(recipe.when) && !WriteSkinBitmap(recipe))
            return 0;
    }
    if (settings_.PLSave != 0 || settings_.MBSave != 0)
        WritePleditTxt();
    WriteVisColorTxt();
    if (settings_.SexyFontUse != 0)
        WriteSexyFontTxt();
    if (settings_.MaronUse != 0)
        WriteMaronTxt();
    return 1;
}

void SkinWriter::WritePleditTxt() const {
    WriteTextFile("PLEDIT.TXT", PleditTxtText(settings_));
}

void SkinWriter::WriteVisColorTxt() const {
    WriteTextFile("VISCOLOR.TXT", VisColorTxtText(settings_));
}

void SkinWriter::WriteSexyFontTxt() const {
    WriteTextFile("SEXYFONT.TXT", SexyFontTxtText(mode_));
}

void SkinWriter::WriteMaronTxt() const {
    WriteTextFile("MARON.TXT", MaronTxtText(settings_));
}
