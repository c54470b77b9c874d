// The executable's own version resource: the window title and the About box read it.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

class CFileVersion {
  public:
    // Reads the block of the running module; every query answers empty when that fails.
    CFileVersion();
    virtual ~CFileVersion() = default;

    // "%d.%d" of the product version's major and minor parts.
    std::string GetProductVersion() const;
    // The "InternalName" string of the first translation.
    std::string GetInternalName() const { return GetString("InternalName"); }
    // The string entry `name` ("CompanyName", "LegalCopyright", ...) of the first translation.
    std::string GetString(const char* name) const;

  private:
    std::unique_ptr<BYTE[]> m_pVersionInfo;
    const VS_FIXEDFILEINFO* m_pFixedInfo = nullptr;
    const WORD* m_pTranslation = nullptr;  // language, code page
};
