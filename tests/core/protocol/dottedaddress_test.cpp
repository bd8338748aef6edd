#include <gtest/gtest.h>

#include "core/protocol/dottedaddress.h"
#include "core/protocol/textint.h"

using namespace zelvan;

TEST(TextToInt, DecimalWithBlanksAndSign) {
    EXPECT_EQ(textToInt("0"), 0);
    EXPECT_EQ(textToInt("007"), 7);
    EXPECT_EQ(textToInt("   42"), 42);
    EXPECT_EQ(textToInt("+5"), 5);
    EXPECT_EQ(textToInt("-12"), -12);
    EXPECT_EQ(textToInt("  -3"), -3);
    EXPECT_EQ(textToInt("2147483647"), 2147483647);
    EXPECT_EQ(textToInt("-2147483648"), INT32_MIN);
}

TEST(TextToInt, HexadecimalPrefixes) {
    EXPECT_EQ(textToInt("$ff"), 255);
    EXPECT_EQ(textToInt("xFF"), 255);
    EXPECT_EQ(textToInt("X1a"), 26);
    EXPECT_EQ(textToInt("0x10"), 16);
    EXPECT_EQ(textToInt("0X7fffffff"), 2147483647);
    EXPECT_EQ(textToInt(" -$10"), -16);
    EXPECT_EQ(textToInt("+0x0"), 0);
}

TEST(TextToInt, RejectsEverythingElse) {
    for (const char* bad :
         {"",          " ",           "-",   "+",   "$",           "x",          "0x",
          "1 ",        " 1 ",         "1a",  "a",   "--1",         "+-1",        "- 1",
          "$g",        "0x1g",        "1.0", "\t1", "12345678901", "2147483648", "-2147483649",
          "$80000000", "0x100000000", "00x1"}) {
        EXPECT_FALSE(textToInt(bad).has_value()) << '"' << bad << '"';
    }
}

TEST(Isip, AcceptedAddresses) {
    for (const char* ok :
         {"192.168.0.1", "0.0.0.0", "1.2.3.4", "001.002.003.004", "255.255.255.255", " 1.2.3.4",
          "1. 2.3.4", "+1.2.3.4", "-0.0.0.0", "$a.0.0.1", "0x7f.0.0.1", "1.2.3.x1"}) {
        EXPECT_TRUE(isDottedAddress(ok)) << '"' << ok << '"';
    }
}

TEST(Isip, RejectedAddresses) {
    for (const char* bad : {"1.2.3.256", "1..2.3.4", ".1.2.3.4", "1.2.3.4.5", "10.2.3.", "1.2.3.4 ",
                            "a.b.c.d", "10.0.0.1000", "1.2.3", "1.2.3.-1", "1 .2.3.4", "1.2.3.4x",
                            "1,2.3.4", "123456", "", "$100.0.0.1"}) {
        EXPECT_FALSE(isDottedAddress(bad)) << '"' << bad << '"';
    }
    // Length alone decides outside 7..15, whatever the text holds.
    EXPECT_FALSE(isDottedAddress("1.2.3."));            // 6
    EXPECT_FALSE(isDottedAddress("0001.002.003.004"));  // 16
    EXPECT_FALSE(isDottedAddress("     1.2.3.4     "));
}

TEST(Isip, DottedAddressIsPlainDecimal) {
    EXPECT_EQ(dottedAddress("010.0.0.1"), "10.0.0.1");
    EXPECT_EQ(dottedAddress("001.002.003.004"), "1.2.3.4");
    EXPECT_EQ(dottedAddress(" 1.2.3.4"), "1.2.3.4");
    EXPECT_EQ(dottedAddress("$7f.0.0.x1"), "127.0.0.1");
    EXPECT_EQ(dottedAddress("+127.0.0.1"), "127.0.0.1");
    EXPECT_EQ(dottedAddress("192.168.0.1"), "192.168.0.1");
    EXPECT_FALSE(dottedAddress("1.2.3.256").has_value());
    EXPECT_FALSE(dottedAddress("localhost").has_value());
}
