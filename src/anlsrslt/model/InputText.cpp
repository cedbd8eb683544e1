#include "anlsrslt/model/InputText.h"

#include <string>

#include "options/ShiftJis.h"
#include "options/TextTranslation.h"

bool P_metricTextIsInternal() {
  const int encoding = XF_inputEncoding();
  return encoding == XF_ASC || encoding == XF_EUC;
}

U_String P_toInternalText(std::string_view text, const U_String& path) {
  try {
    return XF_toInternal(text);
  } catch (XF_CharacterOutOfRangeException& failure) {
    failure.setPlace("in '" + path + "' at line " + std::to_string(zum::lineAt(text, failure.offset())));
    throw;
  }
}
