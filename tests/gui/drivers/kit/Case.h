// The program in a case of its own, the way nearly every case begins: the case's checks named after
// it, a fresh folder, pictures put into it, and the program started there.
#pragma once

#include <string>
#include <vector>

#include "App.h"
#include "Files.h"
#include "Report.h"

namespace tk {

class CaseApp : public App {
  public:
    // name prefixes the case's checks ("" for none); folder and iniContent go to MakeCase.
    CaseApp(const std::string& name, const std::string& folder, const std::string& iniContent = {});

    // PutPicture into this case's folder, under the data file's own name unless asName is given.
    std::string Put(const std::string& dataName, const std::string& asName = {}) const;
    // Starts the program with files on its command line, each quoted as the shell quotes a path,
    // and checks under checkName that its frame appears.
    bool Launch(const std::vector<std::string>& files = {}, const std::string& checkName = "frame appears");

    // Launch on one picture, then the check that it is shown; false only when the frame did not appear.
    bool LaunchShowing(const std::string& picture);

  private:
    // Before dir: the checks of making the folder already belong to the case.
    CaseScope m_scope;

  public:
    const CaseDir dir;
};

}  // namespace tk
