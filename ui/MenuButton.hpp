#pragma once

#include "ui/MenuBindings.hpp"
#include "ui/MenuButtonKind.hpp"
#include "ui/MenuHandlers.hpp"
#include "ui/RoundedRectangleShape.hpp"

#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/Text.hpp>

// A rounded panel with a centred caption. Its kind fixes the caption and the
// action (see MenuButtonKind). The caption is measured when the kind is set:
// with a loaded font that needs a window.
class MenuButton : public virtual MenuElementHandlerClick, public virtual MenuElementHandlerHover {
public:
    // The font is referred to, not copied: it must outlive the button.
    MenuButton(MenuElement* parent, Game* game, const sf::Font& font, int kind);

    // Sets caption, action and look, then fits the button to the caption.
    void setKind(int newKind);
    int getKind() const { return kind; }
    // Replaces the kind's action, for buttons a dialog wires up itself.
    void setCallback(MenuCallback newCallback);
    // Runs the action as a completed click would, without the press look;
    // for a list that acts for its linked button on a double click.
    void activate(Game* game);
    void fitToText();
    std::string getCaption() const;
    // A caption of the dialog's own (UTF-8), the button fitted to it.
    void setCaption(const std::string& text);
    // One of a row of choices that shows which is in force.
    void setChosen(bool isChosen);
    bool isChosen() const { return chosen; }

    void onMousePressed(Game* game) override;
    void onMouseReleased(Game* game) override;
    void onHoverEnter() override;
    void onHoverLeave() override;

    sf::Vector2f getSize() const override { return sf::Vector2f(width, height); }
    // Keeps the caption centred.
    void setSize(float newWidth, float newHeight) override;
    void setVisible(bool isVisible) override { visible = isVisible; }
    bool isVisible() const override { return visible; }
    sf::Color getFillColor() const { return background.getFillColor(); }
    std::vector<const sf::Text*> getWrittenTexts() const override { return {&caption}; }

    static const sf::Color NormalColor;
    static const sf::Color HoverColor;
    static const sf::Color PressedColor;
    static const sf::Color ChosenColor;

protected:
    void draw(sf::RenderTarget& target, sf::RenderStates states) const override;

private:
    void placeCaption();
    // The colour at rest: normal, or that of the chosen one of a row.
    sf::Color restingColor() const { return chosen ? ChosenColor : NormalColor; }

    MenuCallback callback;
    bool chosen = false;
    bool visible = true;
    int kind = 0;
    Game* game;
    sf::RoundedRectangleShape background;
    sf::Text caption;
    float width = 0.f;
    float height = 0.f;
    float paddingX = 6.f;
    float paddingY = 6.f;
};
