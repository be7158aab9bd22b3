// The save list as the player uses it: saves newest first with their facts
// and picture, deleting after a question, the name field's refusals, a new
// game, the quick save and an autosave that fails without stopping the game.

#include "DialogTestSupport.hpp"

#include "economy/MoneyText.hpp"
#include "persist/SaveGames.hpp"
#include "ui/MenuButtonKind.hpp"
#include "ui/MenuListboxCellsEntry.hpp"
#include "ui/MenuPicture.hpp"
#include "ui/MenuTextbox.hpp"

#include <fstream>

namespace {

namespace fs = std::filesystem;

std::vector<MenuListboxCellsEntry*> Lines(const Menu& menu) {
    return DialogLayout::FindAll<MenuListboxCellsEntry>(menu);
}

std::string Note(const Menu& menu) {
    const auto* line = DialogLayout::FindLine(menu, DialogLayout::DialogLine::Note);
    return line == nullptr ? "" : line->getText();
}

} // namespace

class SaveListTest : public DialogTest {
protected:
    MenuTextbox* nameBox() { return DialogLayout::FindFirst<MenuTextbox>(game->getSaveMenu()); }
    void openFromMainMenu(int kind) {
        if (game->getTopMenu() != &game->getMainMenu()) {
            ASSERT_TRUE(game->openMainMenu());
        }
        clickButton(game->getMainMenu(), kind);
    }
    void saveAs(const std::string& name) {
        openFromMainMenu(ButtonOpenSaveMenu);
        nameBox()->setText("");
        click(centreOf(game->getSaveMenu(), *nameBox()));
        type(name);
        clickButton(game->getSaveMenu(), ButtonSaveGame);
        ASSERT_EQ(game->getTopMenu(), &game->getMainMenu()) << Note(game->getSaveMenu());
        // The picture is taken from the world in the frame after the save's.
        game->draw();
        game->draw();
    }
};

TEST_F(SaveListTest, SavesAreListedNewestFirstWithTheirFactsAndPicture) {
    // Another program's file, written while the game runs, is listed too.
    std::ofstream(scratch / "save" / "alt") << "LEVEL 0.1";
    fs::last_write_time(scratch / "save" / "alt",
                        fs::file_time_type::clock::now() - std::chrono::hours(48));
    ASSERT_TRUE(level().addEmployee());
    ASSERT_TRUE(level().addEmployee());
    saveAs("Werk eins");
    EXPECT_TRUE(fs::is_regular_file(scratch / "save" / "Werk eins.png"));

    openFromMainMenu(ButtonOpenLoadMenu);
    const auto lines = Lines(game->getLoadMenu());
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0]->getText(), "Werk eins");
    EXPECT_EQ(lines[0]->getCellText(1), "01. Frühling, Jahr 1");
    EXPECT_EQ(lines[0]->getCellText(2), MoneyText(level().getBankAccount().getBalance()));
    EXPECT_EQ(lines[0]->getCellText(3), "2");
    EXPECT_NE(lines[0]->getCellText(4), "–");
    EXPECT_EQ(lines[1]->getText(), "alt");
    EXPECT_EQ(lines[1]->getCellText(3), "–") << "an old file has no facts";
    EXPECT_NE(lines[1]->getCellText(4), "–") << "but a file time";

    // The newest is chosen at once, and its picture shown.
    auto* picture = DialogLayout::FindFirst<MenuPicture>(game->getLoadMenu());
    ASSERT_NE(picture, nullptr);
    EXPECT_TRUE(lines[0]->isSelected());
    EXPECT_TRUE(picture->hasPicture());
    EXPECT_EQ(picture->getPictureSize(), sf::Vector2u(320, 180));
    click(centreOf(game->getLoadMenu(), *lines[1]));
    EXPECT_FALSE(picture->hasPicture());
    game->draw();
}

TEST_F(SaveListTest, DeletingAsksAndRemovesOnlyThatSaveAndItsPicture) {
    saveAs("erster");
    saveAs("zweiter");
    openFromMainMenu(ButtonOpenLoadMenu);
    clickButton(game->getLoadMenu(), ButtonDeleteSave);
    ASSERT_EQ(game->getTopMenu(), &game->getQuestionMenu()) << "the newest is chosen";
    answer(ButtonCancelQuestion);
    EXPECT_TRUE(fs::exists(scratch / "save" / "zweiter"));
    clickButton(game->getLoadMenu(), ButtonDeleteSave);
    answer(ButtonConfirmDelete);
    EXPECT_EQ(game->getTopMenu(), &game->getLoadMenu());
    EXPECT_FALSE(fs::exists(scratch / "save" / "zweiter"));
    EXPECT_FALSE(fs::exists(scratch / "save" / "zweiter.png"));
    EXPECT_TRUE(fs::exists(scratch / "save" / "erster"));
    EXPECT_TRUE(fs::exists(scratch / "save" / "erster.png"));
    const auto lines = Lines(game->getLoadMenu());
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0]->getText(), "erster");
    EXPECT_NE(Note(game->getLoadMenu()).find("gelöscht"), std::string::npos);
}

