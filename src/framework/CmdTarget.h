// The receivers of command ids. A command from the menu, the toolbar or an accelerator travels
// frame, view, document, application; the first receiver that knows the id handles it. The same
// walk decides whether menu items and toolbar buttons are enabled: a command nobody knows is
// grayed.
#pragma once

#include <windows.h>

namespace fw {

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
