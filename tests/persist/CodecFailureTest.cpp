#include "tests/persist/CodecFailureCases.hpp"

#include <gtest/gtest.h>

// The framing checks of every codec, written once for all of them.
TEST_P(CodecFailures, WrongWordIsAnInvalidHeader) {
    const auto& c = GetParam();
    const auto result = ReadWith(c.readFresh, "Ver0.1 0");
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.printed, c.prefix() + "Header ungueltig!\n");
}

TEST_P(CodecFailures, OtherVersionIsInvalid) {
    const auto& c = GetParam();
    const auto result = ReadWith(c.readFresh, "Ver 0.2 0");
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.printed, c.prefix() + "Version ungueltig!\n");
}

TEST_P(CodecFailures, FailedStreamFailsSilently) {
    const auto result = ReadWith(GetParam().readFresh, "Ver 0.1 0", true);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.printed, "");
}

TEST_P(CodecFailures, FilledTargetIsRefusedAndKept) {
    const auto& c = GetParam();
    if (c.notEmptyLine.empty()) {
        GTEST_SKIP() << c.name << " does not require an empty target";
    }
    const auto result = ReadWith(c.readFilled, "Ver 0.1 0");
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.printed, c.notEmptyLine);
}

TEST_P(CodecFailures, MissingElementsFail) {
    const auto& c = GetParam();
    const auto result = ReadWith(c.readFresh, "Ver 0.1 2");
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.printed, c.truncatedOutput);
}

// A count of four billion with nothing behind it must fail at the first
// missing element instead of making room for the count.
TEST_P(CodecFailures, HostileCountFailsAtTheFirstMissingElement) {
    const auto& c = GetParam();
    const auto result = ReadWith(c.readFresh, "Ver 0.1 4000000000");
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.printed, c.hostileCountOutput.value_or(c.truncatedOutput));
}

TEST_P(CodecFailures, UnreadableElementFails) {
    const auto& c = GetParam();
    const auto result = ReadWith(c.readFresh, "Ver 0.1 1 " + c.badElement);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.printed, c.badElementOutput);
}
