// Test main for tests without screens: Google Test's own, with passwords hashed at the least
// cost, as the tests make many data sets.
#include <gtest/gtest.h>

#include "data/password_hash.h"

int main(int argc, char** argv) {
    data::useLeastPasswordCostForTests();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
