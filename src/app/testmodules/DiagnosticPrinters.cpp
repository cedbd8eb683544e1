// PT_ERR, PT_MsgSpecific, PT_Suppression and PT_zumOption: the diagnostics
// and suppression records the error files deliver, and the plug-in
// options of the run.
//
// PT_ERR prints every diagnostic that is not suppressed. PT_MsgSpecific
// listens to the message numbers given as "-prodoption PT_MsgSpecific::N"
// (3219 and 3670, the numbers the project metrics count, when none is
// given) and prints each delivery with its flags. PT_Suppression prints
// every suppression record and each diagnostic a record suppresses.
// PT_zumOption prints the values filed under "PT_zumOption" as a module
// reads them.
#include <cstdlib>
#include <cstring>
#include <vector>

#include "app/testmodules/TestModules.h"
#include "app/testmodules/TestOutput.h"

using zum::printTestLine;

namespace {

std::string describeDiagnostic(PI_DiagnosticHandle diagnostic) {
  return std::to_string(PI_getDiagnosticID(diagnostic)) + " in '" + PI_getDiagnosticFilename(diagnostic) + "'";
}

void printDiagnostic(PI_DiagnosticHandle diagnostic, unsigned char duplicate) {
  printTestLine("PT_ERR", describeDiagnostic(diagnostic) + (duplicate ? " duplicate" : ""));
}

void printMessage(PI_DiagnosticHandle diagnostic, unsigned char duplicate, unsigned char suppressed) {
  printTestLine("PT_MsgSpecific", describeDiagnostic(diagnostic) + (duplicate ? " duplicate" : "") +
                                      (suppressed ? " suppressed" : ""));
}

std::string describeLocation(PI_LocationHandle location) {
  if (!location) return "none";
  return std::string(PI_getLocationFilename(location)) + ":" + std::to_string(PI_getLocationLine(location)) + ":" +
         std::to_string(PI_getLocationColumn(location));
}

void printSuppressionRecord(PI_SuppressionRecordHandle record) {
  std::string text = "kind " + std::to_string(PI_getSuppressionRecordKind(record)) + " '" +
                     PI_getSuppressionRecordTag(record) + "' at " +
                     describeLocation(PI_getSuppressionRecordTagLocation(record)) + " from " +
                     describeLocation(PI_getSuppressionRecordFromLocation(record)) + " to " +
                     describeLocation(PI_getSuppressionRecordToLocation(record)) + " messages";
  const int ranges = PI_getSuppressionMessageRangeCount(record);
  for (int i = 0; i < ranges; ++i)
    text += " " + std::to_string(PI_getSuppressionMessageRangeStart(record, i)) + "-" +
            std::to_string(PI_getSuppressionMessageRangeEnd(record, i));
  printTestLine("PT_Suppression", text);
}

void printSuppressed(PI_SuppressionRecordHandle record, PI_DiagnosticHandle diagnostic) {
  printTestLine("PT_Suppression", std::string("'") + PI_getSuppressionRecordTag(record) + "' suppresses " +
                                      describeDiagnostic(diagnostic));
}

// A boolean option has no separator or "+"/"-"; a value option " " or "=".
void printOptions() {
  for (int it = PI_getFirstOption("PT_zumOption"); !PI_isOptionIterEnd(it); PI_getOptionIterNext(it)) {
    PI_OptionHandle option = PI_getOptionIterData(it);
    const char* text = PI_getOption(option);
    const char* separator = std::strpbrk(text, " +-=");
    std::string line = std::string(text) + " name " + PI_getOptionName(option);
    if (separator && (*separator == ' ' || *separator == '='))
      line += std::string(" value ") + PI_getOptionValue(option);
    else
      line += PI_isOptionTrue(option) ? " true" : " false";
    printTestLine("PT_zumOption", line);
  }
}

}  // namespace

void PT_configureERR() { PI_configureOnDiagnostic(&printDiagnostic); }

void PT_configureMsgSpecific() {
  std::vector<int> numbers;
  for (int it = PI_getFirstOption("PT_MsgSpecific"); !PI_isOptionIterEnd(it); PI_getOptionIterNext(it))
    numbers.push_back(std::atoi(PI_getOption(PI_getOptionIterData(it))));
  if (numbers.empty()) numbers = {3219, 3670};
  for (int number : numbers) PI_configureOnMessage(number, &printMessage);
}

void PT_configureSuppression() {
  PI_configureOnSuppressionRecord(&printSuppressionRecord);
  PI_configureOnSuppressionRecordDiagnostic(&printSuppressed);
}

void PT_configureZumOption() { PI_configureOnEnd(&printOptions); }
