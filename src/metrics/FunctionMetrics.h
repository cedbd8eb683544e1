// The project-wide function metrics, configured in this order:
//
//   STCYA  cyclomatic complexity across the project (sum of the STCYC of
//          each function definition, each name once)
//   STNFA  functions across the project (sum of the STFNC of each file
//          that holds a function definition)
//   STNEA  entry points across the project (unused external function
//          definitions + diagnostics 3219 + 1 when there is a "main")
//   STNRA  recursions across the project (cycles found + diagnostics 3670)
//   STM29  per function: the number of distinct functions calling it
//
// STNEA and STNRA read counts of the declaration and recursion checks,
// which are configured before them and so run before them at the end.
#pragma once

namespace zum {

void configureSTCYA();
void configureSTNFA();
void configureSTNEA();
void configureSTNRA();
void configureSTM29();

}  // namespace zum
