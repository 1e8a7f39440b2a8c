// Program-wide state.
#include "model/program_state.h"
