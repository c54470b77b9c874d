// The Susie image plug-in host: loads every plug-in of the configured folders, builds the open
// dialog's filter from the formats they report, and offers each opened file to the plug-ins that
// claim its extension, in load order. Problems while loading are shown in message boxes with no
// owner (they come before the main window exists), task-modal so that the frame cannot be used
// behind them; problems while reading are silent.
//
// A message box runs its own message loop, in which anything may ask for a reload or an unload while
// Load still walks its lists: a Load asked for then is refused, an Unload waits for the walk's end.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "picture/DibBuffer.h"
#include "picture/ReadPicture.h"
#include "picture/susie/SusieApi.h"

class CSusieHost {
  public:
    CSusieHost() = default;
    // Frees the lists only: the modules are freed by Unload, which the frame calls.
    ~CSusieHost() = default;
    CSusieHost(const CSusieHost&) = delete;
    CSusieHost& operator=(const CSusieHost&) = delete;

    // (Re)loads the plug-ins of the ';'-separated folder list; callers unload first.
    void Load(const std::string& folderText);
    void Unload();
    // Whether a Load is showing its messages; the frame offers no reload and no closing meanwhile.
    bool IsLoading() const { return m_loading; }
    // The open dialog's filter, with '|' separators.
    void BuildFilter(std::string& output);
    // The plug-in step of reading a picture (PictureDecoder).
    PluginDecodeResult DecodeWithPlugins(const std::string& path, DibBuffer& picture);

    // Given to GetPicture; never cancels.
    static int WINAPI ProgressCallback(int numerator, int denominator, LONG_PTR data);

    int PluginCount() const { return static_cast<int>(m_plugins.size()); }

  private:
    struct PluginEntry {
        HMODULE module;
        GetPluginInfoProc getPluginInfo;
        IsSupportedProc isSupported;
        GetPictureInfoProc getPictureInfo;
        GetPictureProc getPicture;
    };

    void LoadFolders(const std::string& folderText);
    void FindPluginFiles(const std::string& entry);
    void LoadPluginFile(const std::string& path);
    // One plug-in's attempt at the file: false when it does not deliver (the next one may).
    static bool TryPlugin(const PluginEntry& plugin, const std::string& path, DibBuffer& picture, int& result);

    std::vector<PluginEntry> m_plugins;  // in load order
    std::string m_folderText;
    std::string m_supportedExtensions;
    std::vector<std::string> m_folders;
    std::vector<std::string> m_files;
    bool m_loading = false;
    bool m_unloadAfterLoading = false;
};
