#include "options/RunSettings.h"

#include <algorithm>

#include "options/CmdArgs.h"
#include "options/Options.h"
#include "util/ProcessState.h"

C_RunSettings C_readRunSettings(const C_Options& options) {
  const std::vector<U_String>& debug = options.debug().values();
  const auto isSet = [&debug](std::string_view name) { return std::find(debug.begin(), debug.end(), name) != debug.end(); };

  C_RunSettings settings;
  settings.only = options.only().numbers();
  settings.noMsg = options.noMsg().numbers();
  settings.suppressedLevels = options.suppressLvl().numbers();
  settings.quiet = options.quiet().values();
  settings.hiddenWarnings = options.hiddenWarnings().value();
  settings.hdrSuppress = options.hdrSuppress().value();
  settings.hideMacroWarnings = options.hideMacroWarnings().value();
  settings.showAlias = options.showAlias().value();
  settings.expandFileNames = options.expandFileNames().value();
  settings.metrics = options.metrics().value();
  settings.moduleOptions = options.prodOption().values();
  settings.nameRuleFile = options.nameRuleFile().value();
  settings.standard = options.standard().value();
  settings.userMessageFile = options.usrFile().value();
  settings.userMessagePath = options.usrPath().value();
  settings.tabStop = options.tabStop().value();

  settings.simpleOutput = isSet("simpleoutput");
  settings.textOutput = isSet("textoutput") || isSet("formatoutput");
  settings.olderErrorFile = isSet("zekoutput");
  settings.nullMetricOutput = isSet("null_metric_output");
  settings.compressOutput = isSet("compress-output");
  settings.alwaysFlushMetrics = isSet("always-flush");
  settings.forwardSlashes = isSet("os-independent-slash");
  settings.sortMessageLists = isSet("sort-messages");
  settings.hideSuppressionRecords = isSet("hideSupRecs");
  settings.showIncludeChain = isSet("showInclLoc");
  settings.showInstantiationChain = isSet("showInstLoc");
  settings.alwaysFirst = isSet("always-first");
  settings.alwaysReadErrors = isSet("always_read_errors");
  settings.showSymbolErrors = isSet("show-symbol-errors");
  settings.showRelationErrors = isSet("show-relation-errors");
  settings.showExtvErrors = isSet("show-extv-errors");
  settings.showMetricErrors = isSet("show-metric-errors");
  settings.showFormat = isSet("show-format");
  settings.noReadCaches = isSet("no-read-caches");
  if (isSet("log")) {
    static constexpr std::string_view kPrefix = "log-file=";
    auto named = std::find_if(debug.begin(), debug.end(),
                              [](const U_String& value) { return value.compare(0, kPrefix.size(), kPrefix) == 0; });
    if (named != debug.end()) settings.logFile = named->substr(kPrefix.size());
  }
  return settings;
}

C_RunSettings C_readRunSettings(const C_CmdArgs& cmdArgs) {
  C_RunSettings settings = C_readRunSettings(cmdArgs.options());
  if (cmdArgs.isValidProduct()) settings.compilerDirectory = C_compilerDirectory(cmdArgs.productRow());
  return settings;
}

void C_publishRunSettings(C_RunSettings settings) {
  zum::ProcessState::get<C_RunSettings>() = std::move(settings);
}

