#include "app/TolvarinDoc.h"

#include "app/AppState.h"
#include "app/MainFrame.h"
#include "app/TolvarinApp.h"
#include "app/TolvarinView.h"
#include "compose/Compose.h"
#include "framework/FileDialog.h"
#include "picture/OpenPicture.h"
#include "platform/Platform.h"
#include "resources/resource.h"
#include "shelltext/PathParts.h"
#include "writer/SaveSkin.h"

namespace {

// The save dialog's name buffer: longer than any path the folder can take, as the user may type.
constexpr size_t kSkinNameChars = 512;

}  // namespace

CTolvarinDoc::CTolvarinDoc() {
    g_szPicturePath[0] = '\0';
    g_canvases.Allocate();
}

bool CTolvarinDoc::OnOpenDocument(const std::string& path) {
    platform::WaitCursor wait;
    const PictureDecoder plugins = [](const std::string& file, DibBuffer& picture) {
        return theApp.m_susieHost.DecodeWithPlugins(file, picture);
    };
    if (OpenAndFitPicture(path, g_fit232, g_fit116, plugins) != 1)
        return false;  // the previous picture, if any, stays as it was
    StorePath(g_szPicturePath, path.c_str());
    StorePath(g_szLoadPath, FolderOf(path).c_str());
    g_pictureLoaded = 1;
    // The composition reads the overlay and the playlist base: build them first.
    BuildTemplates(g_skinSettings, g_canvases, LoadTemplate, g_skinMode);
    ComposeSkin(g_skinSettings, g_fit232, g_fit116, g_canvases, LoadTemplate, g_skinMode);
    return true;
}

std::span<const fw::CommandEntry<CTolvarinDoc>> CTolvarinDoc::Commands() {
    static constexpr fw::CommandEntry<CTolvarinDoc> kCommands[] = {
        {ID_FILE_SAVE_AS, &CTolvarinDoc::OnSaveSkin},
        {IDM_FILE_CLOSE, &CTolvarinDoc::OnFileClose},
    };
    return kCommands;
}

bool CTolvarinDoc::OnCommand(UINT id) {
    return fw::RunCommand(Commands(), *this, id);
}

// Both commands need a picture.
bool CTolvarinDoc::OnUpdateCommand(UINT id, bool& enabled) {
    if (!fw::FindCommand(Commands(), id))
        return false;
    enabled = g_pictureLoaded == 1;
    return true;
}

void CTolvarinDoc::OnSaveSkin() {
    if (g_pictureLoaded != 1)
        return;
    fw::FileChooser chooser;
    chooser.owner = g_pMainFrame ? g_pMainFrame->Handle() : nullptr;
    chooser.title = "スキン保存";
    chooser.filter = "スキン名|*.*";
    chooser.initialFolder = g_szSavePath;
    chooser.flags = OFN_EXPLORER | OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY;
    chooser.capacity = kSkinNameChars;
    chooser.fileName = SplitPath(g_szPicturePath).name;
    if (!fw::ChooseFileToSave(chooser))
        return;

    // The folder is the chosen name without its extension, beside the chosen file.
    const PathParts parts = SplitPath(chooser.fileName);
    const std::string saveFolder = parts.drive + parts.dir;
    const std::string skinFolder = saveFolder + parts.name;
    StorePath(g_szSavePath, saveFolder.c_str());
    // Every file's path in the folder must fit the system's path length, or the save would stop
    // half-way at the file that does not.
    if (skinFolder.size() + 1 + kLongestSkinFileName >= kPathChars) {
        platform::ShowMessage("スキンのフォルダ名が長すぎます。\n" + skinFolder);
        return;
    }
    SaveSkinFolder(skinFolder, g_skinSettings, g_fit232, g_fit116, LoadTemplate, g_skinMode);
}

void CTolvarinDoc::OnFileClose() {
    g_pictureLoaded = 0;
    if (fw::View* view = GetView())
        ::InvalidateRect(view->Handle(), nullptr, FALSE);
}
