#!/usr/bin/env python3
"""Asks the X server on $DISPLAY about the desktop's managers, or asks the window manager for a window.

    xprobe.py compositor   exit 0 when a compositing manager runs (_NET_WM_CM_Sn has an owner), else 1
    xprobe.py wm           exit 0 when a window manager runs (WM_Sn has an owner), else 1
    xprobe.py activate ID  asks the window manager to activate the window, as a taskbar does
                           (_NET_ACTIVE_WINDOW from a pager)

Exit 2 when the display cannot be opened. Plain libX11 through ctypes: no extra package.
"""
import ctypes
import ctypes.util
import sys

SELECTIONS = {"compositor": "_NET_WM_CM_S%d", "wm": "WM_S%d"}


class ClientMessage(ctypes.Structure):
    _fields_ = [
        ("type", ctypes.c_int),
        ("serial", ctypes.c_ulong),
        ("send_event", ctypes.c_int),
        ("display", ctypes.c_void_p),
        ("window", ctypes.c_ulong),
        ("message_type", ctypes.c_ulong),
        ("format", ctypes.c_int),
        ("data", ctypes.c_long * 5),
    ]


class Event(ctypes.Union):
    _fields_ = [("xclient", ClientMessage), ("pad", ctypes.c_long * 24)]


def activate(x11, display, window):
    event = Event()
    event.xclient.type = 33  # ClientMessage
    event.xclient.send_event = 1
    event.xclient.window = window
    event.xclient.message_type = x11.XInternAtom(display, b"_NET_ACTIVE_WINDOW", 0)
    event.xclient.format = 32
    event.xclient.data[0] = 2  # from a pager or taskbar
    root = x11.XDefaultRootWindow(display)
    mask = (1 << 19) | (1 << 20)  # SubstructureNotify, SubstructureRedirect
    x11.XSendEvent(display, root, 0, mask, ctypes.byref(event))
    x11.XFlush(display)
    return 0


def main(argv):
    wanted = len(argv) == 3 and argv[1] == "activate" or len(argv) == 2 and argv[1] in SELECTIONS
    if not wanted:
        print(__doc__.strip(), file=sys.stderr)
        return 2
    x11 = ctypes.CDLL(ctypes.util.find_library("X11") or "libX11.so.6")
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x11.XDefaultScreen.argtypes = [ctypes.c_void_p]
    x11.XInternAtom.restype = ctypes.c_ulong
    x11.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
    x11.XGetSelectionOwner.restype = ctypes.c_ulong
    x11.XGetSelectionOwner.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
    x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
    x11.XDefaultRootWindow.restype = ctypes.c_ulong
    x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
    x11.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long, ctypes.c_void_p]
    x11.XFlush.argtypes = [ctypes.c_void_p]
    display = x11.XOpenDisplay(None)
    if not display:
        return 2
    if argv[1] == "activate":
        rc = activate(x11, display, int(argv[2], 0))
        x11.XCloseDisplay(display)
        return rc
    name = SELECTIONS[argv[1]] % x11.XDefaultScreen(display)
    owner = x11.XGetSelectionOwner(display, x11.XInternAtom(display, name.encode(), 0))
    x11.XCloseDisplay(display)
    return 0 if owner else 1


if __name__ == "__main__":
    sys.exit(main(sys.argv))
