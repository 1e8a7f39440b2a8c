#include <gtest/gtest.h>
TEST(QtSmoke, Runs) { SUCCEED(); }
