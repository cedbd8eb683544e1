#include "anlsrslt/model/ErrorFileReader.h"

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "anlsrslt/model/Callbacks.h"
#include "anlsrslt/model/Diagnostic.h"
#include "anlsrslt/model/DiagnosticKeys.h"
#include "anlsrslt/model/ReportFilter.h"
#include "anlsrslt/model/Source.h"
#include "anlsrslt/model/SuppressionCheck.h"
#include "anlsrslt/model/SuppressionRecord.h"
#include "messages/BinaryFile.h"
#include "messages/InputVarnix.h"
#include "options/RunSettings.h"
#include "util/ProcessState.h"

namespace {

// Lives for the run: modules may keep every handle they were given.
struct DeliveredDiagnostics {
  std::map<zum::DiagnosticIdentityKey, U_Handle<P_Diagnostic>> seen;
  std::vector<U_Handle<P_SuppressionRecord>> records;
};

DeliveredDiagnostics& delivered() { return zum::ProcessState::get<DeliveredDiagnostics>(); }

// The plug-in handles of one source's records, each made once, when first
// needed.
class SourceRecords {
 public:
  explicit SourceRecords(const std::vector<U_Handle<M_SuppressionRecord>>& records)
      : records_(records), handles_(records.size(), nullptr) {}

  P_SuppressionRecord* handle(std::size_t index) {
    if (!handles_[index]) {
      U_Handle<P_SuppressionRecord> made = U_make<P_SuppressionRecord>(records_[index]);
      handles_[index] = made.pointer();
      delivered().records.push_back(std::move(made));
    }
    return handles_[index];
  }

 private:
  const std::vector<U_Handle<M_SuppressionRecord>>& records_;
  std::vector<P_SuppressionRecord*> handles_;
};

struct SortedDiagnostic {
  zum::DiagnosticSortKey key;
  U_Handle<M_Diagnostic> diagnostic;
};

std::vector<SortedDiagnostic> sortedWithoutRepeats(const std::vector<U_Handle<M_Diagnostic>>& diagnostics) {
  std::vector<SortedDiagnostic> sorted;
  sorted.reserve(diagnostics.size());
  for (const U_Handle<M_Diagnostic>& diagnostic : diagnostics) {
    sorted.push_back(SortedDiagnostic{zum::makeSortKey(*diagnostic), diagnostic});
  }
  std::stable_sort(sorted.begin(), sorted.end(),
                   [](const SortedDiagnostic& a, const SortedDiagnostic& b) { return a.key < b.key; });
  auto repeats = std::unique(sorted.begin(), sorted.end(),
                             [](const SortedDiagnostic& a, const SortedDiagnostic& b) { return a.key == b.key; });
  sorted.erase(repeats, sorted.end());
  return sorted;
}

bool someoneWaitsFor(int message) {
  const P_Callbacks& callbacks = P_callbacks();
  return !callbacks.onDiagnostic.empty() || !callbacks.onDiagnosticSuppressed.empty() ||
         !callbacks.onSuppressionRecordDiagnostic.empty() || P_hasMessageCallbacks(message);
}

void dispatch(SortedDiagnostic& entry, const P_SuppressionCheck& check, SourceRecords& records) {
  const M_Diagnostic& diagnostic = *entry.diagnostic;
  const int message = diagnostic.messageNumber();
  if (!P_isReported(diagnostic) || !someoneWaitsFor(message)) return;

  auto [seen, isNew] = delivered().seen.try_emplace(zum::makeIdentityKey(diagnostic, std::move(entry.key.message)));
  if (isNew) seen->second = P_wrapDiagnostic(entry.diagnostic);
  P_Diagnostic* handle = seen->second.pointer();
  const bool duplicate = !isNew;

  // The source's own diagnostic decides: its include chain leads through
  // this source's files, where this source's records apply.
  std::vector<std::size_t> suppressing;
  bool suppressed = false;
  if (!P_callbacks().onSuppressionRecordDiagnostic.empty()) {
    suppressing = check.findAll(message, diagnostic.location());
    suppressed = !suppressing.empty();
  } else if (!diagnostic.isError()) {
    std::size_t ignored = 0;
    suppressed = check.find(message, diagnostic.location(), ignored);
  }

  P_raiseOnMessage(message, handle, duplicate, suppressed);
  P_raiseOnDiagnosticSuppressed(handle, duplicate, suppressed);
  if (!suppressed) {
    P_raiseOnDiagnostic(handle, duplicate);
    return;
  }
  for (std::size_t index : suppressing) P_raiseOnSuppressionRecordDiagnostic(records.handle(index), handle);
}

}  // namespace

void P_readErrorFile(const P_Source& source) {
  if (!P_hasErrorFileCallbacks() && !C_runSettings().alwaysReadErrors) return;
  const U_String fileName = source.outputFile("err");
  // Only a file that cannot be opened is a missing file of the source (the
  // driver's message 1540). Damage met while reading is the reader's to
  // report: its exception ends the run.
  std::string bytes;
  if (R_readWholeFile(fileName, bytes) != 0) throw P_FileOpenException(fileName);
  M_InputVarnix input(fileName);
  input.setSource(source.file());
  input.read(bytes);

  const std::vector<U_Handle<M_SuppressionRecord>>& fileRecords = input.suppressionRecords();
  SourceRecords records(fileRecords);
  P_SuppressionCheck check;
  if (!C_runSettings().hiddenWarnings) {
    for (std::size_t i = 0; i < fileRecords.size(); ++i) check.enter(*fileRecords[i], i);
    if (!P_callbacks().onSuppressionRecord.empty()) {
      for (std::size_t i = 0; i < fileRecords.size(); ++i) P_raiseOnSuppressionRecord(records.handle(i));
    }
  }

  std::vector<SortedDiagnostic> sorted = sortedWithoutRepeats(input.diagnostics());
  for (SortedDiagnostic& entry : sorted) dispatch(entry, check, records);
}
