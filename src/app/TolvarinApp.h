// The application object: single instance, start-up and the application-level commands.
#pragma once

#include <windows.h>

#include <string>

#include "framework/DocTemplate.h"
#include "framework/ScopedHandle.h"
#include "framework/WinApp.h"
#include "picture/susie/SusieHost.h"

class CTolvarinView;

class CTolvarinApp : public fw::WinApp {
  public:
    bool InitInstance() override;
    int ExitInstance() override;
    bool OnCommand(UINT id) override;

    char m_szIniPath[MAX_PATH] = {};
    fw::SingleDocTemplate* m_pDocTemplate = nullptr;
    CTolvarinView* m_pPreviewView = nullptr;
    std::string m_strPluginFolder;
    CSusieHost m_susieHost;
    fw::KernelHandle m_hInstanceMutex;

  protected:
    bool KnowsCommand(UINT id) const override;

  private:
    // The second instance's work: hand the file to the first instance and bring it to the front.
    void HandOverToFirstInstance() const;
};

extern CTolvarinApp theApp;
