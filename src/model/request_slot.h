// The request slot of the one-item write: the only way a screen queues a write to a controller.
// Every write waits in ProgramState::Pending until its controller acknowledges or refuses it.
#pragma once

#include <cstddef>
#include <optional>

#include "model/program_state.h"

namespace qd470 {

// More waiting writes than any operator makes; an edit beyond it is refused before it is stored.
inline constexpr size_t kMaxWaitingWrites = 256;

// An operator command (96 to 102): it stores no value, and each press goes out on its own.
bool IsOperatorCommand(int number);

// Whether a write of setting `number` of controller `ch` can wait: it takes the place of a
// waiting write of the same place, or the queue has room for one more, or no port is open.
bool WriteRoom(const ProgramState& state, int ch, int number, int pattern, int index);

// Queues the write of SendVal to the place named by SetCh, SetPtn, EditItem and EditIdx; the
// target and value are copied, so a later refresh or selection on the settings screen (which
// reuses those fields) cannot redirect it. `before` is what memory held at the place before the
// edit (none for a command). A waiting write of the same place takes the new value where it
// stands and keeps its own `before`; a command is never merged. Sets SendReq to 1, unless a bulk
// job (2 to 5) is requested or running: the job keeps its word and the write goes out after it.
// False, and nothing queued, for a setting without a data item or when WriteRoom says no.
bool QueueWrite(ProgramState& state, std::optional<int16_t> before = std::nullopt);

// The write just queued (a scaling limit) pulled the SV limit of PrmData code `code` along; `old`
// is the limit before the pull, kept for a refusal unless an earlier waiting edit kept one.
void NotePulled(ProgramState& state, uint8_t code, int16_t old);

// Whether a write waits for controller `ch`; for its data item `item` when given.
bool WriteWaits(const ProgramState& state, int ch, std::optional<uint16_t> item = std::nullopt);

// The controller refused the write: memory returns to what it held before the first waiting
// edit of the place (with the SV limit a scaling limit pulled along), unless it was replaced
// since, and the write is dropped.
void UndoWrite(ProgramState& state, uint32_t seq);

// Drops the write of sequence number `seq`; SendReq returns to 0 when no write is left.
void DropWrite(ProgramState& state, uint32_t seq);

}  // namespace qd470
