#include "app/face_name.h"

#include <cstring>
#include <gtest/gtest.h>

namespace {

TEST(FitFaceName, KeepsNamesThatFitAndCutsLongerOnesTo31Bytes) {
    const LeadByteTable single;
    EXPECT_EQ(FitFaceName("Eras Medium ITC", single), "Eras Medium ITC");
    EXPECT_EQ(FitFaceName("", single), "");
    EXPECT_EQ(FitFaceName(std::string(31, 'a'), single), std::string(31, 'a'));
    EXPECT_EQ(FitFaceName(std::string(32, 'a'), single), std::string(31, 'a'));
    EXPECT_EQ(FitFaceName(std::string(300, 'a'), single), std::string(31, 'a'));
}

TEST(FitFaceName, NeverEndsInsideADoubleByteCharacter) {
    LeadByteTable sjis;
    sjis.SetLeadByte(0x82);
    const std::string wide = "\x82\xA0";
    // 30 single bytes and a double-byte character make 32: the pair goes.
    EXPECT_EQ(FitFaceName(std::string(30, 'a') + wide, sjis), std::string(30, 'a'));
    // 29 single bytes and the pair make 31: it fits.
    EXPECT_EQ(FitFaceName(std::string(29, 'a') + wide + "b", sjis), std::string(29, 'a') + wide);
}

TEST(CopyFaceName, TerminatesTheFieldAndClearsTheRest) {
    char field[kFaceNameBytes];
    std::memset(field, 'X', sizeof field);
    CopyFaceName(field, std::string(40, 'f'), LeadByteTable());
    EXPECT_EQ(std::string(field), std::string(31, 'f'));
    CopyFaceName(field, "Arial", LeadByteTable());
    EXPECT_EQ(std::string(field), "Arial");
    EXPECT_EQ(field[31], '\0');
    EXPECT_EQ(field[6], '\0');
}

} // namespace
