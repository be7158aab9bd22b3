// The load and save dialogs: the saves newest first with what their headers
// tell, the chosen save's picture, deleting, and the name field's rules.
// Both read the save folder afresh each time they are built.

#include "app/Game.hpp"

#include "app/DialogLayout.hpp"
#include "economy/GameTime.hpp"
#include "economy/MoneyText.hpp"
#include "persist/SaveGames.hpp"
#include "ui/MenuButtonKind.hpp"
#include "ui/MenuColumnHeader.hpp"
#include "ui/MenuListbox.hpp"
#include "ui/MenuListboxCellsEntry.hpp"
#include "ui/MenuPicture.hpp"
#include "ui/MenuTextbox.hpp"

#include <ctime>
#include <iomanip>
#include <memory>
#include <sstream>

namespace {

using DialogLayout::DialogLine;

// Wide enough for a name, the game date, the balance, the staff and the
// time of saving side by side.
constexpr float SaveDialogWidth = 900.f;
// Room between the lines; whole lines only, so no line is cut in half
// before the player scrolls.
constexpr float EntryHeight = 32.f;
constexpr int ListLines = 7;
constexpr float PictureHeight = 150.f;
constexpr float NameBoxHeight = 30.f;
const char* const Unknown = "–";
const char* const NoPicture = "Kein Bild zu diesem Spielstand";
const char* const NothingChosen = "Kein Spielstand gewählt";

// The list's width less its scrollbar, shared by the titles and the lines.
const MenuTextColumns& SaveColumns() {
    static const MenuTextColumns columns = {
        {8.f, 290.f, false},  {300.f, 460.f, false}, {470.f, 600.f, true},
        {610.f, 700.f, true}, {720.f, 865.f, false},
    };
    return columns;
}

// Day and time of saving in the player's locale, as their desktop shows it.
// Without one (the "C" locale, which would write an American 12/08/26) the
// game writes the date as its German texts do.
std::string SavedAtText(long long secondsSince1970) {
    const std::time_t when = static_cast<std::time_t>(secondsSince1970);
    std::tm local{};
    if (secondsSince1970 <= 0 || localtime_r(&when, &local) == nullptr)
        return Unknown;
    const std::string localeName = std::locale().name();
    const bool noLocale =
        localeName == "C" || localeName == "POSIX" || localeName.rfind("C.", 0) == 0;
    std::ostringstream text;
    text << std::put_time(&local, noLocale ? "%d.%m.%Y %H:%M" : "%x %H:%M");
    return text.str();
}

std::vector<std::string> Cells(const GameParams::SaveGameListing& save) {
    const GameParams::SaveSummary& facts = save.summary;
    return {save.name, facts.gameMinutes ? GameTime::dateText(*facts.gameMinutes) : Unknown,
            facts.balance ? MoneyText(*facts.balance) : Unknown,
            facts.employees ? std::to_string(*facts.employees) : Unknown,
            SavedAtText(save.savedAt)};
}

std::string Quoted(const std::string& name) {
    return "„" + name + "“";
}

} // namespace

void Game::buildSaveList(Menu& menu, bool chooseNewest) {
    auto header = std::make_unique<MenuColumnHeader>(font, DialogLayout::ColumnHeaderHeight);
    header->setColumns(SaveColumns(),
                       {"Name", "Spieldatum", "Kontostand", "Angestellte", "Gespeichert am"});
    menu.add(std::move(header));
    auto list = std::make_unique<MenuListbox>(font);
    list->setEntryHeight(EntryHeight);
    list->setSize(SaveDialogWidth, list->heightForLines(ListLines));
    MenuListbox* shown = menu.add(std::move(list));
    MenuListboxEntry* newest = nullptr;
    for (const GameParams::SaveGameListing& save : GameParams::ListSaveGamesNewestFirst()) {
        MenuListboxCellsEntry* entry = shown->addCellsEntry(save.name);
        entry->setCells(SaveColumns(), Cells(save));
        if (newest == nullptr)
            newest = entry;
    }
    auto picture = std::make_unique<MenuPicture>(font, SaveDialogWidth, PictureHeight);
    picture->showPlaceholder(NothingChosen);
    menu.add(std::move(picture));
    DialogLayout::AddLine(menu, DialogLine::Note, SaveDialogWidth);
    shown->setSelectionListener(
        [this, &menu](MenuListboxEntry* entry) { showChosenSave(menu, entry->getText()); });
    if (chooseNewest && newest != nullptr)
        shown->select(newest);
}

