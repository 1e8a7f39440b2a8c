// Simulated controllers that hold the program's default settings, as controllers fresh from the
// factory would, instead of zero in every place.
#pragma once

#include <memory>

#include "model/setting_groups.h"
#include "settings/default_settings.h"
#include "support/sim_line.h"

namespace qd470::testing {

// Controllers 0 to count - 1 of the line hold the default settings of the default specification.
inline void LoadDefaultSettings(SimLine& line, int count) {
  auto state = std::make_unique<ProgramState>();
  Datainitial(*state);
  for (int dev = 0; dev < count; ++dev) {
    for (const GroupPlace& place : AllGroupPlaces()) {
      if (place.ref.HasValue()) {
        line.SetValue(dev, place.data_item, *ResolveStorage(*state, dev, place.ref));
      }
    }
  }
}

}  // namespace qd470::testing
