// The picture cache reading ahead on real threads while the files it reads
// are written anew: run under the sanitizers, it must hold no stale picture,
// and no more pictures than the shown one and its two neighbours.
#include <gtest/gtest.h>

#include <atomic>
#include <deque>
#include <map>
#include <mutex>
#include <thread>

#include "platform/picture.h"
#include "platform/workers.h"

namespace vl {
namespace {

// Each picture knows the version of the file it was decoded from.
struct VersionedPicture : Picture {
  explicit VersionedPicture(std::uint64_t v) : version(v) { ++live; }
  ~VersionedPicture() override { --live; }
  int widthTwips() const override { return 15; }
  int heightTwips() const override { return 15; }
  std::uint64_t version;
  static inline std::atomic<int> live = 0;
};

class VersionedFiles : public PictureDecoder {
 public:
  PictureLoad decode(const std::string& source) override {
    std::optional<std::uint64_t> v = version(source);
    std::this_thread::yield();  // give a writer the chance to come between
    if (!v) return {nullptr, "gone"};
    return {std::make_shared<VersionedPicture>(*v), {}};
  }
  std::optional<std::uint64_t> version(const std::string& source) override {
    std::lock_guard lock(mutex_);
    auto it = versions_.find(source);
    if (it == versions_.end()) return std::nullopt;
    return it->second;
  }
  void write(const std::string& source) {
    std::lock_guard lock(mutex_);
    versions_[source] = ++writes_;
  }
  void remove(const std::string& source) {
    std::lock_guard lock(mutex_);
    versions_.erase(source);
  }

 private:
  std::mutex mutex_;
  std::map<std::string, std::uint64_t> versions_;
  std::uint64_t writes_ = 0;
};

// Workers on threads of their own; their endings wait for the test's turn of
// the message loop, as they wait for the windows' thread.
class ThreadWorkers : public Workers {
 public:
  class ThreadJob : public Job {
   public:
    ~ThreadJob() override {
      *dropped = true;
      if (thread.joinable()) thread.join();
    }
    void wait() override {
      if (thread.joinable()) thread.join();
    }
    std::thread thread;
    std::shared_ptr<bool> dropped = std::make_shared<bool>(false);
  };

  std::unique_ptr<Job> start(std::function<void()> work, std::function<void()> ended) override {
    auto job = std::make_unique<ThreadJob>();
    std::shared_ptr<bool> dropped = job->dropped;
    job->thread = std::thread([this, work = std::move(work), ended = std::move(ended), dropped] {
      work();
      std::lock_guard lock(mutex_);
      endings_.push_back([ended, dropped] {
        if (!*dropped) ended();
      });
    });
    return job;
  }
  // The message loop's turn: the endings posted so far.
  void runEndings() {
    std::deque<std::function<void()>> due;
    {
      std::lock_guard lock(mutex_);
      due.swap(endings_);
    }
    for (auto& ending : due) ending();
  }

 private:
  std::mutex mutex_;
  std::deque<std::function<void()>> endings_;
};

TEST(PictureCacheThreads, QuickKeysOverAFolderWhileItsFilesAreWrittenAnew) {
  VersionedFiles files;
  std::vector<std::string> folder;
  for (int i = 0; i < 20; ++i) {
    folder.push_back("C:\\PICS\\" + std::to_string(i) + ".bmp");
    files.write(folder.back());
  }
  ThreadWorkers workers;
  {
    PictureCache cache(files, &workers);
    std::atomic<bool> writing = true;
    std::thread writer([&] {
      for (unsigned n = 0; writing; ++n) {
        files.write(folder[(n * 7) % folder.size()]);
        if (n % 50 == 0) files.remove(folder[n % folder.size()]);
        if (n % 50 == 1) files.write(folder[(n - 1) % folder.size()]);
        std::this_thread::yield();
      }
    });
    std::shared_ptr<const Picture> shown;
    int at = 0;
    for (int key = 0; key < 200; ++key) {
      at = key % 40 < 25 ? std::min(at + 1, 19) : std::max(at - 1, 0);  // forth, then back
      if (key % 17 == 0) at = (key * 13) % 20;                          // a jump
      // As the program does: the shown picture first, then its neighbours.
      std::vector<std::string> around{folder[at]};
      if (at + 1 < 20) around.push_back(folder[at + 1]);
      if (at > 0) around.push_back(folder[at - 1]);
      std::optional<std::uint64_t> before = files.version(folder[at]);
      cache.readAhead(around);
      PictureLoad load = cache.load(folder[at]);
      if (load.picture) {
        // Never older than the file was when it was asked for.
        auto& picture = static_cast<const VersionedPicture&>(*load.picture);
        if (before) {
          EXPECT_GE(picture.version, *before) << key;
        }
      }
      shown = load.picture;
      workers.runEndings();
      EXPECT_LE(cache.heldAhead(), 3u);
      // The shown, two held ahead, and one dropped reading still finishing.
      EXPECT_LE(VersionedPicture::live.load(), 4) << key;
    }
    writing = false;
    writer.join();
  }
  workers.runEndings();
  EXPECT_EQ(VersionedPicture::live.load(), 0);
}

}  // namespace
}  // namespace vl
