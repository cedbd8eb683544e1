// What the layers below the driver know of the command line: the option
// values and debug switches that the model, the checks, the diagnostic
// outputs and the metric writer depend on.
//
// The driver fills the settings once, right after it publishes the command
// line (C_publishRunSettings). Until then C_runSettings() answers with the
// settings of a run with no options and no debug switches, which is what a
// default-constructed C_RunSettings holds. Nothing below the driver reads an
// option or a debug switch any other way; tests build the struct and
// publish it.
//
// A new setting: a field here with the option's default, a line in
// C_readRunSettings, and the field read through C_runSettings() where it
// is needed.
#pragma once

#include <vector>

#include "options/IntervalSet.h"
#include "util/ProcessState.h"
#include "util/String.h"

class C_CmdArgs;
class C_Options;

struct C_RunSettings {
  // Which diagnostics pass ("only", "nomsg", "suppresslvl", "quiet",
  // "hiddenwarnings", "hdrsuppress", "hidemacrowarnings").
  zum::IntervalSet only;
  zum::IntervalSet noMsg;
  zum::IntervalSet suppressedLevels;
  std::vector<U_String> quiet;
  bool hiddenWarnings = false;
  bool hdrSuppress = false;
  bool hideMacroWarnings = false;

  // How findings and metrics show names ("showalias", "expandfilenames").
  bool showAlias = true;
  bool expandFileNames = true;
  // Whether metrics are written at all ("metrics").
  bool metrics = true;
  // The values of "prodoption", the options of the analysis modules.
  std::vector<U_String> moduleOptions;
  // The rule file of the name check ("namerulefile").
  U_String nameRuleFile;

  // Message texts: the message table ("standard", the user's message file
  // "usrfile" in "usrpath"), the layout of text lines ("tabstop"), and the
  // product's compiler directory, where the installation's message file is
  // looked for first ("" when unknown).
  bool standard = false;
  U_String userMessageFile;
  U_String userMessagePath;
  int tabStop = 8;
  U_String compilerDirectory;

  // Debug switches. The output kinds: "simpleoutput", "textoutput" or
  // "formatoutput" (both: textOutput), "zekoutput", "null_metric_output".
  bool simpleOutput = false;
  bool textOutput = false;
  bool olderErrorFile = false;
  bool nullMetricOutput = false;
  bool compressOutput = false;         // "compress-output"
  bool alwaysFlushMetrics = false;     // "always-flush"
  bool forwardSlashes = false;         // "os-independent-slash"
  bool sortMessageLists = false;       // "sort-messages"
  bool hideSuppressionRecords = false; // "hideSupRecs"
  bool showIncludeChain = false;       // "showInclLoc"
  bool showInstantiationChain = false; // "showInstLoc"
  bool alwaysFirst = false;            // "always-first": no per-run answers kept
  bool alwaysReadErrors = false;       // "always_read_errors"
  bool showSymbolErrors = false;       // "show-symbol-errors"
  bool showRelationErrors = false;     // "show-relation-errors"
  bool showExtvErrors = false;         // "show-extv-errors"
  bool showMetricErrors = false;       // "show-metric-errors"
  bool showFormat = false;             // "show-format"
  // "no-read-caches": every read cache and memo of the run is off, and each
  // answer is computed afresh (util/Memo.h).
  bool noReadCaches = false;
  // "log" with the first "log-file=<name>": the file that the reading of
  // each source is logged to; empty when there is no log.
  U_String logFile;

  bool operator==(const C_RunSettings&) const = default;
};

// The settings that options give: their values and their "debug" values.
C_RunSettings C_readRunSettings(const C_Options& options);
// The same for a command line, with its product's compiler directory.
C_RunSettings C_readRunSettings(const C_CmdArgs& cmdArgs);

// Makes `settings` the settings of the run.
void C_publishRunSettings(C_RunSettings settings);

// The settings of the run (those of no options before any are published).
// Inline, since reading asks for a switch on every record.
inline const C_RunSettings& C_runSettings() { return zum::ProcessState::get<C_RunSettings>(); }

// Whether the read caches and memos are used in this run.
inline bool C_readCachesOn() { return !C_runSettings().noReadCaches; }
