// A whole system in memory: the program over the in-memory back end.
#pragma once

#include <memory>
#include <string>

#include "app/app.h"
#include "app/form15.h"
#include "main_window_parts.h"
#include "platform/memory/memory_devices.h"
#include "platform/memory/memory_files.h"
#include "platform/memory/memory_services.h"
#include "platform/memory/memory_ui.h"

namespace vl::test {

struct TestSystem {
  MemoryUi ui;
  MemoryFileSystem fs;
  Cp1252Codec codec;
  MemoryLauncher launcher;
  ScriptedRandom random;
  RecordingMediaDevices media;
  RecordingTrayIcon tray;
  ScriptedFileDialog fileDialog;
  std::string commandLine;
  MemoryInstances instances;
  MemoryActivity activity;
  MemoryWorkers workers;
  std::unique_ptr<Services> services;
  std::unique_ptr<App> app;
  std::unique_ptr<MainWindowParts> main;

  Services& servicesOnly() {
    if (!services)
      services = std::make_unique<Services>(Services{ui, fs, codec, launcher, random, media, tray,
                                                     fileDialog, commandLine, instances, activity,
                                                     workers});
    return *services;
  }
  // The main window, made if need be, by its parts.
  MainWindowParts& mainWindow() {
    if (!main) main = std::make_unique<MainWindowParts>(app->mainWindow());
    return *main;
  }
  MainWindowParts& startMain() {
    start();
    return mainWindow();
  }
  App& start() {
    app = std::make_unique<App>(servicesOnly());
    app->start();
    return *app;
  }
  // A loaded form of the program by its name, as the user finds its window;
  // null when it has none.
  template <class F>
  F* form(const std::string& name) {
    for (Form* f : ui.Ui::loadedForms())
      if (f->name() == name) return dynamic_cast<F*>(f);
    return nullptr;
  }
  Form15* firstRun() { return form<Form15>("Form15"); }
  std::string file(const std::string& path) const { return fs.contents(path).value_or("<none>"); }
  // A file, with the directories it needs.
  void put(const std::string& path, const std::string& bytes) {
    fs.addDirectory(directoryOf(path));
    fs.writeFile(path, bytes);
  }
  // A sound, music or video file of the kind its extension names, whole and
  // sound, as the system's players are given it.
  void putMedia(const std::string& path);
  // A second start already knows the Windows path.
  void knowWindowsPath(const std::string& path = "c:\\windows\\") {
    put("c:\\windir.cfg", path + "\r\n");
  }
};

// A tip.dat of the given tips, each padded with spaces to 255 bytes.
std::string tipRecords(std::initializer_list<std::string> tips);

}  // namespace vl::test
