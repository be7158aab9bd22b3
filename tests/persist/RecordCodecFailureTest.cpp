#include "persist/RecordCodecs.hpp"
#include "persist/ReferenceCodecs.hpp"

#include "tests/persist/CodecFailureCases.hpp"
#include "tests/persist/FakeRecords.hpp"

#include <gtest/gtest.h>

namespace Load = GameParams::Load;

namespace {

FakeLevel level;
const std::string NotEmptyVector = "Uebergebener Vector nicht leer!";

std::string Line(const std::string& codec, const std::string& message) {
    return "GameParams::Load::" + codec + "() - " + message + "\n";
}

const std::string BadFake = "FakeRecord::load() - Header ungueltig!\n";

// A container of owned records: the filled target holds one object that must
// still be there, untouched, after the refusal.
template <class T, class Read>
CodecFailureCase OwnedCase(const std::string& name, Read read, const std::string& suffix,
                           const std::string& badElement, const std::string& badLine) {
    CodecFailureCase c;
    c.name = name;
    c.readFresh = [read](std::istream& in) {
        std::vector<std::unique_ptr<T>> target;
        return read(in, target);
    };
    c.readFilled = [read](std::istream& in) {
        std::vector<std::unique_ptr<T>> target;
        target.push_back(std::make_unique<T>());
        T* kept = target.front().get();
        const bool ok = read(in, target);
        EXPECT_EQ(target.size(), 1u);
        EXPECT_EQ(target.front().get(), kept);
        return ok;
    };
    c.notEmptyLine = Line(name, NotEmptyVector);
    c.truncatedOutput = Line(name, suffix);
    c.badElement = badElement;
    c.badElementOutput = badLine + Line(name, suffix);
    return c;
}

// A list of references: a missing id is a silent stream failure, an unknown
// one names the registry. The test is named apart from the record mode.
template <class Read>
CodecFailureCase ReferenceCase(const std::string& codec, Read read, const std::string& unknownId) {
    auto c = MakeCase(codec + "References", read, std::vector<FakeRecord*>{nullptr}, "");
    c.codecName = codec;
    c.notEmptyLine = Line(codec, NotEmptyVector);
    c.badElement = "99";
    c.badElementOutput = Line(codec, unknownId);
    return c;
}

template <class Container, class Read>
CodecFailureCase ValueRecordCase(const std::string& name, Read read, const std::string& notEmpty,
                                 const std::string& suffix) {
    Container filled;
    filled.emplace_back(1, 2);
    auto c = MakeCase(name, read, filled, notEmpty);
    c.truncatedOutput = Line(name, suffix);
    c.badElement = "BAD";
    c.badElementOutput = BadFake + c.truncatedOutput;
    return c;
}

std::vector<CodecFailureCase> RecordCases() {
    using Owned = std::vector<std::unique_ptr<FakeRecord>>;
    using Objects = std::vector<std::unique_ptr<FakeObject>>;
    using References = std::vector<FakeRecord*>;
    std::vector<CodecFailureCase> cases{
        OwnedCase<FakeRecord>(
            "VectorOfMetaZonePtr",
            [](std::istream& in, Owned& t) { return Load::VectorOfMetaZonePtr(in, t, &level); },
            "Laden von MetaZone fehlgeschlagen!", "BAD", BadFake),
        OwnedCase<FakeObject>(
            "VectorOfGameObjectPtr",
            [](std::istream& in, Objects& t) {
                return Load::VectorOfGameObjectPtr<FakeDoor>(in, t, std::string("atlas"), &level);
            },
            "Laden von GameObject fehlgeschlagen!", "OBJ 0.2 5 0",
            "FakeObject::load() - objType ungueltig!\n"),
        OwnedCase<FakeRecord>(
            "VectorOfEmployeePtr",
            [](std::istream& in, Owned& t) { return Load::VectorOfEmployeePtr(in, t, &level); },
            "Laden von Employee fehlgeschlagen!", "BAD", BadFake),
        OwnedCase<FakeRecord>(
            "VectorOfItemPtr",
            [](std::istream& in, Owned& t) {
                return Load::VectorOfItemPtr(in, t, std::string("atlas"));
            },
            "Laden von Item fehlgeschlagen!", "BAD", BadFake),
        ReferenceCase(
            "VectorOfMetaZonePtr",
            [](std::istream& in, References& t) { return Load::VectorOfMetaZonePtr(in, t); },
            "MetaZone::GetById() fehlgeschlagen!"),
        ReferenceCase(
            "VectorOfGameObjectPtr",
            [](std::istream& in, References& t) { return Load::VectorOfGameObjectPtr(in, t); },
            "GameObject::GetById() fehlgeschlagen!"),
        ValueRecordCase<std::deque<FakeRecord>>(
            "DequeOfPathFindingItem", Load::DequeOfPathFindingItem<FakeRecord>, NotEmptyVector,
            "Laden von PathFindingItem fehlgeschlagen!"),
        ValueRecordCase<std::vector<FakeRecord>>("VectorOfTask", Load::VectorOfTask<FakeRecord>,
                                                 NotEmptyVector, "Laden von Task fehlgeschlagen!"),
        ValueRecordCase<std::list<FakeRecord>>("ListOfTask", Load::ListOfTask<FakeRecord>,
                                               "Uebergebene Liste nicht leer!",
                                               "Laden von Task fehlgeschlagen!"),
    };

    auto needs = MakeCase("MapOfNeedTypeAndNeed", Load::MapOfNeedTypeAndNeed<FakeRecord>,
                          std::map<NeedType, FakeRecord>{{NeedFood, FakeRecord(1, 2)}},
                          "Uebergebene Map nicht leer!");
    needs.badElement = "3 BAD";
    needs.badElementOutput = BadFake + Line(needs.name, "Laden von Need fehlgeschlagen!");
    cases.push_back(needs);

    using ItemMap = std::map<ItemType, std::vector<std::unique_ptr<FakeRecord>>>;
    CodecFailureCase items;
    items.name = "MapOfItemTypeAndVectorOfItemPtr";
    items.readFresh = [](std::istream& in) {
        ItemMap target;
        return Load::MapOfItemTypeAndVectorOfItemPtr(in, target, std::string("atlas"));
    };
    items.readFilled = [](std::istream& in) {
        ItemMap target;
        target[ItemSteel];
        const bool ok = Load::MapOfItemTypeAndVectorOfItemPtr(in, target, std::string("atlas"));
        EXPECT_EQ(target.size(), 1u);
        return ok;
    };
    items.notEmptyLine = Line(items.name, "Uebergebene Map nicht leer!");
    items.badElement = "1000 Ver 0.1 1 BAD";
    items.badElementOutput = BadFake + Line("VectorOfItemPtr", "Laden von Item fehlgeschlagen!") +
                             Line(items.name, "Laden von Vector aus Item-Pointern fehlgeschlagen!");
    cases.push_back(items);

    // The zones live in the level's array: there is no emptiness to check, and
    // a count beyond the array is refused before anything is read.
    CodecFailureCase zones;
    zones.name = "ArrayOfZonePtr";
    zones.readFresh = [](std::istream& in) {
        FakeRecord array[4];
        return Load::ArrayOfZonePtr(in, array, 4, std::string("atlas"), &level,
                                    std::string("font"));
    };
    zones.readFilled = zones.readFresh;
    zones.truncatedOutput = Line(zones.name, "Laden von Zone fehlgeschlagen!");
    zones.hostileCountOutput = Line(zones.name, "Anzahl der Zonen groesser als das Zonen-Array!");
    zones.badElement = "BAD";
    zones.badElementOutput = BadFake + zones.truncatedOutput;
    cases.push_back(zones);
    return cases;
}

} // namespace

INSTANTIATE_TEST_SUITE_P(RecordCodecs, CodecFailures, ::testing::ValuesIn(RecordCases()),
                         [](const auto& info) { return info.param.name; });
