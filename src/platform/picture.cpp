#include "platform/picture.h"

#include <algorithm>
#include <cctype>

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

PictureLoad PictureCache::load(const std::string& source) {
  std::string key = keyOf(source);
  auto it = shown_.find(key);
  if (it != shown_.end()) {
    if (auto picture = it->second.lock()) return {std::move(picture), {}};
  }
  // Forget pictures nobody shows any more, so the map stays small.
  std::erase_if(shown_, [](const auto& entry) { return entry.second.expired(); });
  PictureLoad loaded = decoder_.decode(source);
  if (loaded.picture) shown_[key] = loaded.picture;
  return loaded;
}

}  // namespace vl
