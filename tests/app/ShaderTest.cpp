#include "params/Shaders.hpp"

#include "tests/params/CoutCapture.hpp"

#include <SFML/Graphics.hpp>

#include <gtest/gtest.h>

#include <memory>

namespace Shaders = GameParams::Graphics::Shaders;

namespace {

// Draws the texture through the shader, scaled by `scale`, and reads the
// result back. Blending is off so the pixels are exactly the shader's output.
sf::Image Render(const sf::Image& source, sf::Shader& shader, unsigned scale) {
    sf::Texture texture;
    EXPECT_TRUE(texture.loadFromImage(source));
    sf::Sprite sprite(texture);
    sprite.setScale(static_cast<float>(scale), static_cast<float>(scale));

    sf::RenderTexture target;
    EXPECT_TRUE(target.create(source.getSize().x * scale, source.getSize().y * scale));
    target.clear(sf::Color::Transparent);
    sf::RenderStates states(&shader);
    states.blendMode = sf::BlendNone;
    target.draw(sprite, states);
    target.display();
    return target.getTexture().copyToImage();
}

void ExpectColorNear(sf::Color actual, sf::Color expected, int tolerance = 2) {
    EXPECT_NEAR(actual.r, expected.r, tolerance);
    EXPECT_NEAR(actual.g, expected.g, tolerance);
    EXPECT_NEAR(actual.b, expected.b, tolerance);
    EXPECT_NEAR(actual.a, expected.a, tolerance);
}

} // namespace

TEST(ShaderTest, BothShadersCompile) {
    ASSERT_TRUE(sf::Shader::isAvailable());
    CoutCapture out;
    std::unique_ptr<sf::Shader> redScale(Shaders::GetRedScaleShader());
    std::unique_ptr<sf::Shader> glowingEdges(Shaders::GetGlowingEdgesShader());
    EXPECT_NE(redScale, nullptr);
    EXPECT_NE(glowingEdges, nullptr);
    EXPECT_EQ(out.text(), "");
}

TEST(ShaderTest, RedScaleTintsGreyAndKeepsTransparencyVisible) {
    std::unique_ptr<sf::Shader> shader(Shaders::GetRedScaleShader());
    shader->setUniform("texture", sf::Shader::CurrentTexture);

    sf::Image source;
    source.create(3, 1, sf::Color::Transparent);
    source.setPixel(0, 0, sf::Color::Blue);
    source.setPixel(1, 0, sf::Color(255, 255, 255, 128));
    const sf::Image result = Render(source, *shader, 1);

    ExpectColorNear(result.getPixel(0, 0), sf::Color(255, 85, 85, 255));
    ExpectColorNear(result.getPixel(1, 0), sf::Color(255, 255, 255, 153));
    ExpectColorNear(result.getPixel(2, 0), sf::Color(255, 0, 0, 51));
}

namespace {

constexpr unsigned TileSize = 128;

std::unique_ptr<sf::Shader> MakeGlowingEdges(const sf::Image& coverage) {
    std::unique_ptr<sf::Shader> shader(Shaders::GetGlowingEdgesShader());
    shader->setUniform("texture", sf::Shader::CurrentTexture);
    shader->setUniform("textureSize", sf::Glsl::Vec2(static_cast<float>(coverage.getSize().x),
                                                     static_cast<float>(coverage.getSize().y)));
    shader->setUniform("tileSize", sf::Glsl::Vec2(TileSize, TileSize));
    return shader;
}

// The pixel at (fx, fy) tiles from the origin.
sf::Color PixelAt(const sf::Image& image, float fx, float fy) {
    return image.getPixel(static_cast<unsigned>(fx * TileSize),
                          static_cast<unsigned>(fy * TileSize));
}

} // namespace

TEST(ShaderTest, GlowingEdgesOutlineACoveredRegion) {
    // A 3 x 3 covered block in the middle of a 5 x 5 map.
    const sf::Color covered(0, 0, 255, 255);
    sf::Image coverage;
    coverage.create(5, 5, sf::Color::Transparent);
    for (unsigned x = 1; x <= 3; ++x) {
        for (unsigned y = 1; y <= 3; ++y) {
            coverage.setPixel(x, y, covered);
        }
    }
    std::unique_ptr<sf::Shader> shader = MakeGlowingEdges(coverage);
    const sf::Image result = Render(coverage, *shader, TileSize);

    // Deep inside: untouched.
    ExpectColorNear(PixelAt(result, 2.5f, 2.5f), covered);
    ExpectColorNear(PixelAt(result, 2.1f, 2.5f), covered);

    // At the side facing the uncovered cell: red, half transparent.
    ExpectColorNear(PixelAt(result, 1.0f, 2.5f), sf::Color(255, 0, 0, 127), 3);
    ExpectColorNear(PixelAt(result, 3.99f, 2.5f), sf::Color(255, 0, 0, 127), 3);
    // Fading with the distance from the side: 0.1 tile in gives 3/4 of the glow.
    ExpectColorNear(PixelAt(result, 1.1f, 2.5f), sf::Color(255, 0, 0, 96), 3);

    // Uncovered cells stay empty.
    EXPECT_EQ(PixelAt(result, 0.5f, 2.5f).a, 0);
}

TEST(ShaderTest, WhiteCoverageIsInvisible) {
    sf::Image coverage;
    coverage.create(3, 3, sf::Color::White);
    std::unique_ptr<sf::Shader> shader = MakeGlowingEdges(coverage);
    const sf::Image result = Render(coverage, *shader, TileSize);

    EXPECT_EQ(PixelAt(result, 1.5f, 1.5f).a, 0);
    // The texture border still glows, in red.
    ExpectColorNear(PixelAt(result, 0.0f, 1.5f), sf::Color(255, 0, 0, 127), 3);
}
