#include <gtest/gtest.h>
#include "records/writers.hpp"
TEST(Smoke, Builds) { EXPECT_EQ(radixmender::makeIntegerRecord(3).size(), 4u); }
