#include "app/Cursor.hpp"

#include "app/Game.hpp"
#include "economy/MoneyText.hpp"
#include "params/BuildRefusal.hpp"
#include "params/Graphics.hpp"
#include "params/PhraseTexts.hpp"
#include "params/TileSize.hpp"
#include "ui/MenuImageButton.hpp"
#include "world/Level.hpp"

#include <SFML/Graphics/RenderTarget.hpp>

namespace {

const char* const FrameNames[] = {"white", "red", "black"};

} // namespace

void Cursor::init(Game* newGame, sf::Texture* newTexture) {
    game = newGame;
    texture = newTexture;
    const float t = tileSize();
    setOrigin(t / 2.f, t / 2.f);

    const GameParams::Graphics::CursorTextureMap rects = GameParams::Graphics::GetCursorTexture();
    frames = sf::VertexArray(sf::Quads, 12);
    for (int q = 0; q < 3; ++q) {
        const auto found = rects.find(FrameNames[q]);
        const sf::IntRect r = found != rects.end() ? found->second : sf::IntRect();
        const float l = static_cast<float>(r.left);
        const float top = static_cast<float>(r.top);
        const float w = static_cast<float>(r.width);
        const float h = static_cast<float>(r.height);
        const sf::Vector2f corners[4] = {{0.f, 0.f}, {t, 0.f}, {t, t}, {0.f, t}};
        const sf::Vector2f coords[4] = {{l, top}, {l + w, top}, {l + w, top + h}, {l, top + h}};
        for (int k = 0; k < 4; ++k)
            frames[q * 4 + k] = sf::Vertex(corners[k], coords[k]);
    }
    preview = sf::VertexArray(sf::Quads);
    dragQuads = sf::VertexArray(sf::Quads);
    useMarkers = sf::VertexArray(sf::Quads);
    reset();
}

Level* Cursor::level() const {
    if (attachedLevel != nullptr)
        return attachedLevel;
    return game != nullptr ? game->getLevel() : nullptr;
}

float Cursor::tileSize() const {
    return static_cast<float>(GameParams::GetTileSizeType());
}

int Cursor::getToolCategory() const {
    return tool != nullptr ? tool->getImageKind() : -1;
}

int Cursor::getToolElement() const {
    return tool != nullptr ? tool->getImageId() : -1;
}

bool Cursor::isZoneDemolition() const {
    return getToolCategory() == CategoryDemolish && getToolElement() == GuiDemolishZone;
}

void Cursor::setFramePreview(Frame frame) {
    preview.clear();
    if (frames.getVertexCount() < 12)
        return;
    for (int k = 0; k < 4; ++k)
        preview.append(frames[frame * 4 + k]);
}

bool Cursor::reset() {
    if (dragging) {
        cancelDrag();
        return false;
    }
    setFramePreview(FrameBlack);
    useMarkers.clear();
    previewNote.clear();
    previewRefused = false;
    if (state == StateNoTool && tool == nullptr)
        return false;
    tool = nullptr;
    state = StateNoTool;
    return true;
}

void Cursor::dropTool() {
    cancelDrag();
    reset();
}

void Cursor::selectTool(const MenuImageButton* button) {
    reset();
    if (button == nullptr)
        return;
    switch (button->getImageKind()) {
    case CategoryTile:
    case CategoryZone:
    case CategoryObject: {
        setRotation(0.f);
        tool = button;
        setFramePreview(FrameBlack);
        const sf::VertexArray& icon = button->getQuad();
        for (std::size_t k = 0; k < 4 && k < preview.getVertexCount(); ++k) {
            sf::Vertex vertex = preview[k];
            vertex.texCoords = k < icon.getVertexCount() ? icon[k].texCoords : sf::Vector2f();
            preview.append(vertex);
        }
        state = StateBuild;
        break;
    }
    case CategoryDemolish:
        setRotation(0.f);
        tool = button;
        setFramePreview(FrameRed);
        state = StateDemolish;
        break;
    case CategoryAction:
        setRotation(0.f);
        tool = button;
        state = StateAction;
        break;
    default:
        break;
    }
}

void Cursor::rotateClockwise() {
    rotate(90.f);
    refreshPreview();
}

bool Cursor::onLeftPressed() {
    const int category = getToolCategory();
    if (category != CategoryTile && category != CategoryZone && !isZoneDemolition())
        return false;
    // A drag still running (its release was lost) gives its zones back first.
    cancelDrag();
    dragging = true;
    dragStart = dragEnd = getPosition();
    updateDrag();
    return true;
}

bool Cursor::onLeftReleased() {
    Level* world = level();
    if (world != nullptr)
        world->clearRefusal();
    areaShortfall = 0.0;
    refusalNote.clear();
    const bool handled = useTool(world);
    if (world != nullptr && world->getRefusal() != BuildRefusal::None) {
        refusalNote = GameParams::Texts::GetBuildRefusalText(world->getRefusal());
        if (world->getRefusal() == BuildRefusal::AreaTooExpensive)
            refusalNote += "\nEs fehlen " + MoneyText(areaShortfall);
    }
    refusalNoteAt = getPosition();
    refreshPreview();
    return handled;
}

std::string Cursor::withRefusalNote(const std::string& cellText) {
    if (getPosition() != refusalNoteAt)
        refusalNote.clear();
    std::string note = dragging ? dragNote() : refusalNote;
    if (note.empty())
        note = previewNote;
    if (note.empty())
        return cellText;
    if (cellText.empty())
        return note;
    return note + "\n" + GameParams::Phrases::TooltipRule + "\n" + cellText;
}

bool Cursor::useTool(Level* world) {
    const int category = getToolCategory();
    const auto element = static_cast<GuiElemType>(getToolElement());
    const sf::Vector2f at = getPosition();
    switch (category) {
    case CategoryObject:
        if (world != nullptr) {
            const sf::Vector2i cell = cellUnderCursor();
            const std::vector<PlacedObject> usable = usableNeighbours(*world, cell);
            if (world->build(CategoryObject, element, getRotation(), at.x, at.y))
                refusalNote = unusableWarning(*world, cell, usable);
        }
        return true;
    case CategoryDemolish:
        if (element == GuiDemolishObject) {
            if (world != nullptr)
                world->demolishObjectWithTool(CategoryDemolish, element, at.x, at.y);
            return true;
        }
        if (element == GuiDemolishZone) {
            finishDrag();
            return true;
        }
        return false;
    case CategoryTile:
    case CategoryZone:
        finishDrag();
        return true;
    case CategoryAction:
        return true;
    default:
        return false;
    }
}
