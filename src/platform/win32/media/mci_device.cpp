#include "platform/win32/media/mci_device.h"

#include <windows.h>
#include <mmsystem.h>

#include <algorithm>
#include <vector>

#include "platform/files.h"
#include "platform/win32/system/system_library.h"
#include "platform/win32/media/temp_midi.h"
#include "platform/win32/system/text.h"

namespace vl::win32 {

namespace {

// Returned when winmm itself is missing, so callers see one kind of error.
constexpr MCIERROR kNoLibrary = ~MCIERROR{0};
constexpr wchar_t kNotifyClass[] = L"VarilumeMciNotify";

MCIERROR sendTo(SystemLibraries& libraries, MCIDEVICEID id, UINT command, DWORD flags,
                const void* params) {
  auto sendCommand =
      libraries.function<decltype(&::mciSendCommandW)>(L"winmm.dll", "mciSendCommandW");
  if (!sendCommand) return kNoLibrary;
  return sendCommand(id, command, flags, reinterpret_cast<DWORD_PTR>(params));
}

std::string textOf(SystemLibraries& libraries, MCIERROR code) {
  if (code == 0) return {};
  auto errorString =
      libraries.function<decltype(&::mciGetErrorStringW)>(L"winmm.dll", "mciGetErrorStringW");
  wchar_t text[256] = {};
  if (code != kNoLibrary && errorString && errorString(code, text, 256) && text[0])
    return narrow(text);
  return code == kNoLibrary ? errorText(ERROR_MOD_NOT_FOUND) : "MCI error " + std::to_string(code);
}

// A driver's play thread may still be on its way out of the driver when the
// device closes (it posts the notification, then returns); unloading the
// driver with the last device would pull its code from under that thread.
// The drivers stay loaded for the life of the program instead.
void keepDriversLoaded() {
  static constexpr const wchar_t* kDrivers[] = {L"mciseq.dll", L"mciwave.dll", L"mciavi32.dll",
                                                L"mcicda.dll", L"mciqtz32.dll"};
  for (const wchar_t* driver : kDrivers) {
    HMODULE pinned = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_PIN, driver, &pinned);
  }
}

}  // namespace

class MciDevice : public MediaDevice {
 public:
  explicit MciDevice(MciDevices& devices) : devices_(devices) {}
  MciDevice(const MciDevice&) = delete;
  MciDevice& operator=(const MciDevice&) = delete;
  ~MciDevice() override { close(); }

  std::string open(const std::string& deviceType, const std::string& fileName,
                   bool shareable) override {
    close();
    std::wstring type = widen(deviceType), file = widen(fileName);
    MCIERROR e = openDevice(type, file, shareable);
    // A sequencer that reads only plain MIDI gets the music inside an RMI file.
    if (e && !file.empty() && (type.empty() || _wcsicmp(type.c_str(), L"sequencer") == 0)) {
      if (auto midi = extractRmi(file)) {
        if (openDevice(L"sequencer", midi->path(), shareable) == 0) {
          e = 0;
          temp_ = std::move(midi);
        }
      }
    }
    if (e) return mciText(e);
    keepDriversLoaded();
    devices_.opened(*this);
    // Devices that know no milliseconds (video counts frames) keep their own.
    MCI_SET_PARMS format{};
    format.dwTimeFormat = MCI_FORMAT_MILLISECONDS;
    send(id_, MCI_SET, MCI_WAIT | MCI_SET_TIME_FORMAT, &format);
    cd_ = capability(MCI_GETDEVCAPS_DEVICE_TYPE) == MCI_DEVTYPE_CD_AUDIO;
    canEject_ = capability(MCI_GETDEVCAPS_CAN_EJECT) != 0;
    DWORD kind = capability(MCI_GETDEVCAPS_DEVICE_TYPE);
    canStep_ = kind == MCI_DEVTYPE_ANIMATION || kind == MCI_DEVTYPE_DIGITAL_VIDEO ||
               kind == MCI_DEVTYPE_VIDEODISC;
    return {};
  }

  std::string play(bool notify, bool wait) override {
    if (!isOpen()) return mciText(MCIERR_INVALID_DEVICE_ID);
    MCI_PLAY_PARMS p{};
    DWORD flags = wait ? MCI_WAIT : 0;
    if (notify) {
      HWND window = devices_.notifyWindow();
      if (!window) return errorText(GetLastError());
      p.dwCallback = reinterpret_cast<DWORD_PTR>(window);
      flags |= MCI_NOTIFY;
      ++pending_;
    }
    MCIERROR e = send(id_, MCI_PLAY, flags, &p);
    if (e && notify) --pending_;
    return mciText(e);
  }

