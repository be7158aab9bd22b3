#include "ui/MenuBindings.hpp"

#include <array>

namespace MenuBindings {
namespace {

std::array<MenuCallback, ActionCount>& actions() {
    static std::array<MenuCallback, ActionCount> table;
    return table;
}

MenuTooltipSink& tooltipSink() {
    static MenuTooltipSink sink;
    return sink;
}

bool isKnown(MenuAction action) {
    return action > ActionNone && action < ActionCount;
}

} // namespace

void Bind(MenuAction action, MenuCallback callback) {
    if (isKnown(action))
        actions()[action] = std::move(callback);
}

void Run(MenuAction action, Game* game) {
    if (!isKnown(action))
        return;
    // A copy, so an action that rebinds itself still finishes safely.
    const MenuCallback callback = actions()[action];
    if (callback)
        callback(game);
}

bool IsBound(MenuAction action) {
    return isKnown(action) && actions()[action] != nullptr;
}

void BindTooltip(MenuTooltipSink sink) {
    tooltipSink() = std::move(sink);
}

void ShowTooltip(const std::string& text) {
    if (tooltipSink())
        tooltipSink()(text);
}

void Reset() {
    for (MenuCallback& callback : actions())
        callback = nullptr;
    tooltipSink() = nullptr;
}

} // namespace MenuBindings
