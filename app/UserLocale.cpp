#include "app/UserLocale.hpp"

#include <iostream>
#include <stdexcept>

std::locale MakeUserLocale() {
    try {
        return std::locale("");
    } catch (const std::runtime_error&) {
        std::cout << "Game::Game() - Locale der Umgebung nicht verfuegbar, nutze \"C\"."
                  << std::endl;
        return std::locale::classic();
    }
}
