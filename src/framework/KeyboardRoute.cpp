#include "framework/KeyboardRoute.h"

#include <algorithm>

#include "framework/WinApp.h"

namespace fw {

void KeyboardRoute::Add(KeyboardClient* client) {
    if (client && std::find(m_clients.begin(), m_clients.end(), client) == m_clients.end())
        m_clients.push_back(client);
}

void KeyboardRoute::Remove(KeyboardClient* client) {
    m_clients.erase(std::remove(m_clients.begin(), m_clients.end(), client), m_clients.end());
}

bool KeyboardRoute::PreTranslate(MSG& msg) const {
    // A client may remove itself while it handles the message (a dialog destroyed by a key):
    // walk a copy.
    const std::vector<KeyboardClient*> clients(m_clients.rbegin(), m_clients.rend());
    for (KeyboardClient* client : clients) {
        if (client->PreTranslateKeys(msg))
            return true;
    }
    return false;
}

KeyboardRoute* CurrentKeyboardRoute() {
    WinApp* app = WinApp::Current();
    return app ? &app->Keyboard() : nullptr;
}

}  // namespace fw
