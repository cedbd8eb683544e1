// The frame of a command-line application: the run sequence from the raw
// arguments to an exit code, with every failure turned into its message.
#pragma once

#include "options/CmdArgs.h"
#include "util/Ref.h"
#include "util/String.h"

class C_OrphanHandler;

class XF_App : public U_Ref {
 public:
  explicit XF_App(U_String title) : title_(std::move(title)) {}
  ~XF_App() override = default;

  virtual bool prepare() { return true; }
  virtual int run() = 0;
  // Receives every argument that is not an option.
  virtual C_OrphanHandler& orphanHandler() = 0;
  virtual const char* code() const { return "NOP"; }
  virtual void printUsage() const {}
  virtual int successExitCode() const { return 0; }
  virtual int systemErrorExitCode() const { return 19; }
  virtual int userErrorExitCode() const { return 18; }
  virtual int configurationErrorExitCode() const { return 10; }
  virtual int allocationErrorExitCode() const { return 19; }

  // Runs `app` over the arguments after the program name; the first is the
  // product word. Returns the exit code.
  static int runApplication(int argumentCount, const char* const* arguments, const U_Handle<XF_App>& app);

  // Writes the title to standard output unless it was written before in
  // this process.
  void printBannerOnce() const;

  const U_String& title() const noexcept { return title_; }
  // Null until the command line has been parsed.
  const U_Handle<C_CmdArgs>& cmdArgs() const noexcept { return cmdArgs_; }

 private:
  int runSteps(int argumentCount, const char* const* arguments);

  U_String title_;
  U_Handle<C_CmdArgs> cmdArgs_;
};
