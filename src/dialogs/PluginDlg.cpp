#include "dialogs/PluginDlg.h"

#include <shlobj.h>

#include <cstring>

#include "dialogs/PluginDlgRes.h"
#include "framework/ComPtr.h"
#include "framework/Dialog.h"
#include "shelltext/FolderText.h"

namespace {

// The edit box's text as the browse button reads it (the rest of a longer text is not kept).
constexpr int kFolderChars = MAX_PATH;

// The shell's chooser wants a COM apartment on its thread; an existing one is shared.
class ComApartment {
  public:
    ComApartment() : m_result(::CoInitialize(nullptr)) {}
    ~ComApartment() {
        if (SUCCEEDED(m_result))
            ::CoUninitialize();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

  private:
    HRESULT m_result;
};

int CALLBACK BrowseCallback(HWND window, UINT message, LPARAM, LPARAM data) {
    if (message == BFFM_INITIALIZED && data)
        ::SendMessageA(window, BFFM_SETSELECTIONA, TRUE, data);
    return 0;
}

class CPluginDlg : public fw::Dialog {
  public:
    explicit CPluginDlg(const std::string& folderText) : m_strFolder(folderText) {}

    const std::string& FolderText() const { return m_strFolder; }

  protected:
    bool OnInitDialog() override {
        DoDataExchange(false);
        return true;
    }
    bool OnOK() override {
        DoDataExchange(true);
        return true;
    }
    bool OnCommand(UINT id, UINT code, HWND) override {
        if (id != IDC_PLUGIN_BROWSE || code != BN_CLICKED)
            return false;
        OnBrowse();
        return true;
    }

  private:
    // The edit box and the folder text, into the box (false) or out of it (true).
    void DoDataExchange(bool save) {
        HWND edit = ::GetDlgItem(m_hWnd, IDC_PLUGIN_FOLDER);
        if (save)
            m_strFolder = fw::WindowText(edit);
        else
            ::SetWindowTextA(edit, m_strFolder.c_str());
    }

    // The chooser opens on the folder typed, given without its trailing backslash (a drive root
    // "C:\" as "C:"); a chosen folder comes back with exactly one. A chosen item that is no folder
    // puts back the folder text as last stored.
    void OnBrowse() {
        char text[kFolderChars] = {};
        ::GetDlgItemTextA(m_hWnd, IDC_PLUGIN_FOLDER, text, sizeof text);
        const std::string initial = WithoutTrailingBackslash(text);
        std::memcpy(text, initial.c_str(), initial.size() + 1);
        if (BrowseForFolder(m_hWnd, text, text, sizeof text) != 1)
            return;
        if (text[0])
            m_strFolder = WithTrailingBackslash(text);
        ::SetDlgItemTextA(m_hWnd, IDC_PLUGIN_FOLDER, m_strFolder.c_str());
    }

    std::string m_strFolder;
};

}  // namespace

int BrowseForFolder(HWND owner, const char* initialFolder, char* output, size_t outputSize) {
    const ComApartment apartment;
    BROWSEINFOA info = {};
    info.hwndOwner = owner;
    info.lpszTitle = "フォルダを選択してください";
    info.lpfn = &BrowseCallback;
    info.lParam = reinterpret_cast<LPARAM>(initialFolder);
    const fw::ItemIdList items(::SHBrowseForFolderA(&info));
    if (!items)
        return 2;
    char path[MAX_PATH] = {};
    if (!::SHGetPathFromIDListA(items.Get(), path))
        path[0] = '\0';
    const size_t length = std::strlen(path);
    if (length < outputSize)
        std::memcpy(output, path, length + 1);
    return 1;
}

bool EditPluginFolder(HWND owner, std::string& folderText) {
    CPluginDlg dialog(folderText);
    if (dialog.DoModal(owner, IDD_PLUGIN_SETTINGS) != IDOK)
        return false;
    folderText = dialog.FolderText();
    return true;
}
