// The argument loop: reads the run's argument stream to its end, hands each
// option its value and every other argument to the orphan handler.
#pragma once

class C_ArgStream;
class C_CmdArgs;
class C_OrphanHandler;

// Unknown options and bad values are warnings on standard error unless
// "errorinvalidcfgarg" or "errorinvalidcfgvalue" make them errors.
void C_parseArguments(C_CmdArgs& cmdArgs, C_ArgStream& stream, C_OrphanHandler& orphans);
