#include "app/DdeLink.h"

#include <string>
#include <utility>
#include <vector>

#include "shelltext/DdeCommand.h"

CDdeLink* g_pDdeServer = nullptr;

namespace {

// The longest execute command accepted: a path of 260 characters with its quotes leaves plenty.
constexpr DWORD kExecuteBufferBytes = 2048;

}  // namespace

CDdeLink::~CDdeLink() {
    Uninitialize();
}

void CDdeLink::Initialize(PFNCALLBACK callback, const char* topic, const char* service) {
    m_idInst = 0;
    m_hszService = nullptr;
    m_hszTopic = nullptr;
    lstrcpynA(m_szTopic, topic, sizeof m_szTopic);
    lstrcpynA(m_szService, service, sizeof m_szService);
    if (::DdeInitializeA(&m_idInst, callback ? callback : &DdeNullCallback, 0, 0) != DMLERR_NO_ERROR) {
        m_idInst = 0;
        return;
    }
    m_hszService = ::DdeCreateStringHandleA(m_idInst, m_szService, CP_WINANSI);
    m_hszTopic = ::DdeCreateStringHandleA(m_idInst, m_szTopic, CP_WINANSI);
    if (::DdeGetLastError(m_idInst) != DMLERR_NO_ERROR) {
        ::DdeUninitialize(m_idInst);
        m_idInst = 0;
        m_hszService = nullptr;
        m_hszTopic = nullptr;
    }
}

void CDdeLink::Uninitialize() {
    if (!m_idInst)
        return;
    ::DdeFreeStringHandle(m_idInst, m_hszService);
    ::DdeFreeStringHandle(m_idInst, m_hszTopic);
    ::DdeUninitialize(m_idInst);
    m_idInst = 0;
    m_hszService = nullptr;
    m_hszTopic = nullptr;
}

DWORD CDdeLink::QueryString(HSZ handle, char* buffer, DWORD size) const {
    return ::DdeQueryStringA(m_idInst, handle, buffer, size, CP_WINANSI);
}

void CDdeLink::StartServer(PFNCALLBACK callback, const char* topic, const char* service) {
    Initialize(callback, topic, service);
    if (m_idInst)
        ::DdeNameService(m_idInst, m_hszService, nullptr, DNS_REGISTER);
}

void CDdeLink::StopServer() {
    if (m_idInst)
        ::DdeNameService(m_idInst, m_hszService, nullptr, DNS_UNREGISTER);
    Uninitialize();
}

void CDdeLink::SetExecuteHandler(std::function<void(const char*)> handler) {
    m_onExecute = std::move(handler);
}

void CDdeLink::HandleExecute(const char* command) const {
    if (m_onExecute)
        m_onExecute(command);
}

void CDdeLink::Connect(PFNCALLBACK callback, const char* topic, const char* service) {
    Initialize(callback, topic, service);
    m_hConv = m_idInst ? ::DdeConnect(m_idInst, m_hszService, m_hszTopic, nullptr) : nullptr;
}

void CDdeLink::Disconnect() {
    if (m_hConv)
        ::DdeDisconnect(m_hConv);
    m_hConv = nullptr;
    Uninitialize();
}

bool CDdeLink::Execute(const char* path, const char* arguments) {
    if (!m_hConv)
        return false;
    const size_t a = path ? lstrlenA(path) : 0;
    const size_t b = arguments ? lstrlenA(arguments) : 0;
    const std::string text = MakeDdeCommand(path ? path : "") + (arguments ? arguments : "");
    // The agreed length: the text, its terminating zero and room for the quotes and space.
    std::vector<char> command(a + b + 8, '\0');
    text.copy(command.data(), command.size() - 1);
    HDDEDATA sent = ::DdeClientTransaction(reinterpret_cast<LPBYTE>(command.data()), static_cast<DWORD>(command.size()),
                                           m_hConv, nullptr, 0, XTYP_EXECUTE, 2000, nullptr);
    return sent || ::DdeGetLastError(m_idInst) == DMLERR_NO_ERROR;
}

HDDEDATA CALLBACK DdeNullCallback(UINT, UINT, HCONV, HSZ, HSZ, HDDEDATA, ULONG_PTR, ULONG_PTR) {
    return nullptr;
}

HDDEDATA CALLBACK DdeServerCallback(UINT type, UINT, HCONV, HSZ hsz1, HSZ hsz2, HDDEDATA data, ULONG_PTR, ULONG_PTR) {
    if (!g_pDdeServer)
        return nullptr;
    switch (type) {
        case XTYP_CONNECT: {
            char name[512] = {};
            g_pDdeServer->QueryString(hsz2, name, sizeof name);
            if (lstrcmpA(name, kDdeName) != 0)
                return reinterpret_cast<HDDEDATA>(FALSE);
            g_pDdeServer->QueryString(hsz1, name, sizeof name);
            return reinterpret_cast<HDDEDATA>(lstrcmpA(name, kDdeName) == 0 ? TRUE : FALSE);
        }
        case XTYP_EXECUTE: {
            // A command longer than the buffer would be cut into another path: refuse it whole.
            const DWORD size = ::DdeGetData(data, nullptr, 0, 0);
            if (size > kExecuteBufferBytes)
                return reinterpret_cast<HDDEDATA>(DDE_FNOTPROCESSED);
            char command[kExecuteBufferBytes + 1] = {};
            ::DdeGetData(data, reinterpret_cast<LPBYTE>(command), kExecuteBufferBytes, 0);
            g_pDdeServer->HandleExecute(command);
            return reinterpret_cast<HDDEDATA>(DDE_FACK);
        }
        default:
            return nullptr;
    }
}
