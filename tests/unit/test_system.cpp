#include "test_system.h"

#include <cctype>

#include "../e2e/media_files.h"

namespace vl::test {

void TestSystem::putMedia(const std::string& path) {
  std::string ext = path.substr(path.size() < 3 ? 0 : path.size() - 3);
  for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  std::string midi = testmedia::midiFile(2);
  put(path, ext == "wav"   ? testmedia::silentWave(2)
            : ext == "mid" ? midi
            : ext == "rmi" ? testmedia::rmiFile(midi)
            : ext == "avi" ? testmedia::aviFile(8, 8, 2, 10)
                           : "not a media file");
}

}  // namespace vl::test
