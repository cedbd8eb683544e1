// The level of a message number, which the option "suppresslvl" selects by.
#pragma once

// Every message is of level 99 until the message table is read from the
// message files.
int M_messageLevel(int messageNumber);
