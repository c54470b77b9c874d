// Runs on threads of the program (CreateRemoteThread), each export serving one request block whose
// address is the thread's parameter.
#include "WindowProbe.h"

#include <windows.h>

namespace {

// The request being counted (one at a time); the hooks run on the watched thread.
windowprobe::MessageCount g_request;
volatile LONG g_count = 0;

void Count(UINT message, WPARAM wParam) {
    if (message == g_request.message && (g_request.anyWParam || wParam == g_request.wParam))
        InterlockedIncrement(&g_count);
}

LRESULT CALLBACK PostedHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && wParam == PM_REMOVE) {
        const MSG* msg = reinterpret_cast<const MSG*>(lParam);
        Count(msg->message, msg->wParam);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK SentHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION) {
        const CWPSTRUCT* msg = reinterpret_cast<const CWPSTRUCT*>(lParam);
        Count(msg->message, msg->wParam);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

HMODULE ThisModule() {
    HMODULE module = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCSTR>(&Count), &module);
    return module;
}

HWND WindowOf(uint64_t handle) {
    return reinterpret_cast<HWND>(static_cast<uintptr_t>(handle));
}

}  // namespace

// Hooks the watched thread's posted and sent messages for the time the request names and counts
// the matching ones; the hooks are removed before this thread ends.
extern "C" __declspec(dllexport) DWORD WINAPI CountMessages(void* parameter) {
    auto* request = static_cast<windowprobe::MessageCount*>(parameter);
    g_request = *request;
    g_count = 0;
    const DWORD thread = GetWindowThreadProcessId(WindowOf(request->window), nullptr);
    if (!thread)
        return 0;
    HHOOK posted = SetWindowsHookExA(WH_GETMESSAGE, PostedHook, ThisModule(), thread);
    HHOOK sent = SetWindowsHookExA(WH_CALLWNDPROC, SentHook, ThisModule(), thread);
    if (posted && sent)
        Sleep(request->ms);
    if (posted)
        UnhookWindowsHookEx(posted);
    if (sent)
        UnhookWindowsHookEx(sent);
    request->count = static_cast<uint32_t>(g_count);
    return posted && sent ? 1 : 0;
}

// The font of every child of the request's window, in child order.
extern "C" __declspec(dllexport) DWORD WINAPI ReadChildFonts(void* parameter) {
    auto* request = static_cast<windowprobe::ChildFonts*>(parameter);
    request->count = 0;
    for (HWND child = GetWindow(WindowOf(request->window), GW_CHILD);
         child && request->count < windowprobe::kMaxChildren; child = GetWindow(child, GW_HWNDNEXT)) {
        windowprobe::ChildFont& entry = request->fonts[request->count++];
        entry = {};
        DWORD_PTR font = 0;
        if (!SendMessageTimeoutA(child, WM_GETFONT, 0, 0, SMTO_ABORTIFHUNG, 5000, &font) || !font)
            continue;
        LOGFONTA logFont = {};
        if (!GetObjectA(reinterpret_cast<HFONT>(font), sizeof logFont, &logFont))
            continue;
        entry.hasFont = 1;
        entry.height = logFont.lfHeight;
        entry.weight = logFont.lfWeight;
        entry.charSet = logFont.lfCharSet;
        entry.pitchAndFamily = logFont.lfPitchAndFamily;
        lstrcpynA(entry.face, logFont.lfFaceName, windowprobe::kFaceBytes);
    }
    return 1;
}