  std::string pause() override { return simple(MCI_PAUSE); }
  std::string stop() override { return simple(MCI_STOP); }

  std::string seek(long to) override {
    if (!isOpen()) return mciText(MCIERR_INVALID_DEVICE_ID);
    MCI_SEEK_PARMS p{};
    p.dwTo = static_cast<DWORD>(std::max(0L, to));
    return mciText(send(id_, MCI_SEEK, MCI_WAIT | MCI_TO, &p));
  }

  std::string step(int frames) override {
    if (!isOpen()) return mciText(MCIERR_INVALID_DEVICE_ID);
    MCI_ANIM_STEP_PARMS p{};
    p.dwFrames = static_cast<DWORD>(frames < 0 ? -frames : frames);
    DWORD flags = MCI_WAIT | MCI_ANIM_STEP_FRAMES | (frames < 0 ? MCI_ANIM_STEP_REVERSE : 0);
    return mciText(send(id_, MCI_STEP, flags, &p));
  }

  std::string eject() override {
    if (!isOpen()) return mciText(MCIERR_INVALID_DEVICE_ID);
    MCI_SET_PARMS p{};
    return mciText(send(id_, MCI_SET, MCI_WAIT | MCI_SET_DOOR_OPEN, &p));
  }

  std::string close() override {
    if (!isOpen()) return {};
    MCI_GENERIC_PARMS p{};
    MCIERROR e = send(id_, MCI_CLOSE, MCI_WAIT, &p);
    devices_.closed(*this, id_);
    id_ = 0;
    pending_ = 0;
    cd_ = canEject_ = canStep_ = false;
    temp_.reset();  // the sequencer has let go of it
    return mciText(e);
  }

  bool isOpen() const override { return id_ != 0; }
  MediaMode mode() const override {
    if (!isOpen()) return MediaMode::NotOpen;
    switch (status(MCI_STATUS_MODE)) {
      case MCI_MODE_STOP:
        return MediaMode::Stopped;
      case MCI_MODE_PLAY:
        return MediaMode::Playing;
      case MCI_MODE_PAUSE:
        return MediaMode::Paused;
      default:
        return MediaMode::Other;
    }
  }
  long length() const override { return status(MCI_STATUS_LENGTH); }
  long position() const override { return status(MCI_STATUS_POSITION); }
  int track() const override {
    return cd_ ? static_cast<int>(status(MCI_STATUS_CURRENT_TRACK)) : 0;
  }
  int trackCount() const override {
    return cd_ ? static_cast<int>(status(MCI_STATUS_NUMBER_OF_TRACKS)) : 0;
  }
  long trackStart(int track) const override {
    return cd_ && track > 0 ? status(MCI_STATUS_POSITION, static_cast<DWORD>(track)) : 0;
  }
  bool canEject() const override { return canEject_; }
  bool canStep() const override { return canStep_; }

  // A notification MCI posted for this device's ID.
  bool takes(MCIDEVICEID id) const { return id == id_ && pending_ > 0; }
  void notified(UINT flag) {
    --pending_;
    // A copy: the handler may close or destroy this device.
    auto done = Done;
    if (done) done(static_cast<MediaNotify>(flag));
  }

 private:
  MCIERROR openDevice(const std::wstring& type, const std::wstring& file, bool shareable) {
    DWORD flags = MCI_WAIT;
    if (!file.empty()) flags |= MCI_OPEN_ELEMENT;
    if (!type.empty()) flags |= MCI_OPEN_TYPE;
    MCI_OPEN_PARMSW p{};
    auto attempt = [&](DWORD extra) {
      p = {};
      p.lpstrDeviceType = type.c_str();
      p.lpstrElementName = file.c_str();
      return send(0, MCI_OPEN, flags | extra, &p);
    };
    // Some devices refuse to be shared; they still play for us alone.
    MCIERROR e = attempt(shareable ? MCI_OPEN_SHAREABLE : 0);
    if (e && shareable) e = attempt(0);
    if (!e) id_ = p.wDeviceID;
    return e;
  }

