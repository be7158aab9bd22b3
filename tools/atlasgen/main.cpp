#include <SFML/Graphics/Image.hpp>

int main(int argc, char** argv) {
    if (argc < 2)
        return 1;
    sf::Image atlas;
    atlas.create(2688, 4096, sf::Color::Transparent);
    return atlas.saveToFile(argv[1]) ? 0 : 1;
}
