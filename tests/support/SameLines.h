#pragma once
// Compares two texts (files, fixtures) line by line; a failure prints only the
// lines that differ, with their numbers, not both texts whole.
//   EXPECT_PRED_FORMAT2(SameLines, actual, expected);

#include <gtest/gtest.h>

#include <string>

testing::AssertionResult SameLines(const char* actualExpr, const char* expectedExpr, const std::string& actual,
                                   const std::string& expected);
