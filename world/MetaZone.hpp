#pragma once

#include "params/Enums.hpp"

#include <SFML/Graphics/Drawable.hpp>
#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/RenderStates.hpp>
#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/Shader.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <SFML/Graphics/Transformable.hpp>
#include <SFML/Graphics/VertexArray.hpp>
#include <SFML/System/Vector2.hpp>

#include <istream>
#include <map>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

class Level;

// A room: the zone cells of one type that touch, also diagonally. It knows
// whether its walls are closed, which work dispatch insists on, and while they
// are not it draws a glowing outline over its cells as a warning.
class MetaZone : public sf::Drawable, public sf::Transformable {
public:
    // row -> column -> upToDate
    using CellMap = std::map<int, std::map<int, bool>>;

    explicit MetaZone(Level* owner, ZoneType zoneType = ZoneNone);
    ~MetaZone() override;
    // The registry holds the address.
    MetaZone(const MetaZone&) = delete;
    MetaZone& operator=(const MetaZone&) = delete;

    static MetaZone* GetById(int id);
    static int GetMaxId() { return maxId; }
    // Raises the counter above every registered id, so that no new one is
    // given twice after a file whose records carried an out-of-step counter.
    static void KeepIdsAboveRegistered();
    // Forgets every registered room and restarts the ids at 0; for a level
    // that has just destroyed all of its rooms.
    static void ResetIds();

    bool addZone(ZoneType zoneType, int column, int row);
    bool removeZone(int column, int row);
    bool neighbourChanged(int column, int row);
    bool isEnclosed();
    void refresh();
    // (column, row) ordered by row, then column.
    std::vector<sf::Vector2i> zonePositions() const;
    // The part reachable from the first cell, if the room fell apart; it takes
    // those cells with it.
    std::unique_ptr<MetaZone> splitOff();

    int getId() const { return id; }
    ZoneType getType() const { return type; }
    int getCellCount() const { return cellCount; }
    bool contains(int column, int row) const;
    bool getNeedsRefresh() const { return needsRefresh; }
    bool getNeedsSplitCheck() const { return needsSplitCheck; }
    // The enclosure as last computed, without refreshing.
    bool wasEnclosed() const { return enclosed; }
    const CellMap& getContainedZones() const { return containedZones; }
    const sf::VertexArray& getOverlay() const { return overlay; }
    // One pixel per cell of the bounding box, made by refresh() for drawing.
    const sf::Image& getMask() const { return mask; }
    // Whether drawing has made the texture and shader; the simulation never does.
    bool hasGraphicsResources() const { return maskTexture != nullptr || shader != nullptr; }

    // What keeps the room from serving its purpose, one short German line
    // each; empty when nothing does (MetaZoneInfo.cpp).
    std::vector<std::string> shortcomings() const;
    // Its name and size, then its shortcomings.
    std::string getInfo() const;

    bool save(std::ostream& out) const;
    bool load(std::istream& in);

protected:
    void draw(sf::RenderTarget& target, sf::RenderStates states) const override;

private:
    bool cellIsWalled(int column, int row) const;
    bool neighbourEncloses(int column, int row) const;
    void rebuildOverlay();
    void registerId();
    void unregisterId();

    static int maxId;
    static std::map<int, MetaZone*> registry;

    int id;
    ZoneType type;
    sf::VertexArray overlay; // not saved: rebuilt by refresh()
    // Texture and shader need a graphics context, so drawing makes them.
    mutable std::unique_ptr<sf::Texture> maskTexture; // not saved
    mutable std::unique_ptr<sf::Shader> shader;       // not saved
    mutable bool maskUploaded = false;                // not saved
    mutable bool shaderUsable = false;                // not saved
    sf::Image mask;                                   // not saved: rebuilt by refresh()
    Level* level;
    bool enclosed = true;
    bool needsRefresh = false;
    bool needsSplitCheck = false;
    int cellCount = 0;
    CellMap containedZones;
};
