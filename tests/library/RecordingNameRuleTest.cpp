#include "library/RecordingNameRule.h"
#include "media/RecordingFile.h"

#include <gtest/gtest.h>

TEST(RecordingNameRule, FourNameCharactersFourDigitsAndAviIn83Form)
{
    const struct {
        const char* name;
        bool passes;
    } cases[] = {
        {"ABCD1234.MOV", true},
        {"FILE0001.AVI", true},
        {"AB_G0007.MOV", true},
        {"ab-d0007.mov", true},
        {"20120506101010.MOV", true},
        {"FILE00001.MOV", true},
        {"FILE0001.TXT", true},  // the parser decides about other extensions
        {"FILE00001.AVI", false},
        {"FILE0001_A.AVI", false},
        {"FILE001.MOV", false},
        {"FILE001", false},
        {"DSC.MOV", false},
        {"AB.D1234.MOV", false},
        {"ABCD123X.MOV", false},
        {"ABC\xC3\x89" "1234.MOV", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PassesRecordingNameRule(c.name), c.passes) << c.name;
}

TEST(RecordingNameRule, LockFlagsFromNameAndAttribute)
{
    EXPECT_EQ(RecordingLockFlags("ABCG0012.MOV", false), LOCK_G);
    EXPECT_EQ(RecordingLockFlags("ABCg0012.MOV", false), 0u);
    EXPECT_EQ(RecordingLockFlags("ABCD0012.MOV", true), LOCK_M);
    EXPECT_EQ(RecordingLockFlags("ABCG0012.MOV", true), LOCK_G | LOCK_M);
    EXPECT_EQ(RecordingLockFlags("ABG", false), 0u);
}
