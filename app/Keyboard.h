#pragma once

namespace torvane::keyboard {

// Switches the Caps Lock toggle on or off where the program runs on X11 (through XKB);
// elsewhere (Wayland, the offscreen platform of the tests) it does nothing.
void setCapsLock(bool on);

} // namespace torvane::keyboard