void Game::showChosenSave(Menu& menu, const std::string& name) {
    if (auto* picture = DialogLayout::FindFirst<MenuPicture>(menu))
        picture->showFile(GameParams::SavePicturePath(name), NoPicture);
    DialogLayout::ShowLine(menu, DialogLine::Note, "");
}

void Game::buildSaveMenu() {
    DialogLayout::Start(saveMenu, this, font, "Save Game", SaveDialogWidth);
    buildSaveList(saveMenu, false);
    saveMenu
        .addLabel(MenuLabel::AlignLeft,
                  "Name (Buchstaben, Ziffern und Leerzeichen, höchstens " +
                      std::to_string(GameParams::MaxTypedSaveNameCharacters) + " Zeichen):",
                  SaveDialogWidth, 22.f)
        ->setLargestCharacterSize(16);
    auto box = std::make_unique<MenuTextbox>(this, font);
    box->setSize(SaveDialogWidth, NameBoxHeight);
    box->setCharacterFilter(GameParams::IsTypedSaveNameCharacter);
    box->setMaxCharacters(GameParams::MaxTypedSaveNameCharacters);
    box->setRefusalListener([this](MenuTextbox::Refusal refusal) {
        refuseSaveName(refusal == MenuTextbox::Refusal::Full
                           ? "Der Name ist zu lang: höchstens " +
                                 std::to_string(GameParams::MaxTypedSaveNameCharacters) +
                                 " Zeichen."
                           : "Erlaubt sind nur Buchstaben, Ziffern und Leerzeichen.");
    });
    MenuTextbox* nameBox = saveMenu.addTextbox(std::move(box));
    const std::vector<MenuButton*> buttons = DialogLayout::AddButtons(
        saveMenu, {ButtonSaveGame, ButtonDeleteSave, ButtonCancelSave}, SaveDialogWidth);
    // A clicked name is copied for saving over it; a double click saves at once.
    auto* list = DialogLayout::FindFirst<MenuListbox>(saveMenu);
    list->setLinkedText(nameBox);
    list->setLinkedButton(buttons.front());
    DialogLayout::Finish(saveMenu);
}

void Game::buildLoadMenu() {
    DialogLayout::Start(loadMenu, this, font, "Load Game", SaveDialogWidth);
    buildSaveList(loadMenu, true);
    const std::vector<MenuButton*> buttons = DialogLayout::AddButtons(
        loadMenu, {ButtonLoadGame, ButtonDeleteSave, ButtonCancelLoad}, SaveDialogWidth);
    DialogLayout::FindFirst<MenuListbox>(loadMenu)->setLinkedButton(buttons.front());
    DialogLayout::Finish(loadMenu);
}

void Game::refuseSaveName(const std::string& reason) {
    DialogLayout::ShowLine(saveMenu, DialogLine::Note, reason, true);
    // The player goes on typing where they were.
    if (auto* box = DialogLayout::FindFirst<MenuTextbox>(saveMenu))
        box->onFocusGained();
}

bool Game::deleteSelectedSave() {
    Menu* menu = getTopMenu();
    if (menu != &loadMenu && menu != &saveMenu)
        return false;
    const auto* list = DialogLayout::FindFirst<MenuListbox>(*menu);
    const MenuListboxEntry* entry = list == nullptr ? nullptr : list->getSelectedEntry();
    if (entry == nullptr) {
        DialogLayout::ShowLine(*menu, DialogLine::Note,
                               "Bitte zuerst einen Spielstand in der Liste wählen.", true);
        return false;
    }
    const std::string name = entry->getText();
    ask("Spielstand löschen?",
        {Quoted(name) + " wird gelöscht.", "Das lässt sich nicht rückgängig machen."},
        ButtonConfirmDelete, [this, menu, name] {
            const bool deleted = GameParams::DeleteSaveGame(name);
            if (deleted) {
                // The list without it; the other dialog reads the folder when it opens.
                if (menu == &loadMenu)
                    buildLoadMenu();
                else
                    buildSaveMenu();
            }
            DialogLayout::ShowLine(*menu, DialogLine::Note,
                                   deleted ? Quoted(name) + " wurde gelöscht."
                                           : Quoted(name) + " konnte nicht gelöscht werden.",
                                   !deleted);
        });
    return false;
}
