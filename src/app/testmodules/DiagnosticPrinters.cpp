// PT_ERR, PT_Suppression, PT_MsgSpecific and PT_zumOption observe the
// diagnostics, suppression records and plug-in options of a run. They
// register nothing until the plug-in operations that read those exist.
#include "app/testmodules/TestModules.h"

void PT_configureERR() {}
void PT_configureSuppression() {}
void PT_configureMsgSpecific() {}
void PT_configureZumOption() {}
