// Saving and loading by name from the dialogs: names that would leave the
// save folder are refused, saves appear in both lists, a failed load keeps
// the running game.

#include "DialogTestSupport.hpp"

#include "ui/MenuButtonKind.hpp"
#include "ui/MenuListbox.hpp"
#include "ui/MenuListboxEntry.hpp"
#include "ui/MenuTextbox.hpp"

#include <algorithm>
#include <fstream>
#include <regex>
#include <set>
#include <vector>

namespace {

namespace fs = std::filesystem;

std::set<std::string> FilesBelow(const fs::path& folder) {
    std::set<std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        if (!entry.is_symlink())
            files.insert(fs::relative(entry.path(), folder).string());
    return files;
}

std::vector<std::string> ListedNames(const Menu& menu) {
    std::vector<std::string> names;
    for (const MenuListboxEntry* entry : DialogLayout::FindAll<MenuListboxEntry>(menu))
        names.push_back(entry->getText());
    return names;
}

// Whether any line of the list shows a day and time of saving in German.
bool ShowsGermanSavingTime(const Menu& menu) {
    const std::regex german(R"(\d\d\.\d\d\.\d{4} \d\d:\d\d)");
    for (const MenuListboxEntry* entry : DialogLayout::FindAll<MenuListboxEntry>(menu))
        for (const sf::Text* text : entry->getWrittenTexts())
            if (std::regex_match(text->getString().toAnsiString(), german))
                return true;
    return false;
}

bool Lists(const Menu& menu, const std::string& name) {
    const auto names = ListedNames(menu);
    return std::find(names.begin(), names.end(), name) != names.end();
}

} // namespace

class SaveDialogTest : public DialogTest {
protected:
    void openSaveDialog() {
        ASSERT_TRUE(game->openMainMenu());
        clickButton(game->getMainMenu(), ButtonOpenSaveMenu);
        ASSERT_EQ(game->getTopMenu(), &game->getSaveMenu());
    }
    void enterName(const std::string& name) {
        MenuTextbox* box = DialogLayout::FindFirst<MenuTextbox>(game->getSaveMenu());
        ASSERT_NE(box, nullptr);
        box->setText("");
        click(centreOf(game->getSaveMenu(), *box));
        type(name);
        ASSERT_EQ(box->getText(), name);
    }
    // A name that comes to the box without the keyboard, as one copied from
    // the list does.
    void putName(const std::string& name) {
        MenuTextbox* box = DialogLayout::FindFirst<MenuTextbox>(game->getSaveMenu());
        ASSERT_NE(box, nullptr);
        box->setText(name);
    }
    void chooseInLoadList(const std::string& name) {
        for (MenuListboxEntry* entry : DialogLayout::FindAll<MenuListboxEntry>(game->getLoadMenu()))
            if (entry->getText() == name) {
                click(centreOf(game->getLoadMenu(), *entry));
                ASSERT_TRUE(entry->isSelected());
                return;
            }
        FAIL() << name << " is not listed";
    }
};

TEST_F(SaveDialogTest, NamesThatWouldLeaveTheSaveFolderAreRefusedAndWriteNothing) {
    openSaveDialog();
    const std::set<std::string> before = FilesBelow(scratch);
    for (const std::string name :
         {"../entkommen", "a/b", "..", ".", ".versteckt", "x\\y", "werk.tmp"}) {
        SCOPED_TRACE(name);
        putName(name);
        testing::internal::CaptureStdout();
        clickButton(game->getSaveMenu(), ButtonSaveGame);
        const std::string output = testing::internal::GetCapturedStdout();
        EXPECT_NE(output.find("Game::saveGame() - Spielstandname ungueltig"), std::string::npos)
            << output;
        EXPECT_EQ(game->getTopMenu(), &game->getSaveMenu()) << "the dialog stays open";
        EXPECT_EQ(FilesBelow(scratch), before);
    }
    EXPECT_FALSE(fs::exists(scratch.parent_path() / "entkommen"));
    EXPECT_FALSE(game->loadGame("../entkommen"));
    EXPECT_FALSE(game->saveGame(std::string(300, 'x')));
}

