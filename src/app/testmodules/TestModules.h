// The built-in test modules: small printers of what a module observes
// through the plug-in interface, one line per observation on standard
// output, each line beginning with the module's name and ": ".
//
// A test module takes part in a run when the debug switch "pcom_test" and
// the switch of its own name are both set.
#pragma once

#include <span>

#include "app/ModuleRegistry.h"

namespace zum {

// All 21, in configuration order.
std::span<const ModuleSlot> testModules();

}  // namespace zum

// Their configuration functions.
void PT_configureCTLG();
void PT_configureConfigureOnSource();
void PT_configureConfigureOnAllDefine();
void PT_configureERR();
void PT_configureFileMetrics();
void PT_configureGetZUMOutputPath();
void PT_configureRecursiveMetOutput();
void PT_configureRelation_C();
void PT_configureRelation_I();
void PT_configureRelation_P();
void PT_configureRelation_R();
void PT_configureRelation_V();
void PT_configureRelation_X();
void PT_configureTypeQueries();
void PT_configureIsBitfield();
void PT_configureIsLabel();
void PT_configureIsUnion();
void PT_configureLiteralRecord();
void PT_configureZumOption();
void PT_configureSuppression();
void PT_configureMsgSpecific();
