// RIFF MIDI (RMI) files: a standard MIDI file wrapped in a RIFF "RMID" form.
#pragma once

#include <optional>
#include <string_view>

namespace vl {

// The standard MIDI file held in the form's "data" chunk, or nothing when the
// bytes are no RMI file or a chunk claims more bytes than the file has.
std::optional<std::string_view> embeddedMidi(std::string_view file);

// Whether the bytes begin as a RIFF MIDI file does (cheap: the first 12 bytes).
bool looksLikeRmi(std::string_view head);

}  // namespace vl
