#include "writer/SkinWriter.h"

#include <new>
#include <string>
#include <utility>

#include "compose/Background.h"
#include "compose/TemplateSizes.h"
#include "gen/writer_texts.h"
#include "platform/Platform.h"
#include "writer/TextFiles.h"

namespace {

constexpr char kPleditTxt[] = "PLEDIT.TXT";
constexpr char kVisColorTxt[] = "VISCOLOR.TXT";
constexpr char kSexyFontTxt[] = "SEXYFONT.TXT";
constexpr char kMaronTxt[] = "MARON.TXT";

}  // namespace

std::vector<std::string> SkinFileNames() {
    std::vector<std::string> names;
    for (const SkinBitmapRecipe& recipe : SkinBitmapRecipes())
        names.emplace_back(recipe.name);
    names.insert(names.end(), {kPleditTxt, kVisColorTxt, kSexyFontTxt, kMaronTxt});
    return names;
}

SkinWriter::SkinWriter(const SkinSettings& settings,
                       const DibBuffer& fit232,
                       const DibBuffer& fit116,
                       TemplateSource templates,
                       SkinMode mode,
                       SkinFileSink sink)
    : settings_(settings),
      fit232_(fit232),
      fit116_(fit116),
      templates_(std::move(templates)),
      mode_(mode),
      sink_(std::move(sink)),
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
    return WriteBitmapFile(recipe.name, image.Data(), image.Size(), sink_);
}

bool SkinWriter::WriteTextFile(const char* name, const std::string& text) const {
    return WriteSkinFile(name, text.data(), text.size(), sink_);
}

int SkinWriter::WriteSkinFiles() {
    BuildWorkBuffer();
    for (const SkinBitmapRecipe& recipe : SkinBitmapRecipes(mode_)) {
        if (ShouldWrite(recipe.when) && !WriteSkinBitmap(recipe))
            return 0;
    }
    // A text file that cannot be written does not stop the save; it is named once the save ends.
    std::vector<const char*> failed;
    if ((settings_.PLSave != 0 || settings_.MBSave != 0) && !WritePleditTxt())
        failed.push_back(kPleditTxt);
    if (!WriteVisColorTxt())
        failed.push_back(kVisColorTxt);
    if (settings_.SexyFontUse != 0 && !WriteSexyFontTxt())
        failed.push_back(kSexyFontTxt);
    if (settings_.MaronUse != 0 && !WriteMaronTxt())
        failed.push_back(kMaronTxt);
    for (const char* name : failed)
        platform::ShowMessage(kTextWriteFailedBefore + std::string(name) + kTextWriteFailedAfter);
    return failed.empty() ? 1 : 0;
}

bool SkinWriter::WritePleditTxt() const {
    return WriteTextFile(kPleditTxt, PleditTxtText(settings_));
}

bool SkinWriter::WriteVisColorTxt() const {
    return WriteTextFile(kVisColorTxt, VisColorTxtText(settings_));
}

bool SkinWriter::WriteSexyFontTxt() const {
    return WriteTextFile(kSexyFontTxt, SexyFontTxtText(mode_));
}

bool SkinWriter::WriteMaronTxt() const {
    return WriteTextFile(kMaronTxt, MaronTxtText(settings_));
}