TEST_F(SaveDialogTest, AnEmptyNameDoesNothing) {
    openSaveDialog();
    clickButton(game->getSaveMenu(), ButtonSaveGame);
    EXPECT_EQ(game->getTopMenu(), &game->getSaveMenu());
    EXPECT_FALSE(game->areSaveListsDirty());
}

TEST_F(SaveDialogTest, ASavedGameIsListedInBothDialogsAndLoadsBackUnderTheMainMenu) {
    ASSERT_TRUE(level().addEmployee());
    openSaveDialog();
    enterName("werk eins");
    clickButton(game->getSaveMenu(), ButtonSaveGame);
    EXPECT_EQ(game->getTopMenu(), &game->getMainMenu());
    EXPECT_TRUE(game->isPausedByMenu());
    EXPECT_TRUE(fs::is_regular_file(scratch / "save" / "werk eins"));
    EXPECT_FALSE(Lists(game->getLoadMenu(), "werk eins")) << "rebuilt at the next frame";
    // Without a locale of the player's the time of saving is still written
    // the German way, not as an American 12/08/26.
    const std::locale playersLocale = std::locale::global(std::locale::classic());
    ASSERT_TRUE(game->update());
    std::locale::global(playersLocale);
    EXPECT_TRUE(Lists(game->getLoadMenu(), "werk eins"));
    EXPECT_TRUE(Lists(game->getSaveMenu(), "werk eins"));
    EXPECT_TRUE(ShowsGermanSavingTime(game->getLoadMenu()));

    ASSERT_TRUE(level().addEmployee());
    ASSERT_EQ(level().getEmployees().size(), 2u);
    clickButton(game->getMainMenu(), ButtonOpenLoadMenu);
    chooseInLoadList("werk eins");
    clickButton(game->getLoadMenu(), ButtonLoadGame);
    answer(ButtonConfirmLoad); // the second person was never saved
    EXPECT_EQ(level().getEmployees().size(), 1u);
    EXPECT_EQ(game->getTopMenu(), &game->getMainMenu());
    EXPECT_TRUE(game->isPausedByMenu());
}

TEST_F(SaveDialogTest, AFailedLoadKeepsTheRunningGameAndTheDialogOpen) {
    fs::create_directory(scratch / "save");
    std::ofstream(scratch / "save" / "kaputt") << "LEVEL 0.1 80 60 kaputt";
    fs::create_directory(scratch / "save" / "ordner");
    // Left by a save that was interrupted, and a hidden file: neither loads.
    std::ofstream(scratch / "save" / "halb.tmp") << "LEVEL";
    std::ofstream(scratch / "save" / ".versteckt") << "LEVEL";
    ASSERT_TRUE(level().addEmployee());
    ASSERT_TRUE(level().setTile(TileFloor, 10, 10));
    // Any save through the dialog makes both lists be read again.
    openSaveDialog();
    enterName("platzhalter");
    clickButton(game->getSaveMenu(), ButtonSaveGame);
    ASSERT_TRUE(game->update());
    clickButton(game->getMainMenu(), ButtonOpenLoadMenu);
    ASSERT_EQ(game->getTopMenu(), &game->getLoadMenu());
    EXPECT_TRUE(Lists(game->getLoadMenu(), "ordner")) << "folders are listed too";
    for (const Menu* menu : {&game->getLoadMenu(), &game->getSaveMenu()})
        for (const std::string hidden : {".", "..", "halb.tmp", ".versteckt"})
            EXPECT_FALSE(Lists(*menu, hidden)) << hidden;

    for (const std::string name : {"kaputt", "ordner"}) {
        SCOPED_TRACE(name);
        chooseInLoadList(name);
        testing::internal::CaptureStdout();
        clickButton(game->getLoadMenu(), ButtonLoadGame);
        testing::internal::GetCapturedStdout();
        EXPECT_EQ(game->getTopMenu(), &game->getLoadMenu());
        EXPECT_EQ(level().getEmployees().size(), 1u);
        EXPECT_EQ(level().getTileType(10, 10), TileFloor);
    }
}
