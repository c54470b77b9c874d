#include "app/FileVersion.h"

#include <cstdio>
#include <new>

CFileVersion::CFileVersion() {
    char module[MAX_PATH] = {};
    if (!::GetModuleFileNameA(nullptr, module, sizeof module))
        return;
    DWORD handle = 0;
    const DWORD size = ::GetFileVersionInfoSizeA(module, &handle);
    if (size == 0)
        return;
    std::unique_ptr<BYTE[]> block(new (std::nothrow) BYTE[size]);
    if (!block || !::GetFileVersionInfoA(module, 0, size, block.get()))
        return;
    void* fixed = nullptr;
    void* translation = nullptr;
    UINT fixedLength = 0;
    UINT translationLength = 0;
    if (!::VerQueryValueA(block.get(), "\\", &fixed, &fixedLength) || fixedLength < sizeof(VS_FIXEDFILEINFO) ||
        !::VerQueryValueA(block.get(), "\\VarFileInfo\\Translation", &translation, &translationLength) ||
        translationLength < 2 * sizeof(WORD))
        return;
    m_pVersionInfo = std::move(block);
    m_pFixedInfo = static_cast<const VS_FIXEDFILEINFO*>(fixed);
    m_pTranslation = static_cast<const WORD*>(translation);
}

std::string CFileVersion::GetProductVersion() const {
    if (!m_pFixedInfo)
        return {};
    char text[32];
    std::snprintf(text, sizeof text, "%d.%d", HIWORD(m_pFixedInfo->dwProductVersionMS),
                  LOWORD(m_pFixedInfo->dwProductVersionMS));
    return text;
}

std::string CFileVersion::GetString(const char* name) const {
    if (!m_pTranslation)
        return {};
    char query[96];
    const int length = std::snprintf(query, sizeof query, "\\StringFileInfo\\%04X%04X\\%s", m_pTranslation[0],
                                     m_pTranslation[1], name);
    if (length < 0 || static_cast<size_t>(length) >= sizeof query)
        return {};
    void* value = nullptr;
    UINT valueLength = 0;
    if (!::VerQueryValueA(m_pVersionInfo.get(), query, &value, &valueLength) || !value || valueLength == 0)
        return {};
    const char* text = static_cast<const char*>(value);
    return std::string(text, strnlen(text, valueLength));
}
