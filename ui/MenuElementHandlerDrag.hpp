#pragma once

#include "ui/MenuElement.hpp"

// Something the pointer can grab and pull, like a scrollbar's thumb. The
// menu's walks hand it pointer positions in its parent's coordinates, the
// same space its own position is given in.
class MenuElementHandlerDrag : public virtual MenuElement {
public:
    // A press that hit the element.
    virtual void onDragStart(int x, int y) = 0;
    // Every pointer move the menu sees, grabbed or not.
    virtual void onDragMove(int x, int y) = 0;
    // Any release inside the menu ends a drag, wherever the pointer is.
    virtual void onDragEnd() = 0;
};
