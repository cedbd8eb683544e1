#include "messages/MessageLevel.h"

#include "messages/MessageCatalog.h"

int M_messageLevel(int messageNumber) { return M_messageTable().messageLevel(messageNumber); }
