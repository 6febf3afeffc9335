#include "platform/picture.h"

#include <algorithm>
#include <cctype>
#include <utility>

#include "platform/workers.h"

namespace vl {

namespace {

// Windows paths name the same file whatever their letters' case.
std::string keyOf(const std::string& source) {
  std::string key = source;
  std::transform(key.begin(), key.end(), key.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return key;
}

}  // namespace

// What a worker made of a source: touched by the worker until it ends, then
// by the windows' thread only.
struct PictureCache::Outcome {
  PictureLoad load;
  std::optional<std::uint64_t> before, after;  // the file's version around the decoding
};

void PictureCache::decodeInto(PictureDecoder& decoder, const std::string& source, Outcome& out) {
  out.before = decoder.version(source);
  out.load = decoder.decode(source);
  out.after = decoder.version(source);
}

struct PictureCache::Reading {
  std::string key, source;
  std::shared_ptr<Outcome> outcome = std::make_shared<Outcome>();
  std::unique_ptr<Workers::Job> job;
  bool started = false;
  bool done = false;
};

PictureCache::PictureCache(PictureDecoder& decoder, Workers* workers)
    : decoder_(decoder), workers_(workers) {}

// The reading under way ends before the decoder it uses may go.
PictureCache::~PictureCache() {
  if (running_) running_->job.reset();
}

PictureLoad PictureCache::load(const std::string& source) {
  std::string key = keyOf(source);
  std::optional<std::uint64_t> now = decoder_.version(source);
  auto ahead = std::find_if(ahead_.begin(), ahead_.end(),
                            [&](const auto& r) { return r->key == key && r->started; });
  std::shared_ptr<Reading> reading;
  if (ahead != ahead_.end()) {
    reading = *ahead;
    if (!reading->done && reading->job) {
      reading->job->wait();  // this very picture: worth the wait
      ended(reading);
    }
    const Outcome& o = *reading->outcome;
    // Read before the file last changed, or while it changed: read again.
    if (reading->done && now && o.before == now && o.after == now) {
      if (o.load.picture) shown_[key] = {o.load.picture, now};
      return o.load;
    }
  }
  if (auto it = shown_.find(key); it != shown_.end() && now && it->second.version == now) {
    if (auto picture = it->second.picture.lock()) return {std::move(picture), {}};
  }
  // Forget pictures nobody shows any more, so the map stays small.
  std::erase_if(shown_, [](const auto& entry) { return entry.second.picture.expired(); });
  Outcome o;
  decodeInto(decoder_, source, o);
  if (o.load.picture && o.before && o.before == o.after) shown_[key] = {o.load.picture, o.before};
  // A stale reading held ahead gives way to this one, not kept beside it.
  if (reading && reading->done) *reading->outcome = o;
  return o.load;
}

void PictureCache::readAhead(std::vector<std::string> sources) {
  if (!workers_) return;
  std::vector<std::shared_ptr<Reading>> wanted;
  for (std::string& source : sources) {
    std::string key = keyOf(source);
    if (std::any_of(wanted.begin(), wanted.end(), [&](const auto& r) { return r->key == key; }))
      continue;
    auto held =
        std::find_if(ahead_.begin(), ahead_.end(), [&](const auto& r) { return r->key == key; });
    if (held != ahead_.end()) {
      wanted.push_back(*held);
      continue;
    }
    auto reading = std::make_shared<Reading>();
    // One still shown (the picture just left) is kept as it is, not read again.
    if (auto it = shown_.find(key); it != shown_.end()) {
      std::optional<std::uint64_t> now = decoder_.version(source);
      if (auto picture = it->second.picture.lock(); picture && now && it->second.version == now) {
        reading->started = reading->done = true;
        reading->outcome->load.picture = std::move(picture);
        reading->outcome->before = reading->outcome->after = now;
      }
    }
    reading->key = std::move(key);
    reading->source = std::move(source);
    wanted.push_back(std::move(reading));
  }
  // What is no longer wanted goes; one under way finishes on its own and is
  // then let go (waiting for it here would hold the windows up).
  ahead_ = std::move(wanted);
  startNext();
}

void PictureCache::startNext() {
  if (running_ || !workers_) return;
  auto next = std::find_if(ahead_.begin(), ahead_.end(), [](const auto& r) { return !r->started; });
  if (next == ahead_.end()) return;
  std::shared_ptr<Reading> reading = *next;
  reading->started = true;
  running_ = reading;
  std::shared_ptr<Outcome> outcome = reading->outcome;
  PictureDecoder* decoder = &decoder_;
  std::string source = reading->source;
  std::unique_ptr<Workers::Job> job =
      workers_->start([decoder, source, outcome] { decodeInto(*decoder, source, *outcome); },
                      [this, reading] { ended(reading); });
  if (!job && !reading->done) {
    // No worker: the picture is decoded when it is shown.
    reading->started = false;
    running_ = nullptr;
    ahead_.erase(std::find(ahead_.begin(), ahead_.end(), reading));
    return;
  }
  if (!reading->done) reading->job = std::move(job);
}

// On the windows' thread, once the worker is done with the reading.
void PictureCache::ended(const std::shared_ptr<Reading>& reading) {
  if (reading->done) return;
  reading->done = true;
  // Let go inside its own ending: the job's thread has finished its work.
  std::unique_ptr<Workers::Job> job = std::move(reading->job);
  if (running_ == reading) running_ = nullptr;
  job.reset();
  startNext();
}

}  // namespace vl
