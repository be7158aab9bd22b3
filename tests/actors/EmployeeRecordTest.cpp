#include "EmployeeTestSupport.hpp"

#include "actors/GameObject.hpp"
#include "world/Zone.hpp"

#include "tests/persist/StreamTestSupport.hpp"

#include <sstream>

namespace {

std::vector<std::string> Tokens(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> tokens;
    for (std::string token; in >> token;) {
        tokens.push_back(token);
    }
    return tokens;
}

std::string Joined(const std::vector<std::string>& tokens) {
    std::string text;
    for (const std::string& token : tokens) {
        text += token + " ";
    }
    return text;
}

class EmployeeRecordTest : public EmployeeTest {
protected:
    // Token positions of the record's fields, counted from the saved text.
    static constexpr std::size_t MaxIdToken = 2;
    static constexpr std::size_t QuadsToken = 3;
    std::size_t IdToken() const {
        return QuadsToken + 3 + 4 * employee->getQuads().getVertexCount();
    }
    std::size_t ColourToken() const { return IdToken() + 5; }
    std::size_t SkillsToken() const { return ColourToken() + 16 + 5; }
    std::size_t PrioritiesToken() const { return SkillsToken() + 3; }
    std::size_t TasksToken() const {
        return PrioritiesToken() + 3 + employee->getTaskPriorities().size() + 4;
    }

    std::string Saved(const Employee& someone) const {
        auto out = ClassicOutput();
        EXPECT_TRUE(someone.save(out));
        return out.str();
    }

    // Replaces the token at index in the saved record of the fixture's employee.
    std::string SavedWith(std::size_t index, const std::string& token) const {
        std::vector<std::string> tokens = Tokens(Saved(*employee));
        EXPECT_LT(index, tokens.size());
        tokens[index] = token;
        return Joined(tokens);
    }

    // The fixture's employee in a record without the skills.
    std::string SavedWithoutSkills(const std::string& version) const {
        std::vector<std::string> tokens = Tokens(Saved(*employee));
        const auto skills = tokens.begin() + static_cast<long>(SkillsToken());
        tokens.erase(skills, skills + 3);
        tokens[1] = version;
        return Joined(tokens);
    }

    // The last n tokens of the record replaced.
    std::string SavedWithTail(const std::vector<std::string>& tail) const {
        std::vector<std::string> tokens = Tokens(Saved(*employee));
        std::copy(tail.begin(), tail.end(), tokens.end() - static_cast<long>(tail.size()));
        return Joined(tokens);
    }

    bool Load(Employee& into, const std::string& text) const {
        auto in = ClassicInput(text);
        return into.load(in);
    }

    std::string LoadFails(const std::string& text) const {
        Employee into(level.get());
        CapturedOutput printed;
        EXPECT_FALSE(Load(into, text)) << text;
        return printed.text();
    }

    // Leaves the employee carrying a unit of glass from a storage cell beside it.
    void PickUpGlassFromTheNextCell() {
        ASSERT_TRUE(level->setZone(ZoneStorage, Column + 1, Row));
        ASSERT_TRUE(level->storeItem(std::make_unique<Item>(nullptr, ItemGlass)));
        unsigned one = 1;
        ASSERT_TRUE(level->getZoneAt(Column + 1, Row)->setItemInRetrieval(ItemGlass, one));
        employee->receiveTasks(
            {MakeTask(TaskPickUp, Column + 1, Row, ZoneMarker, Column + 1, Row, ItemGlass),
             MakeTask(TaskWalk, Column, Row + 1)});
        employee->handleCurrentTask(0.001f);
        ASSERT_TRUE(employee->isCarrying());
    }
};

} // namespace

TEST_F(EmployeeRecordTest, ASavedEmployeeLoadsBackToTheSameRecord) {
    GameObject* desk = nullptr;
    ASSERT_TRUE(level->placeObject(ObjectDesk, Column + 1, Row, 90.f));
    desk = level->getObjectAtMapPosition(Column + 1, Row);
    employee->receiveTasks({MakeTask(TaskWork, Column, Row, ObjectDesk, Column + 1, Row),
                            MakeTask(TaskWalk, Column, Row + 1)});
    employee->handleCurrentTask(0.5f);
    ASSERT_EQ(employee->getCurrentObjectUsed(), desk);
    employee->setFacing(225.f);
    employee->setTaskPriorities({TaskWork, TaskWalk});

    const std::string text = Saved(*employee);
    Employee loaded(level.get());
    ASSERT_TRUE(Load(loaded, text));
    EXPECT_EQ(Saved(loaded), text);
    EXPECT_EQ(loaded.getId(), employee->getId());
    EXPECT_EQ(Employee::GetById(loaded.getId()), &loaded);
    EXPECT_EQ(loaded.getFullName(), employee->getFullName());
    EXPECT_EQ(loaded.getColours(), employee->getColours());
    EXPECT_EQ(loaded.getCurrentObjectUsed(), desk);
    EXPECT_EQ(loaded.getSpriteDirection(), 4);
    EXPECT_EQ(loaded.getPosition(), CellPixel(Column, Row));
    EXPECT_EQ(loaded.getTasks().size(), 2u);
    EXPECT_EQ(loaded.getLevel(), level.get());
}

