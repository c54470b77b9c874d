// The program's message loop offers each keyboard message to the modeless dialogs and embedded
// sheets before it is dispatched, so that Tab, the arrow keys, mnemonics and the page keys of a
// sheet work in them as in a modal dialog. Each registers itself while its window exists.
#pragma once

#include <windows.h>

#include <vector>

namespace fw {

class KeyboardClient {
  public:
    virtual ~KeyboardClient() = default;
    // Takes the message when it belongs to this client's window; true when it was used up.
    virtual bool PreTranslateKeys(MSG& msg) = 0;
};

class KeyboardRoute {
  public:
    void Add(KeyboardClient* client);
    void Remove(KeyboardClient* client);
    // The clients added last are asked first: an embedded sheet takes its page keys before the
    // dialog that holds it runs its own navigation.
    bool PreTranslate(MSG& msg) const;

  private:
    std::vector<KeyboardClient*> m_clients;
};

// The route of the running program's message loop (null when no loop runs).
KeyboardRoute* CurrentKeyboardRoute();

}  // namespace fw
