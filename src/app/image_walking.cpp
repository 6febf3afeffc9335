// Stepping through the Image page's pictures from a view or full screen.
#include <algorithm>
#include <memory>

#include "app/image_viewing.h"
#include "platform/files.h"
#include "platform/picture.h"
#include "platform/ui.h"

namespace vl {

namespace {

bool within(const Control* c, const Control& container) {
  for (; c; c = c->parent())
    if (c == &container) return true;
  return false;
}

}  // namespace

bool ImageViewing::walkKey(int code, Control* focused) {
  std::optional<WalkStep> step = walkStepOf(code);
  if (!step) return false;
  bool inHigh = within(focused, high.SSPanel11);
  bool inLow = within(focused, low.Frame17);
  // The High-Res view lies beside every page; off the Image page it takes
  // these keys only when the focus is inside it.
  bool onPage = tabs_.tab() == page_.Frame1.tabPage();
  bool highShown = high.SSPanel11.inSight() && (onPage || inHigh);
  bool lowShown = low.raised() && onPage;
  if (!highShown && !lowShown) return false;
  // Elsewhere Delete is the list's, or the text box's.
  if (*step == WalkStep::Delete && !inHigh && !inLow) return false;
  walk(*step);
  return true;
}

void ImageViewing::walk(WalkStep step) {
  if (step == WalkStep::Delete) {
    deleteShown();
    return;
  }
  const std::vector<ListItem>& items = page_.browser.pane.file.items();
  int count = static_cast<int>(items.size());
  int from = placeOfCurrent();
  int to = landing(from, count, step);
  if (to < 0) {
    status_.setText("There are no pictures in this folder");
    return;
  }
  if (to == from) {
    bool last = step == WalkStep::Next || step == WalkStep::Last;
    status_.setText(endText(items[to].text, to, count, last));
    return;
  }
  showAt(to);
}

int ImageViewing::placeOfCurrent() const {
  const BrowserPane& pane = page_.browser.pane;
  const std::string& current = page_.browser.currentFile();
  std::string name = fileNameOf(current);
  if (!name.empty() && samePath(joinPath(pane.directory(), name), current))
    if (int at = indexOfName(pane.file.items(), name); at >= 0) return at;
  return pane.file.listIndex();
}

void ImageViewing::showAt(int index) {
  BrowserPane& pane = page_.browser.pane;
  // Asked for while the picture being left is still shown, which keeps it as
  // the previous one; the next is read while this one is drawn.
  readAround(index);
  pane.file.setValue(index);
  page_.browser.setCurrentFile(pane.selectedPath());
  const std::string path = page_.browser.currentFile();
  bool told = preview(path);
  auto inView = [&](ViewPane& view) {
    std::string error = view.show(path, stretch());
    told = tell(path, error, view.image) || told;
  };
  if (high.SSPanel11.inSight()) inView(high.pane);
  if (low.raised()) inView(low.pane);
  if (Form6* full = fullScreen()) full->showPicture(path);
  if (!told)
    status_.setText(
        placeText(pane.selectedName(), index, static_cast<int>(pane.file.items().size())));
}

void ImageViewing::deleteShown() {
  BrowserPane& pane = page_.browser.pane;
  int at = placeOfCurrent();
  if (at < 0) return;
  pane.file.setValue(at);
  std::string path = pane.selectedPath();
  page_.browser.deleteSelection();
  if (services_.fs.fileExists(path)) return;  // the page has told why not
  int count = static_cast<int>(pane.file.items().size());
  if (count > 0) {
    showAt(std::min(at, count - 1));
    return;
  }
  // The folder's last picture went: nothing is left to show.
  pane.file.setValue(-1);
  page_.browser.setCurrentFile(pane.selectedPath());
  (void)page_.Image2.setPicture("");
  if (high.SSPanel11.inSight()) (void)high.pane.show("", stretch());
  if (low.raised()) (void)low.pane.show("", stretch());
  if (Form6* full = fullScreen()) full->showPicture("");
  status_.setText(fileNameOf(path) + " was the last picture in this folder");
}

void ImageViewing::readAround(int index) {
  const BrowserPane& pane = page_.browser.pane;
  int count = static_cast<int>(pane.file.items().size());
  if (index < 0 || index >= count) return;
  // The shown picture first: it is the one wanted most.
  std::vector<std::string> around;
  for (int at : {index, index + 1, index - 1})
    if (at >= 0 && at < count)
      around.push_back(joinPath(pane.directory(), pane.file.items()[at].text));
  services_.ui.readPicturesAhead(std::move(around));
}

}  // namespace vl
