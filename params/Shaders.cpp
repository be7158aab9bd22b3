#include "params/Shaders.hpp"

#include <iostream>

namespace GameParams::Graphics::Shaders {

namespace {

// Written for the library's default shading language (GLSL 1.10), so the
// shaders also compile on old and software drivers.
const char* const RedScaleSource = R"glsl(
uniform sampler2D texture;

void main()
{
    vec4 pixel = texture2D(texture, gl_TexCoord[0].xy);
    float value = (pixel.r + pixel.g + pixel.b) / 3.0;
    gl_FragColor = vec4(1.0, value, value, 0.2 + pixel.a * 0.8);
}
)glsl";

// The border strip is a quarter tile wide; the glow is strongest at a tile
// side and gone 1 / alphaBlend (0.4) tiles from it.
const char* const GlowingEdgesSource = R"glsl(
uniform sampler2D texture;
uniform vec2 textureSize;
uniform vec2 tileSize;

const float borderWidth = 0.25;
const float alphaBlend = 2.5;
const float alphaMax = 0.5;

float alphaAt(vec2 position)
{
    return texture2D(texture, position).a;
}

void main()
{
    vec2 t = gl_TexCoord[0].xy;
    vec2 s = vec2(1.0 / textureSize.x, 1.0 / textureSize.y);
    vec2 d = borderWidth * s;
    vec4 pixel = texture2D(texture, t);

    bool uncoveredNeighbour = alphaAt(t + vec2(d.x, 0.0)) == 0.0
        || alphaAt(t + vec2(0.0, d.y)) == 0.0
        || alphaAt(t + vec2(-d.x, 0.0)) == 0.0
        || alphaAt(t + vec2(0.0, -d.y)) == 0.0
        || alphaAt(t + vec2(d.x, -d.y)) == 0.0
        || alphaAt(t + vec2(d.x, d.y)) == 0.0
        || alphaAt(t + vec2(-d.x, d.y)) == 0.0
        || alphaAt(t + vec2(-d.x, -d.y)) == 0.0;
    bool atTextureBorder = t.x + d.x > 1.0 || t.x - d.x < 0.0
        || t.y + d.y > 1.0 || t.y - d.y < 0.0;

    if (pixel.a != 0.0 && (uncoveredNeighbour || atTextureBorder))
    {
        pixel.rgb = vec3(1.0, 0.0, 0.0);
        float ax = mod(t.x * textureSize.x * tileSize.x, tileSize.x);
        float ay = mod(t.y * textureSize.y * tileSize.y, tileSize.y);
        if (ax > tileSize.x / 2.0)
            ax = abs(ax - tileSize.x);
        if (ay > tileSize.y / 2.0)
            ay = abs(ay - tileSize.y);
        ax = ax / tileSize.x;
        ay = ay / tileSize.y;
        if (ax > 1.0 / alphaBlend)
            ax = ay;
        else if (ay > 1.0 / alphaBlend)
            ay = ax;
        pixel.a = (1.0 - min(1.0, min(ax, ay) * alphaBlend)) * alphaMax;
    }

    // White marks cells that must not show at all.
    if (pixel.r == 1.0 && pixel.g == 1.0 && pixel.b == 1.0)
        pixel.a = 0.0;

    gl_FragColor = pixel;
}
)glsl";

sf::Shader* MakeFragmentShader(const char* source, const char* getter) {
    // Returned even when unusable, so callers need no special case.
    sf::Shader* shader = new sf::Shader;
    if (!shader->loadFromMemory(source, sf::Shader::Fragment)) {
        std::cout << "GameParams::Graphics::Shaders::" << getter
                  << "() - loadFromMemory() fehlgeschlagen." << std::endl;
    }
    return shader;
}

} // namespace

sf::Shader* GetRedScaleShader() {
    return MakeFragmentShader(RedScaleSource, "GetRedScaleShader");
}

sf::Shader* GetGlowingEdgesShader() {
    return MakeFragmentShader(GlowingEdgesSource, "GetGlowingEdgesShader");
}

} // namespace GameParams::Graphics::Shaders
