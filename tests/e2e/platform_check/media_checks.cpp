// MCI devices on a short wave file: open, length, play to the end with a
// notification, and the failures the program must see as text.
#include <memory>
#include <optional>
#include <vector>

#include "check.h"
#include "platform/win32/mci_device.h"
#include "../media_files.h"
#include "samples.h"

namespace check {

namespace {

// Playback runs faster than real time under Wine; this only bounds a hang.
constexpr DWORD kPlayDeadline = 20000;

const char* notifyName(std::optional<vl::MediaNotify> n) {
  if (!n) return "nothing";
  switch (*n) {
    case vl::MediaNotify::Successful:
      return "successful";
    case vl::MediaNotify::Superseded:
      return "superseded";
    case vl::MediaNotify::Aborted:
      return "aborted";
    default:
      return "failure";
  }
}

// A device destroyed while it plays must never be called back, even when the
// next device is given its ID.
void checkDestroyedWhilePlaying(Tally& t, vl::MediaDevices& devices, const std::string& wave) {
  bool staleCall = false;
  auto doomed = devices.create();
  doomed->Done = [&staleCall](vl::MediaNotify) { staleCall = true; };
  std::string opened = doomed->open("", wave, false);
  std::string played = doomed->play(true, false);
  t.expect(opened.empty() && played.empty(), "a second device opens and plays", opened + played);
  doomed.reset();

  std::optional<vl::MediaNotify> done;
  auto next = devices.create();
  next->Done = [&done](vl::MediaNotify n) { done = n; };
  std::string again = next->open("", wave, true);
  t.expect(again.empty() && next->play(true, false).empty(), "a third device opens after it",
           again);
  bool ended = pumpUntil([&] { return done.has_value(); }, kPlayDeadline);
  t.expect(ended && *done == vl::MediaNotify::Successful,
           "the third device alone is told its play ended", notifyName(done));
  t.expect(!staleCall, "the destroyed device was never called back");
}

// A play cut short by stop, or by another play, is told how it ended. The
// wave is long enough that it cannot end on its own before that.
void checkInterruptedPlays(Tally& t, vl::MediaDevices& devices, const std::string& longWave) {
  auto device = devices.create();
  std::vector<vl::MediaNotify> heard;
  device->Done = [&heard](vl::MediaNotify n) { heard.push_back(n); };
  std::string opened = device->open("waveaudio", longWave, true);
  t.expect(opened.empty(), "a long wave opens on the waveaudio device", opened);
  t.expect(device->play(true, false).empty() && device->stop().empty(), "play then stop succeed");
  bool told = pumpUntil([&] { return !heard.empty(); }, kPlayDeadline);
  t.expect(told && heard[0] == vl::MediaNotify::Aborted, "the stopped play ends aborted",
           told ? notifyName(heard[0]) : "nothing");

  heard.clear();
  t.expect(device->play(true, false).empty() && device->play(true, false).empty(),
           "two plays in a row start");
  // Wine says aborted where the documentation leads one to expect superseded.
  told = pumpUntil([&] { return heard.size() == 2; }, kPlayDeadline);
  t.expect(
      told && (heard[0] == vl::MediaNotify::Aborted || heard[0] == vl::MediaNotify::Superseded),
      "the first play is told it was cut short", heard.empty() ? "nothing" : notifyName(heard[0]));
  t.expect(told && heard[1] == vl::MediaNotify::Successful, "the second play ends successfully",
           heard.size() < 2 ? "nothing" : notifyName(heard[1]));
  device->close();
}

}  // namespace

void runMediaChecks(Tally& t, const std::string& folder) {
  std::string wave = folder + "silence.wav";
  t.expect(writeFile(wave, testmedia::silentWave(3)), "silence.wav written");
  vl::win32::MciDevices devices;

  auto device = devices.create();
  std::optional<vl::MediaNotify> done;
  device->Done = [&done](vl::MediaNotify n) { done = n; };
  std::string opened = device->open("", wave, true);
  t.expect(opened.empty() && device->isOpen(), "the wave opens when asked to share it", opened);
  long length = device->length();
  t.expect(length > 0, "the wave reports a length in ms", std::to_string(length));
  t.expect(length >= 250 && length <= 350, "the length is about 300 ms", std::to_string(length));
  t.expect(device->track() == 0, "a wave has no track");
  std::string played = device->play(true, false);
  t.expect(played.empty(), "play with a notification starts", played);
  bool ended = pumpUntil([&] { return done.has_value(); }, kPlayDeadline);
  t.expect(ended && *done == vl::MediaNotify::Successful, "the play ends successfully",
           notifyName(done));
  t.expect(device->position() == length, "the position is at the end",
           std::to_string(device->position()));

  std::string closed = device->close();
  t.expect(closed.empty() && !device->isOpen(), "close succeeds", closed);
  std::string afterClose = device->play(false, false);
  t.expect(!afterClose.empty(), "play after close fails with a reason", afterClose);
  t.expect(device->close().empty(), "a second close is harmless");
  t.expect(device->length() == 0 && device->position() == 0, "a closed device has no length");

  std::string missing = device->open("", folder + "missing.wav", true);
  t.expect(!missing.empty() && !device->isOpen(), "a missing file fails with a reason", missing);
  std::string noDevice = device->open("nosuchdevice", "", false);
  t.expect(!noDevice.empty(), "an unknown device fails with a reason", noDevice);

  checkDestroyedWhilePlaying(t, devices, wave);
  std::string longWave = folder + "long.wav";
  t.expect(writeFile(longWave, testmedia::silentWave(100)), "long.wav written");
  checkInterruptedPlays(t, devices, longWave);
}

}  // namespace check
