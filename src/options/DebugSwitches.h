// Debug configuration switches: the values of the option "debug", collected
// from every argument source of the run and asked for by exact name all over
// the program.
#pragma once

#include <string_view>
#include <vector>

#include "util/String.h"

class C_CmdArgs;

// True when one published value equals `name` exactly (case-sensitive).
bool C_isDebugSwitchSet(std::string_view name);

// The same question over the "debug" values of `cmdArgs`.
bool C_isDebugSwitchSet(const C_CmdArgs& cmdArgs, std::string_view name);

// Every published value in order (some carry a parameter, as "log-file=x").
const std::vector<U_String>& C_debugValues();

// Makes `values` the switches of the run. The driver does this when it
// publishes the run's command line; tests do it to set switches directly.
void C_publishDebugValues(std::vector<U_String> values);
