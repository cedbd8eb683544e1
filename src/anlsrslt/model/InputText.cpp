#include "anlsrslt/model/InputText.h"

#include <unistd.h>

#include "options/TextTranslation.h"

bool P_metricTextIsInternal() {
  const int encoding = XF_inputEncoding();
  return encoding == XF_ASC || encoding == XF_EUC;
}

U_String P_readInternalText(int fd) {
  U_String text;
  char block[65536];
  ssize_t count;
  while ((count = ::read(fd, block, sizeof block)) > 0) text.append(block, static_cast<std::size_t>(count));
  ::close(fd);
  return XF_toInternal(text);
}
