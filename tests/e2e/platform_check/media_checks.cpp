// MCI devices on a short wave file: open, length, play to the end with a
// notification, and the failures the program must see as text.
#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "platform/win32/media/mci_device.h"
#include "platform/win32/system/system_library.h"
#include "../media_files.h"
#include "samples.h"
#include "services.h"

namespace pc {

namespace {

// Playback runs faster than real time under Wine; this only bounds a hang.
constexpr DWORD kPlayDeadline = 20000;

std::string notifyName(std::optional<vl::MediaNotify> n) {
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

// Every notification heard, in order.
std::string heardText(const std::vector<vl::MediaNotify>& heard) {
  std::string text;
  for (vl::MediaNotify n : heard) text += (text.empty() ? "" : ", ") + notifyName(n);
  return text.empty() ? "nothing" : text;
}

std::string modeName(vl::MediaMode mode) {
  switch (mode) {
    case vl::MediaMode::NotOpen:
      return "not open";
    case vl::MediaMode::Stopped:
      return "stopped";
    case vl::MediaMode::Playing:
      return "playing";
    case vl::MediaMode::Paused:
      return "paused";
    default:
      return "other (" + std::to_string(static_cast<int>(mode)) + ")";
  }
}

// A call's error and the mode the device is in after it.
std::string callAndMode(const std::string& error, const vl::MediaDevice& device) {
  return reason(error) + ", " + modeName(device.mode());
}

// A call's error and whether the device is open after it.
std::string callAndOpen(const std::string& error, const vl::MediaDevice& device) {
  return reason(error) + (device.isOpen() ? ", open" : ", not open");
}

// Runs the named calls in order up to the first that fails; its name and
// error, or nothing when all succeed.
std::string firstFailure(
    const std::vector<std::pair<const char*, std::function<std::string()>>>& calls) {
  for (const auto& [name, call] : calls) {
    std::string error = call();
    if (!error.empty()) return std::string(name) + ": " + reason(error);
  }
  return {};
}

// A device destroyed while it plays must never be called back, even when the
// next device is given its ID.
void checkDestroyedWhilePlaying(vl::MediaDevices& devices, const std::string& wave) {
  bool staleCall = false;
  auto doomed = devices.create();
  doomed->Done = [&staleCall](vl::MediaNotify) { staleCall = true; };
  std::string opened = doomed->open("", wave, false);
  std::string played = doomed->play(true, false);
  CHECK_MSG(opened.empty() && played.empty(), "a second device opens and plays",
            "open " + reason(opened) + ", play " + reason(played));
  doomed.reset();

  std::optional<vl::MediaNotify> done;
  auto next = devices.create();
  next->Done = [&done](vl::MediaNotify n) { done = n; };
  std::string failed = firstFailure({{"open", [&] { return next->open("", wave, true); }},
                                     {"play", [&] { return next->play(true, false); }}});
  CHECK_EQ_MSG(failed, "", "a third device opens after it");
  pumpUntil([&] { return done.has_value(); }, kPlayDeadline);
  CHECK_EQ_MSG(notifyName(done), "successful", "the third device alone is told its play ended");
  CHECK_EQ_MSG(staleCall, false, "the destroyed device was never called back");
}

// A play cut short by stop, or by another play, is told how it ended. The
// wave is long enough that it cannot end on its own before that.
void checkInterruptedPlays(vl::MediaDevices& devices, const std::string& longWave) {
  auto device = devices.create();
  std::vector<vl::MediaNotify> heard;
  device->Done = [&heard](vl::MediaNotify n) { heard.push_back(n); };
  std::string opened = device->open("waveaudio", longWave, true);
  CHECK_EQ_MSG(opened, "", "a long wave opens on the waveaudio device");
  std::string failed = firstFailure({{"play", [&] { return device->play(true, false); }},
                                     {"stop", [&] { return device->stop(); }}});
  CHECK_EQ_MSG(failed, "", "play then stop succeed");
  bool told = pumpUntil([&] { return !heard.empty(); }, kPlayDeadline);
  CHECK_MSG(told && heard[0] == vl::MediaNotify::Aborted, "the stopped play ends aborted",
            heardText(heard));

  heard.clear();
  failed = firstFailure({{"first play", [&] { return device->play(true, false); }},
                         {"second play", [&] { return device->play(true, false); }}});
  CHECK_EQ_MSG(failed, "", "two plays in a row start");
  // Wine says aborted where the documentation leads one to expect superseded.
  told = pumpUntil([&] { return heard.size() == 2; }, kPlayDeadline);
  CHECK_MSG(
      told && (heard[0] == vl::MediaNotify::Aborted || heard[0] == vl::MediaNotify::Superseded),
      "the first play is told it was cut short", heardText(heard));
  CHECK_MSG(told && heard[1] == vl::MediaNotify::Successful, "the second play ends successfully",
            heardText(heard));
  device->close();
}

// Pause, seek and the mode that follows them, on a long wave.
void checkModes(vl::MediaDevices& devices, const std::string& longWave) {
  auto device = devices.create();
  CHECK_EQ_MSG(modeName(device->mode()), "not open", "a new device is not open");
  CHECK_EQ_MSG(device->open("", longWave, true), "", "the long wave opens");
  CHECK_EQ_MSG(modeName(device->mode()), "stopped", "an opened device is stopped");
  std::string played = device->play(true, false);
  CHECK_MSG(played.empty() && device->mode() == vl::MediaMode::Playing, "a play plays",
            callAndMode(played, *device));
  std::string paused = device->pause();
  CHECK_MSG(paused.empty() && device->mode() == vl::MediaMode::Paused, "pause pauses",
            callAndMode(paused, *device));
  CHECK_EQ_MSG(device->seek(4000), "", "seek succeeds");
  CHECK_EQ_MSG(modeName(device->mode()), "stopped", "a seek leaves it stopped");
  CHECK_EQ_MSG(device->position(), 4000L, "the position is where it was sought");
  CHECK_MSG(device->track() == 0 && device->trackCount() == 0 && !device->canEject(),
            "a wave has no tracks and no door",
            "track " + std::to_string(device->track()) + " of " +
                std::to_string(device->trackCount()) +
                (device->canEject() ? ", can eject" : ", cannot eject"));
  CHECK_MSG(!device->step(1).empty(), "a wave does not step", "it stepped with no error");
  device->close();
  CHECK_EQ_MSG(modeName(device->mode()), "not open", "a closed device is not open");
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
void checkRmi(vl::MediaDevices& devices, const std::string& folder) {
  std::string midi = testmedia::midiFile(4);
  std::string rmi = folder + "song.rmi", broken = folder + "broken.rmi";
  CHECK_EQ_MSG(writeFile(rmi, testmedia::rmiFile(midi)), true, "song.rmi written");
  CHECK_EQ_MSG(writeFile(broken, testmedia::riff(
                                     "RMID", "data" + std::string("\xF0\xFF\xFF\x7F", 4) + midi)),
               true, "broken.rmi written");
  int before = temporaryMidiFiles();
  auto device = devices.create();
  CHECK_EQ_MSG(device->open("", rmi, true), "", "an RMI file opens");
  long length = device->length();
  CHECK_MSG(length >= 1500 && length <= 2500, "its music lasts about two seconds",
            std::to_string(length) + " ms");
  CHECK_EQ_MSG(temporaryMidiFiles(), before + 1, "its MIDI is in one temporary file");
  device->close();
  CHECK_EQ_MSG(temporaryMidiFiles(), before, "closing removes the temporary file");
  CHECK_MSG(!device->open("", broken, true).empty(), "a broken RMI does not open",
            "it opened with no error");
  CHECK_EQ_MSG(temporaryMidiFiles(), before, "and leaves no temporary file");
  CHECK_EQ_MSG(device->open("", rmi, true), "", "the RMI opens again");
  CHECK_EQ_MSG(device->play(true, false), "", "its music starts playing");
  device.reset();
  CHECK_EQ_MSG(temporaryMidiFiles(), before, "destroying an open device removes it too");
  // The sequencer's play thread may still be leaving its driver: the driver
  // must not be unloaded under it.
  CHECK_MSG(GetModuleHandleW(L"mciseq.dll") != nullptr,
            "the sequencer driver stays loaded after its last device closed", "it was unloaded");
}

}  // namespace

void runMediaChecks(const std::string& folder) {
  std::string wave = folder + "silence.wav";
  CHECK_EQ_MSG(writeFile(wave, testmedia::silentWave(3)), true, "silence.wav written");
  vl::win32::SystemLibraries libraries;
  vl::win32::MciDevices devices(libraries);

  auto device = devices.create();
  std::optional<vl::MediaNotify> done;
  device->Done = [&done](vl::MediaNotify n) { done = n; };
  std::string opened = device->open("", wave, true);
  CHECK_MSG(opened.empty() && device->isOpen(), "the wave opens when asked to share it",
            callAndOpen(opened, *device));
  long length = device->length();
  CHECK_MSG(length > 0, "the wave reports a length in ms", std::to_string(length) + " ms");
  CHECK_MSG(length >= 250 && length <= 350, "the length is about 300 ms",
            std::to_string(length) + " ms");
  CHECK_EQ_MSG(device->track(), 0, "a wave has no track");
  CHECK_EQ_MSG(device->play(true, false), "", "play with a notification starts");
  pumpUntil([&] { return done.has_value(); }, kPlayDeadline);
  CHECK_EQ_MSG(notifyName(done), "successful", "the play ends successfully");
  CHECK_EQ_MSG(device->position(), length, "the position is at the end");

  std::string closed = device->close();
  CHECK_MSG(closed.empty() && !device->isOpen(), "close succeeds", callAndOpen(closed, *device));
  std::string afterClose = device->play(false, false);
  CHECK_MSG(!afterClose.empty(), "play after close fails with a reason", reason(afterClose));
  CHECK_EQ_MSG(device->close(), "", "a second close is harmless");
  CHECK_MSG(device->length() == 0 && device->position() == 0, "a closed device has no length",
            "length " + std::to_string(device->length()) + ", position " +
                std::to_string(device->position()));

  std::string missing = device->open("", folder + "missing.wav", true);
  CHECK_MSG(!missing.empty() && !device->isOpen(), "a missing file fails with a reason",
            callAndOpen(missing, *device));
  std::string noDevice = device->open("nosuchdevice", "", false);
  CHECK_MSG(!noDevice.empty(), "an unknown device fails with a reason", reason(noDevice));

  checkDestroyedWhilePlaying(devices, wave);
  std::string longWave = folder + "long.wav";
  CHECK_EQ_MSG(writeFile(longWave, testmedia::silentWave(100)), true, "long.wav written");
  checkInterruptedPlays(devices, longWave);
  checkModes(devices, longWave);
  checkRmi(devices, folder);
  auto cd = devices.create();
  std::string cdOpened = cd->open("cdaudio", "", true);
  CHECK_MSG(!cdOpened.empty() && !cd->isOpen(), "without a drive the CD device fails with a reason",
            callAndOpen(cdOpened, *cd));
}

}  // namespace pc
