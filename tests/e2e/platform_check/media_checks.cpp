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

// Pause, seek and the mode that follows them, on a long wave.
void checkModes(Tally& t, vl::MediaDevices& devices, const std::string& longWave) {
  auto device = devices.create();
  t.expect(device->mode() == vl::MediaMode::NotOpen, "a new device is not open");
  t.expect(device->open("", longWave, true).empty(), "the long wave opens");
  t.expect(device->mode() == vl::MediaMode::Stopped, "an opened device is stopped");
  t.expect(device->play(true, false).empty() && device->mode() == vl::MediaMode::Playing,
           "a play plays");
  t.expect(device->pause().empty() && device->mode() == vl::MediaMode::Paused, "pause pauses");
  std::string sought = device->seek(4000);
  t.expect(sought.empty(), "seek succeeds", sought);
  t.expect(device->mode() == vl::MediaMode::Stopped, "a seek leaves it stopped");
  t.expect(device->position() == 4000, "the position is where it was sought",
           std::to_string(device->position()));
  t.expect(device->track() == 0 && device->trackCount() == 0 && !device->canEject(),
           "a wave has no tracks and no door");
  t.expect(!device->step(1).empty(), "a wave does not step");
  device->close();
  t.expect(device->mode() == vl::MediaMode::NotOpen, "a closed device is not open");
}

// Temporary files the device made for RMI music.
int temporaryMidiFiles() {
  wchar_t dir[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, dir);
  WIN32_FIND_DATAW d;
  HANDLE h = FindFirstFileW((std::wstring(dir) + L"vlm*.tmp").c_str(), &d);
  if (h == INVALID_HANDLE_VALUE) return 0;
  int n = 0;
  do ++n;
  while (FindNextFileW(h, &d));
  FindClose(h);
  return n;
}

// RMI music opens through its plain MIDI, whose temporary copy goes with the
// device; a broken RMI opens nothing and leaves nothing.
void checkRmi(Tally& t, vl::MediaDevices& devices, const std::string& folder) {
  std::string midi = testmedia::midiFile(4);
  std::string rmi = folder + "song.rmi", broken = folder + "broken.rmi";
  t.expect(writeFile(rmi, testmedia::rmiFile(midi)), "song.rmi written");
  t.expect(writeFile(broken,
                     testmedia::riff("RMID", "data" + std::string("\xF0\xFF\xFF\x7F", 4) + midi)),
           "broken.rmi written");
  int before = temporaryMidiFiles();
  auto device = devices.create();
  std::string opened = device->open("", rmi, true);
  t.expect(opened.empty(), "an RMI file opens", opened);
  t.expect(device->length() >= 1500 && device->length() <= 2500,
           "its music lasts about two seconds", std::to_string(device->length()));
  t.expect(temporaryMidiFiles() == before + 1, "its MIDI is in one temporary file");
  device->close();
  t.expect(temporaryMidiFiles() == before, "closing removes the temporary file");
  t.expect(!device->open("", broken, true).empty(), "a broken RMI does not open");
  t.expect(temporaryMidiFiles() == before, "and leaves no temporary file");
  t.expect(device->open("", rmi, true).empty(), "the RMI opens again");
  device.reset();
  t.expect(temporaryMidiFiles() == before, "destroying an open device removes it too");
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
  checkModes(t, devices, longWave);
  checkRmi(t, devices, folder);
  auto cd = devices.create();
  t.expect(!cd->open("cdaudio", "", true).empty() && !cd->isOpen(),
           "without a drive the CD device fails with a reason");
}

}  // namespace check