  std::string simple(UINT command) {
    if (!isOpen()) return mciText(MCIERR_INVALID_DEVICE_ID);
    MCI_GENERIC_PARMS p{};
    return mciText(send(id_, command, MCI_WAIT, &p));
  }

  DWORD capability(DWORD item) const {
    MCI_GETDEVCAPS_PARMS caps{};
    caps.dwItem = item;
    return send(id_, MCI_GETDEVCAPS, MCI_WAIT | MCI_GETDEVCAPS_ITEM, &caps) ? 0 : caps.dwReturn;
  }

  // A status item; with a track, that track's (its start for the position).
  long status(DWORD item, DWORD track = 0) const {
    if (!isOpen()) return 0;
    MCI_STATUS_PARMS p{};
    p.dwItem = item;
    p.dwTrack = track;
    DWORD flags = MCI_WAIT | MCI_STATUS_ITEM | (track ? MCI_TRACK : 0);
    if (send(id_, MCI_STATUS, flags, &p)) return 0;
    return static_cast<long>(p.dwReturn);
  }

  MCIERROR send(MCIDEVICEID id, UINT command, DWORD flags, const void* params) const {
    return sendTo(devices_.libraries(), id, command, flags, params);
  }
  std::string mciText(MCIERROR code) const { return textOf(devices_.libraries(), code); }

  MciDevices& devices_;
  MCIDEVICEID id_ = 0;
  // Plays that asked to be notified and have not been yet.
  int pending_ = 0;
  bool cd_ = false, canEject_ = false, canStep_ = false;
  std::unique_ptr<TempMidi> temp_;
};

MciDevices::~MciDevices() {
  if (notifyWindow_) DestroyWindow(notifyWindow_);
}

std::unique_ptr<MediaDevice> MciDevices::create() {
  return std::make_unique<MciDevice>(*this);
}

// Where MCI itself looks up the device for a file's extension.
std::string MciDevices::deviceTypeFor(const std::string& fileName) {
  std::wstring name = widen(fileNameOf(fileName));
  std::size_t dot = name.rfind(L'.');
  if (dot == std::wstring::npos || dot + 1 == name.size()) return {};
  auto getValue = libraries_.function<decltype(&::RegGetValueW)>(L"advapi32.dll", "RegGetValueW");
  if (!getValue) return {};
  wchar_t device[64] = {};
  DWORD bytes = sizeof device - sizeof(wchar_t);
  if (getValue(HKEY_LOCAL_MACHINE,
               L"Software\\Microsoft\\Windows NT\\CurrentVersion\\MCI Extensions",
               name.c_str() + dot + 1, RRF_RT_REG_SZ, nullptr, device, &bytes) != ERROR_SUCCESS)
    return {};
  return narrow(device);
}

LRESULT CALLBACK MciDevices::notifyProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lp);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* devices = reinterpret_cast<MciDevices*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (msg != MM_MCINOTIFY || !devices) return DefWindowProcW(hwnd, msg, wp, lp);
  devices->deliver(static_cast<MCIDEVICEID>(lp), static_cast<UINT>(wp));
  return 0;
}

HWND MciDevices::notifyWindow() {
  if (notifyWindow_) return notifyWindow_;
  WNDCLASSW wc{};
  wc.lpfnWndProc = &notifyProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = kNotifyClass;
  // Another owner in this module registered it already: as good.
  if (!RegisterClassW(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) return nullptr;
  notifyWindow_ = CreateWindowExW(0, kNotifyClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                  GetModuleHandleW(nullptr), this);
  return notifyWindow_;
}

// Takes back notifications already posted for a device that is gone; another
// device may soon be given the same ID.
void MciDevices::closed(MciDevice& device, MCIDEVICEID id) {
  std::erase(open_, &device);
  if (!notifyWindow_) return;
  std::vector<MSG> others;
  MSG m;
  while (PeekMessageW(&m, notifyWindow_, MM_MCINOTIFY, MM_MCINOTIFY, PM_REMOVE)) {
    if (static_cast<MCIDEVICEID>(m.lParam) != id) others.push_back(m);
  }
  for (const MSG& o : others) PostMessageW(notifyWindow_, o.message, o.wParam, o.lParam);
}

void MciDevices::deliver(MCIDEVICEID id, UINT flag) {
  auto it = std::find_if(open_.begin(), open_.end(), [id](MciDevice* d) { return d->takes(id); });
  if (it != open_.end()) (*it)->notified(flag);
}

}  // namespace vl::win32
