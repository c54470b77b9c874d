// The receivers of command ids. A command from the menu, the toolbar or an accelerator travels
// frame, view, document, application; the first receiver that knows the id handles it. The same
// walk decides whether menu items and toolbar buttons are enabled: a command nobody knows is
// grayed.
#pragma once

#include <windows.h>

#include <span>

namespace fw {

// One entry of a receiver's command map (MFC's ON_COMMAND): the id and the member that carries it
// out. A receiver that lists its commands once knows exactly the commands it runs.
template <class Target>
struct CommandEntry {
    UINT id;
    void (Target::*handler)();
};

// The map's entry for id, or null.
template <class Target>
const CommandEntry<Target>* FindCommand(std::span<const CommandEntry<Target>> map, UINT id) {
    for (const CommandEntry<Target>& entry : map)
        if (entry.id == id)
            return &entry;
    return nullptr;
}

// Runs the map's entry for id on target; false when the map has none.
template <class Target>
bool RunCommand(std::span<const CommandEntry<Target>> map, Target& target, UINT id) {
    const CommandEntry<Target>* entry = FindCommand(map, id);
    return entry && ((target.*entry->handler)(), true);
}

class CmdTarget {
  public:
    virtual ~CmdTarget() = default;

    // Runs the command; false when this receiver does not know it.
    virtual bool OnCommand(UINT) { return false; }
    // Sets `enabled` for a command this receiver knows and returns true; false otherwise. The
    // default says every command with a handler is enabled, so a receiver only overrides this for
    // commands that depend on state.
    virtual bool OnUpdateCommand(UINT id, bool& enabled) {
        enabled = true;
        return KnowsCommand(id);
    }

  protected:
    virtual bool KnowsCommand(UINT) const { return false; }
};

}  // namespace fw
