// Takes a source's error file into the model: its suppression records and
// diagnostics become the diagnostic events of the plug-in interface. The
// driver installs it with P_setErrorFileReader.
//
// The file is read only when some module registered for a diagnostic or
// suppression-record event, or the debug switch "always_read_errors" is
// set. Per source:
//   1. unless "hiddenwarnings" is on, the suppression records of kinds 1
//      and 2 go into the source's suppression check (SuppressionCheck.h),
//      and OnSuppressionRecord is raised for every record in file order;
//   2. the diagnostics are sorted by the diagnostic order and each one that
//      equals its predecessor is dropped;
//   3. each diagnostic that the report filter passes (ReportFilter.h) and
//      that some callback waits for is looked up in the run-wide set of
//      diagnostics seen: the first of its kind is kept there, and an equal
//      one of a later source is delivered as that same handle with the
//      duplicate flag set;
//   4. the events: OnMessage of its number, OnDiagnosticSuppressed, then
//      OnDiagnostic when not suppressed, or OnSuppressionRecordDiagnostic
//      for every record that suppresses it.
#pragma once

class P_Source;

// Throws P_FileOpenException with the error file's name when the file
// cannot be opened or read; a damaged file raises what the error file
// reader raises (messages/InputVarnix.h).
void P_readErrorFile(const P_Source& source);
