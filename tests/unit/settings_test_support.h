// Tests set the run's settings directly: the defaults of a run with no
// options, changed by `edit`, then published.
#pragma once

#include <utility>

#include "options/RunSettings.h"

template <class Edit>
void publishSettings(Edit edit) {
  C_RunSettings settings;
  edit(settings);
  C_publishRunSettings(std::move(settings));
}
