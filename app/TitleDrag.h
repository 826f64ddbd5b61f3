#pragma once
// TTitleDrag: the main window's own drag by a mouse button other than the left one. The design lets
// any button on the title strip move the window until that button is released; the system's move
// loop, which serves the left button, ends under Wine only on a left click, so with another button
// the window would follow the pointer with no button held. Here the window holds the mouse while
// the button is down, each move places it by the pointer's travel since the press, and the release
// of that button, the loss of the capture, or a move that shows the button up ends the drag.
#include "toolkit/Control.h"

class TTitleDrag {
public:
    explicit TTitleDrag(TWinControl* window) : window_(window) {}

    // Starts dragging by button from a pointer position on the screen.
    void Begin(TMouseButton button, POINT pointer);
    // Called first for every message of the window: true when the drag took it (the mouse is the
    // drag's while it lasts).
    bool Filter(const TMessage& message);
    bool Dragging() const { return dragging_; }

private:
    void End();

    TWinControl* window_;
    bool dragging_ = false;
    TMouseButton button_ = mbLeft;
    // The window's origin less the pointer at the press: the window's place for any pointer.
    POINT offset_{};
};
