// The program's entry: the application object already exists (a static object of the program),
// the entry only runs it.
#include <windows.h>

#include "framework/WinApp.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    fw::WinApp* app = fw::WinApp::Current();
    return app ? app->Run() : 1;
}
