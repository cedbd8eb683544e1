#include "messages/MessageLevel.h"

int M_messageLevel(int) { return 99; }
