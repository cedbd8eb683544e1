// This program: the cross-module driver with its banner, help and usage.
#pragma once

#include "app/Driver.h"

class ZUMApp final : public P_Driver {
 public:
  ZUMApp();

  // The help when asked for, else the driver's run.
  int run() override;
  void printUsage() const override;

  static const char* const kTitle;

 private:
  void printHelp() const;
};
