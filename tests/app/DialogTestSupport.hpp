#pragma once

#include "tests/TempFolder.hpp"
#include "GameFixture.hpp"

#include "app/DialogLayout.hpp"
#include "ui/MenuButton.hpp"
#include "ui/MenuListboxEntry.hpp"

#include <SFML/System/Sleep.hpp>

#include <cstdlib>
#include <filesystem>

inline std::string Utf8(const sf::Text& text) {
    const auto bytes = text.getString().toUtf8();
    return std::string(bytes.begin(), bytes.end());
}

// Whether the inner rectangle lies in the outer one, give or take the slack.
inline bool Inside(const sf::FloatRect& inner, const sf::FloatRect& outer, float slack = 0.5f) {
    return inner.left >= outer.left - slack && inner.top >= outer.top - slack &&
           inner.left + inner.width <= outer.left + outer.width + slack &&
           inner.top + inner.height <= outer.top + outer.height + slack;
}

// A text's (or a shape's) ink in window pixels, and what it shows.
struct Ink {
    std::string what;
    sf::FloatRect box;
};

// A real game under Xvfb, run in a scratch working directory that sees the
// build's assets, so its save folder is its own.
class DialogTest : public GameFixture {
protected:
    void SetUp() override {
        namespace fs = std::filesystem;
        buildFolder = fs::current_path();
        scratch = MakeTempFolder("dialogs");
        ASSERT_FALSE(scratch.empty());
        for (const char* assets : {"fonts", "img", "data"})
            fs::create_directory_symlink(buildFolder / assets, scratch / assets);
        // The game's save folder in its data folder is the scratch's save/.
        fs::create_directories(scratch / "home" / "ostravel");
        fs::create_directory(scratch / "save");
        fs::create_directory_symlink(scratch / "save", scratch / "home" / "ostravel" / "save");
        dataHome = std::getenv("XDG_DATA_HOME") != nullptr ? std::getenv("XDG_DATA_HOME") : "";
        setenv("XDG_DATA_HOME", (scratch / "home").c_str(), 1);
        fs::current_path(scratch);
        GameFixture::SetUp();
    }
    void TearDown() override {
        GameFixture::TearDown();
        setenv("XDG_DATA_HOME", dataHome.c_str(), 1);
        std::filesystem::current_path(buildFolder);
        std::error_code ignored;
        std::filesystem::remove_all(scratch, ignored);
    }

    void rightClick() { click({5, 5}, sf::Mouse::Right); }
    // The window pixel at the centre of an element of an open dialog.
    static sf::Vector2i centreOf(const Menu& menu, const MenuElement& element) {
        const sf::Vector2f at = menu.getAbsolutePosition(&element) + element.getSize() / 2.f;
        return {static_cast<int>(at.x), static_cast<int>(at.y)};
    }
    static MenuButton* buttonOfKind(const Menu& menu, int kind) {
        for (MenuButton* button : DialogLayout::FindAll<MenuButton>(menu))
            if (button->getKind() == kind)
                return button;
        return nullptr;
    }
    void clickButton(const Menu& menu, int kind) {
        MenuButton* button = buttonOfKind(menu, kind);
        ASSERT_NE(button, nullptr) << "no button of kind " << kind;
        click(centreOf(menu, *button));
    }
    // Clicks a button of the open question. A press that comes within a
    // double click's time of the question opening belongs to the click that
    // opened it, so this waits that long first.
    void answer(int kind) {
        sf::sleep(sf::seconds(MenuListboxEntry::DoubleClickSeconds + 0.05f));
        clickButton(game->getQuestionMenu(), kind);
    }
    unsigned speed() { return game->getGameTime().getSpeedLevel(); }

    // The dialog lies inside the window, every ink inside the dialog, and no
    // ink on another.
    static void expectInksReadable(const Menu& menu, const std::vector<Ink>& inks) {
        const sf::FloatRect dialog(menu.getPosition(), menu.getSize());
        EXPECT_TRUE(sf::FloatRect(0.f, 0.f, Game::WindowWidth, Game::WindowHeight)
                        .contains(dialog.left + dialog.width, dialog.top + dialog.height));
        for (std::size_t a = 0; a < inks.size(); ++a) {
            const sf::FloatRect& box = inks[a].box;
            EXPECT_TRUE(dialog.contains(box.left, box.top) &&
                        dialog.contains(box.left + box.width, box.top + box.height))
                << inks[a].what << " leaves the dialog";
            for (std::size_t b = a + 1; b < inks.size(); ++b)
                EXPECT_FALSE(box.intersects(inks[b].box))
                    << inks[a].what << " overlaps " << inks[b].what;
        }
    }

    std::filesystem::path buildFolder;
    std::filesystem::path scratch;
    std::string dataHome;
};
