#include "ui/MenuBoxContainer.hpp"

void MenuBoxContainer::setSize(float newWidth, float newHeight) {
    width = newWidth;
    height = newHeight;
    update();
}

void MenuBoxContainer::setSpacing(float newSpacing) {
    spacing = newSpacing;
    layoutValid = false;
}
