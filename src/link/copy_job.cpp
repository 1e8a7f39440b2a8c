// The copy job's in-memory copy. Until the in-memory copy dialog's routines are wired in, every
// place of the four setting groups is copied from a to b.
#include "link/copy_job.h"

#include "model/setting_groups.h"
#include "program/program.h"

namespace qd470::QD470 {

void CopyJobRoutines(Program& p, int16_t a, int16_t b) {
  for (const GroupPlace& place : AllGroupPlaces()) {
    if (!place.ref.HasValue()) continue;
    *ResolveStorage(p, b, place.ref) = *ResolveStorage(p, a, place.ref);
  }
}

}  // namespace qd470::QD470
