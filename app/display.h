// Whether a window could be shown: a graphical display is named in the
// environment and its server answers. Checked before the window program
// starts, because the window toolkit ends the process when it cannot connect.
#pragma once

#include <string>

namespace giornaro::app {

struct DisplayCheck {
  bool named = false;      // DISPLAY or WAYLAND_DISPLAY is set
  bool reachable = false;  // a server accepted a connection
  std::string which;       // e.g. "DISPLAY=:57", for messages
};

// Tries WAYLAND_DISPLAY's socket (under $XDG_RUNTIME_DIR unless absolute),
// then DISPLAY: the local X socket of its display number, or for host:N the
// TCP port 6000+N (two seconds at most).
DisplayCheck check_display();

}  // namespace giornaro::app
