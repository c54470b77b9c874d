// One DDEML endpoint: the first instance's server and the second instance's client, both with
// service and topic "TOLVARIN". The client sends one execute transaction carrying the quoted path
// of the file to open.
#pragma once

#include <windows.h>

#include <ddeml.h>

#include <functional>

class CDdeLink {
  public:
    CDdeLink() = default;
    ~CDdeLink();
    CDdeLink(const CDdeLink&) = delete;
    CDdeLink& operator=(const CDdeLink&) = delete;

    // Without a callback the endpoint answers nothing (DdeNullCallback).
    void Initialize(PFNCALLBACK callback, const char* topic, const char* service);
    void Uninitialize();
    // The text of a string handle, cut to `size` bytes with its terminating zero.
    DWORD QueryString(HSZ handle, char* buffer, DWORD size) const;

    void StartServer(PFNCALLBACK callback, const char* topic, const char* service);
    void StopServer();
    // What the server does with the command of an execute transaction (nothing until given).
    void SetExecuteHandler(std::function<void(const char* command)> handler);
    void HandleExecute(const char* command) const;

    void Connect(PFNCALLBACK callback, const char* topic, const char* service);
    void Disconnect();

    // Sends "\"path\" " followed by `arguments`; false when there is no conversation or the
    // transaction failed.
    bool Execute(const char* path, const char* arguments);

  private:
    DWORD m_idInst = 0;
    HSZ m_hszService = nullptr;
    HSZ m_hszTopic = nullptr;
    char m_szTopic[256] = {};
    char m_szService[256] = {};
    HCONV m_hConv = nullptr;
    std::function<void(const char*)> m_onExecute;
};

FNCALLBACK DdeNullCallback;
// The first instance's server: accepts conversations on "TOLVARIN"/"TOLVARIN" and hands the
// command of an execute transaction to the server's handler.
FNCALLBACK DdeServerCallback;

// The service and topic name, also the name of the single-instance mutex.
inline constexpr char kDdeName[] = "TOLVARIN";

// The first instance's server, which the callback reaches (null while there is none); the main
// frame owns it.
extern CDdeLink* g_pDdeServer;
