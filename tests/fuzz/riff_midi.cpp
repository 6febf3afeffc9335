// RIFF MIDI files: the MIDI data found always lies inside the file and
// begins as a standard MIDI file; the first 12 bytes decide what is an RMI.
#include "fuzz.h"
#include "platform/riff_midi.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view file = fuzz::bytes(data, size);
  bool rmi = vl::looksLikeRmi(file);
  FUZZ_CHECK(vl::looksLikeRmi(file.substr(0, 12)) == rmi);
  if (auto midi = vl::embeddedMidi(file)) {
    FUZZ_CHECK(rmi);
    FUZZ_CHECK(midi->data() >= file.data() + 20);
    FUZZ_CHECK(midi->data() + midi->size() <= file.data() + file.size());
    FUZZ_CHECK(midi->size() >= 14 && midi->substr(0, 4) == "MThd");
  }
  return 0;
}