TEST_F(EmployeeRecordTest, ACarriedItemTravelsWithTheRecord) {
    ASSERT_NO_FATAL_FAILURE(PickUpGlassFromTheNextCell());

    const std::string text = Saved(*employee);
    Employee loaded(level.get());
    ASSERT_TRUE(Load(loaded, text));
    EXPECT_TRUE(loaded.isCarrying());
    EXPECT_EQ(loaded.getCarriedAmount(), 1u);
    ASSERT_NE(loaded.getCarriedItem(), nullptr);
    EXPECT_EQ(loaded.getCarriedItem()->getType(), ItemGlass);
}

TEST_F(EmployeeRecordTest, EveryColourComponentSurvives) {
    // Components that would be blanks or zeros as raw characters.
    std::string text = SavedWith(ColourToken(), "32");
    std::vector<std::string> tokens = Tokens(text);
    tokens[ColourToken() + 1] = "0";
    tokens[ColourToken() + 2] = "255";
    tokens[ColourToken() + 3] = "9";
    Employee loaded(level.get());
    ASSERT_TRUE(Load(loaded, Joined(tokens)));
    EXPECT_EQ(loaded.getColours()[0], sf::Color(32, 0, 255, 9));
}

TEST_F(EmployeeRecordTest, NamesWithBlanksAreSavedAsOneWord) {
    GameParams::Texts::SetLastNames({});
    GameParams::Texts::SetMaleFirstNames({});
    GameParams::Texts::SetFemaleFirstNames({});
    Employee nameless(level.get());
    ASSERT_EQ(nameless.getFirstName(), "NO NAME AVAILABLE");
    Employee loaded(level.get());
    ASSERT_TRUE(Load(loaded, Saved(nameless)));
    EXPECT_EQ(loaded.getFirstName(), "NO_NAME_AVAILABLE");
}

// Read as the oldest, without skills: the employee keeps those drawn for it.
TEST_F(EmployeeRecordTest, ADifferentVersionIsReportedAndRead) {
    Employee loaded(level.get());
    const std::map<SkillType, float> drawn = loaded.getSkills();
    CapturedOutput printed;
    EXPECT_TRUE(Load(loaded, SavedWithoutSkills("0.3")));
    EXPECT_NE(printed.text().find("Employee::load() - Version nicht unterstuetzt!"),
              std::string::npos);
    EXPECT_EQ(loaded.getSkills(), drawn);
}

TEST_F(EmployeeRecordTest, EachDamagedFieldFailsWithItsMessage) {
    const struct {
        std::string text;
        const char* message;
    } cases[] = {
        {SavedWith(0, "EMPLOYE"), "Header ungueltig!"},
        {SavedWith(MaxIdToken, "-1"), "maxId ungueltig!"},
        {SavedWith(QuadsToken, "Vex"), "Laden von employeeQuads fehlgeschlagen!"},
        {SavedWith(IdToken(), "-1"), "id ungueltig!"},
        {SavedWith(IdToken(), "100000"), "id ungueltig!"},
        {SavedWith(IdToken() + 1, "7"), "kind ungueltig!"},
        {SavedWith(ColourToken(), "256"), "Farbe ungueltig!"},
        {SavedWith(SkillsToken(), "-1"), "skills ungueltig!"},
        {SavedWith(SkillsToken() + 1, "100.5"), "skills ungueltig!"},
        {SavedWith(PrioritiesToken(), "Vex"), "Laden von taskPriorities fehlgeschlagen!"},
        {SavedWith(TasksToken(), "Vex"), "Laden von tasks fehlgeschlagen!"},
        {SavedWith(TasksToken() + 3, "Vex"), "Laden von needs fehlgeschlagen!"},
        {SavedWithTail({"1", "0", "-1", "-1", "-1", "-1"}),
         "Laden von carriedItem fehlgeschlagen!"},
        {SavedWithTail({"5", "-1", "-1", "-2", "0"}), "mapPosLastObjectUsed ungueltig!"},
        {SavedWithTail({"0", "999", "-1", "-1", "-1"}),
         "lastObjectUsed konnte nicht wiederhergestellt werden!"},
        {SavedWithTail({"0", "-1", "999", "-1", "-1"}),
         "currentObjectUsed konnte nicht wiederhergestellt werden!"},
    };
    for (const auto& failure : cases) {
        EXPECT_NE(
            LoadFails(failure.text).find(std::string("Employee::load() - ") + failure.message),
            std::string::npos)
            << failure.message;
    }
}

TEST_F(EmployeeRecordTest, CarryingNothingIsRefused) {
    ASSERT_NO_FATAL_FAILURE(PickUpGlassFromTheNextCell());
    const std::string text = SavedWithTail({"0", "-1", "-1", "-1", "-1"});
    EXPECT_NE(LoadFails(text).find("Employee::load() - carriedAmount ungueltig!"),
              std::string::npos);
}
