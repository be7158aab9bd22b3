#pragma once

#include <SFML/Graphics/Shader.hpp>

// The game's fragment shaders. Each call compiles a new shader; the caller
// owns it, sets its uniforms and deletes it. Only drawing code may call these:
// a shader needs a graphics context.
namespace GameParams::Graphics::Shaders {

// Red-tinted grey, at least 20 % opaque. Uniform: "texture".
sf::Shader* GetRedScaleShader();

// A red glow along the border of a coverage texture drawn one texel per tile.
// Uniforms: "texture", "textureSize" (texels), "tileSize" (pixels).
sf::Shader* GetGlowingEdgesShader();

} // namespace GameParams::Graphics::Shaders
