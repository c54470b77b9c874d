// One DDEML endpoint: the first instance's server and the second instance's client, both with
// service and topic "TOLVARIN". The client sends one execute transaction carrying the quoted path
// of the file to open.
#pragma once

#include <windows.h>

#include <ddeml.h>

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
};

HDDEDATA CALLBACK DdeNullCallback(UINT type,
                                  UINT format,
                                  HCONV conversation,
                                  HSZ hsz1,
                                  HSZ hsz2,
                                  HDDEDATA data,
                                  ULONG_PTR data1,
                                  ULONG_PTR data2);
// The first instance's server: accepts conversations on "TOLVARIN"/"TOLVARIN" and hands the path
// of an execute transaction to the main frame.
HDDEDATA CALLBACK DdeServerCallback(UINT type,
                                    UINT format,
                                    HCONV conversation,
                                    HSZ hsz1,
                                    HSZ hsz2,
                                    HDDEDATA data,
                                    ULONG_PTR data1,
                                    ULONG_PTR data2);

// The service and topic name, also the name of the single-instance mutex.
inline constexpr char kDdeName[] = "TOLVARIN";

// The first instance's server, owned by the main frame (null while there is none).
extern CDdeLink* g_pDdeServer;