TEST_F(SaveListTest, TheNameFieldSaysWhyItRefusesAndKeepsTheFocus) {
    openFromMainMenu(ButtonOpenSaveMenu);
    clickButton(game->getSaveMenu(), ButtonSaveGame);
    EXPECT_EQ(Note(game->getSaveMenu()), "Bitte einen Namen eingeben.");
    EXPECT_TRUE(nameBox()->isFocused());

    type("Werk/1");
    EXPECT_EQ(nameBox()->getText(), "Werk1");
    EXPECT_EQ(Note(game->getSaveMenu()), "Erlaubt sind nur Buchstaben, Ziffern und Leerzeichen.");
    nameBox()->setText("");
    type(std::string(40, 'W'));
    EXPECT_EQ(nameBox()->getText(), std::string(GameParams::MaxTypedSaveNameCharacters, 'W'));
    EXPECT_NE(Note(game->getSaveMenu()).find("zu lang"), std::string::npos);
    EXPECT_TRUE(nameBox()->isFocused());

    // A name the file rules refuse, copied in without the keyboard.
    nameBox()->setText("halb.tmp");
    testing::internal::CaptureStdout();
    clickButton(game->getSaveMenu(), ButtonSaveGame);
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(Note(game->getSaveMenu()), "Der Name darf nicht auf .tmp enden.");
    EXPECT_TRUE(nameBox()->isFocused());
    game->draw();
}

TEST_F(SaveListTest, ANewGameAsksFirstWhenProgressWouldBeLost) {
    ASSERT_TRUE(level().addEmployee());
    game->getGameTime().advance(sf::seconds(300));
    ASSERT_TRUE(game->openMainMenu());
    clickButton(game->getMainMenu(), ButtonNewGame);
    ASSERT_EQ(game->getTopMenu(), &game->getQuestionMenu());
    answer(ButtonConfirmNewGame);
    EXPECT_FALSE(game->isDialogOpen()) << "straight into the new game";
    EXPECT_TRUE(level().getEmployees().empty());
    EXPECT_EQ(game->getGameTime().getDaysSinceStart(), 0u);
    EXPECT_FALSE(game->hasUnsavedProgress());
    // Nothing to lose now: no question.
    ASSERT_TRUE(game->openMainMenu());
    clickButton(game->getMainMenu(), ButtonNewGame);
    EXPECT_FALSE(game->isDialogOpen());
    ASSERT_TRUE(game->update());
    game->draw();
}

TEST_F(SaveListTest, F5SavesQuicklyAndF9LoadsItBack) {
    key(sf::Keyboard::F9);
    EXPECT_TRUE(game->getNotice().isProblem()) << "nothing to load yet";
    ASSERT_TRUE(level().addEmployee());
    key(sf::Keyboard::F5);
    EXPECT_TRUE(fs::is_regular_file(scratch / "save" / Game::QuickSaveName));
    EXPECT_FALSE(game->getNotice().isProblem());
    ASSERT_TRUE(level().addEmployee());
    key(sf::Keyboard::F9);
    ASSERT_EQ(game->getTopMenu(), &game->getQuestionMenu());
    answer(ButtonConfirmLoad);
    EXPECT_EQ(level().getEmployees().size(), 1u);
    EXPECT_EQ(game->getNotice().getText(), "Schnellspeicherstand geladen.");
}

TEST_F(SaveListTest, AFailedAutosaveIsShownAndTheGameGoesOn) {
    fs::remove_all(scratch / "save");
    std::ofstream(scratch / "save") << "kein Ordner";
    testing::internal::CaptureStdout();
    game->getGameTime().advance(sf::seconds(240));
    ASSERT_TRUE(game->getGameTime().dayPassed());
    game->autosaveAtDayStart();
    testing::internal::GetCapturedStdout();
    EXPECT_TRUE(game->getNotice().isShown());
    EXPECT_TRUE(game->getNotice().isProblem());
    EXPECT_NE(game->getNotice().getText().find("Autosave 1"), std::string::npos);
    EXPECT_FALSE(game->isDialogOpen());
    EXPECT_FALSE(game->isPausedByMenu());
    EXPECT_EQ(speed(), 1u);
    ASSERT_TRUE(game->update());
    game->draw();
}
