#include "Case.h"

#include "Pictures.h"
#include "Wait.h"

namespace tk {

CaseApp::CaseApp(const std::string& name, const std::string& folder, const std::string& iniContent)
    : m_scope(name), dir(MakeCase(folder, iniContent)) {}

std::string CaseApp::Put(const std::string& dataName, const std::string& asName) const {
    return PutPicture(dir, dataName, asName.empty() ? dataName : asName);
}

bool CaseApp::Launch(const std::vector<std::string>& files, const std::string& checkName) {
    std::string args;
    for (const std::string& file : files)
        args += (args.empty() ? "\"" : " \"") + file + "\"";
    return Check(Start(dir, args), checkName);
}

bool CaseApp::LaunchShowing(const std::string& picture) {
    if (!Launch({picture}))
        return false;
    Check(WaitUntil([&] { return PictureShown(); }), "picture shown");
    return true;
}

}  // namespace tk
