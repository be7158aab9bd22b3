#include "params/Graphics.hpp"

// How an employee is put together from the 128-pixel atlas: seven 64-pixel
// layers stacked from the legs up, each tinted with one of the colours the
// employee was given.
namespace GameParams::Graphics::SIZE128PX {

namespace {

constexpr int EmployeeLayerSize = 64;

struct EmployeeLayer {
    sf::Vector2i topLeft[4]; // facing directions 1-4
    sf::Vector2f offset;
};

// Drawn in this order: legs, torso, hands, head, face, hair, hair shine.
const EmployeeLayer EmployeeLayers[EmployeeLayerCount] = {
    {{{0, 3456}, {64, 3520}, {0, 3520}, {64, 3456}}, {32.f, 64.f}},
    {{{0, 3200}, {64, 3264}, {0, 3264}, {64, 3200}}, {32.f, 32.f}},
    {{{0, 3328}, {64, 3392}, {0, 3392}, {64, 3328}}, {32.f, 32.f}},
    {{{0, 2816}, {64, 2880}, {0, 2880}, {64, 2816}}, {32.f, 0.f}},
    {{{0, 2944}, {64, 3008}, {0, 3008}, {64, 2944}}, {32.f, 0.f}},
    {{{0, 2560}, {64, 2624}, {0, 2624}, {64, 2560}}, {32.f, -8.f}},
    {{{0, 2688}, {64, 2752}, {0, 2752}, {64, 2688}}, {32.f, -8.f}},
};

// A direction outside 1-4 is drawn like direction 3.
constexpr int DefaultDirection = 3;

} // namespace

sf::IntRect GetEmployeeLayerTexture(int layer, int direction) {
    if (layer < 1 || layer > EmployeeLayerCount) {
        return {};
    }
    if (direction < 1 || direction > 4) {
        direction = DefaultDirection;
    }
    const sf::Vector2i topLeft = EmployeeLayers[layer - 1].topLeft[direction - 1];
    return {topLeft.x, topLeft.y, EmployeeLayerSize, EmployeeLayerSize};
}

sf::Vector2f GetEmployeeLayerOffset(int layer) {
    if (layer < 1 || layer > EmployeeLayerCount) {
        return {};
    }
    return EmployeeLayers[layer - 1].offset;
}

sf::VertexArray GetEmployeeTextureQuads(int direction, sf::Color skin, sf::Color hair,
                                        sf::Color upperBody, sf::Color lowerBody) {
    const sf::Color layerColors[EmployeeLayerCount] = {
        lowerBody, upperBody, skin, skin, sf::Color::White, hair, sf::Color::White};

    sf::VertexArray quads(sf::Quads, 4 * EmployeeLayerCount);
    for (int layer = 1; layer <= EmployeeLayerCount; ++layer) {
        const sf::IntRect rect = GetEmployeeLayerTexture(layer, direction);
        const sf::Vector2f offset = GetEmployeeLayerOffset(layer);
        const sf::Vector2f size(static_cast<float>(rect.width), static_cast<float>(rect.height));
        const sf::Vector2f texTopLeft(static_cast<float>(rect.left), static_cast<float>(rect.top));
        const sf::Vector2f corners[4] = {
            {0.f, 0.f}, {size.x, 0.f}, {size.x, size.y}, {0.f, size.y}};

        const std::size_t first = static_cast<std::size_t>(4 * (layer - 1));
        for (std::size_t corner = 0; corner < 4; ++corner) {
            sf::Vertex& vertex = quads[first + corner];
            vertex.position = offset + corners[corner];
            vertex.texCoords = texTopLeft + corners[corner];
            vertex.color = layerColors[layer - 1];
        }
    }
    return quads;
}

} // namespace GameParams::Graphics::SIZE128PX
