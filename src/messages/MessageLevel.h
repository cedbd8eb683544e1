// The level of a message number, which the option "suppresslvl" selects by.
#pragma once

// From the run's message table: the level number of the message's level
// name (99 for a name no "#define" gave, the level of "fatal" for a number
// without an entry).
int M_messageLevel(int messageNumber);
