#include "app/Keyboard.h"

#include <QGuiApplication>

// After Qt's headers: Xlib defines macros (Bool, None, KeyPress) that Qt's names clash with.
#include <X11/XKBlib.h>

namespace torvane::keyboard {

void setCapsLock(bool on)
{
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->display())
        return;
    Display* display = x11->display();
    XkbLockModifiers(display, XkbUseCoreKbd, LockMask, on ? LockMask : 0);
    XFlush(display);
}

} // namespace torvane::keyboard
