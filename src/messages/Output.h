// The project diagnostic output of the run: which kind it is, opening and
// closing it, and the one pointer through which everything reaches it.
#pragma once

#include <memory>

#include "options/OutputLocation.h"
#include "messages/OutputBase.h"
#include "util/String.h"

enum class M_OutputKind {
  kSimple,   // M_OutputSimple
  kFormat,   // M_OutputFormat
  kOlder,    // M_OutputVarnix
  kCurrent,  // M_OutputVarnix2
};

// By the debug switches, asked in this order: "simpleoutput"; "textoutput"
// or "formatoutput"; "zekoutput"; anything else is the current binary kind.
M_OutputKind M_selectedOutputKind();

// The project error file: the output directory joined with the base name
// of the project file, and the extension "err" ('out/proj' -> 'out/proj.err').
U_String M_projectErrorFileName(const zum::OutputLocation& location);

// Closes and destroys any earlier output, then opens one of the selected
// kind; the binary kinds create or append to the project error file and
// raise its opening failures (there is no output then).
void M_openDiagnosticOutput(const zum::OutputLocation& location);
// Makes `output` the output of the run, closing any earlier one.
void M_installDiagnosticOutput(std::unique_ptr<M_OutputBase> output);
// Writes what the output has buffered, raising a write failure.
void M_flushDiagnosticOutput();
// Closes and destroys the output; a closing failure is raised after the
// output is gone.
void M_closeDiagnosticOutput();
// Null while no output is open.
M_OutputBase* M_diagnosticOutput();

// Thrown when something is sent while no output is open, after the line
// "M_Output:<line>: Cannot send information before open()." on standard
// error. It is deliberately no exception class of the program or the
// standard library: it ends the run as an unrecognised exception.
struct M_OutputNotOpen {};

// Slot 3 of the output: a suppression record passed on.
void M_sendSuppressionRecord(const M_SuppressionRecord& record);
