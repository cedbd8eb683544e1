#include <gtest/gtest.h>

#include <csignal>

#include "app/SignalHandler.h"
#include "util/Assert.h"

TEST(SignalHandlerDeathTest, FailedAssertionEndsTheRunWithCode19) {
  EXPECT_EXIT(
      {
        zum::installSignalHandlers();
        U_require(false, "ErrorFileReader", 387, "0 != format");
      },
      ::testing::ExitedWithCode(19),
      "^Assertion at ErrorFileReader:387: Assertion '0 != format' failed.\n"
      "Caught a signal. \\(22\\)\nPlease contact Halvorn.\n$");
}

TEST(SignalHandlerDeathTest, OtherSignalsShowTheirOwnNumbers) {
  EXPECT_EXIT(
      {
        zum::installSignalHandlers();
        std::raise(SIGSEGV);
      },
      ::testing::ExitedWithCode(19), "^Caught a signal. \\(11\\)\nPlease contact Halvorn.\n$");
  EXPECT_EXIT(
      {
        zum::installSignalHandlers();
        std::raise(SIGTERM);
      },
      ::testing::ExitedWithCode(19), "\\(15\\)");
  EXPECT_EQ(zum::shownSignalNumber(SIGFPE), 8);
  EXPECT_EQ(zum::shownSignalNumber(SIGINT), 2);
}
