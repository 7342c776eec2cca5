// Records the eight frames of a fade as the real control draws them: filmstrip <output-file>.
// Fails unless the frames came with FadeStep 8, then 7 down to 0.
#include <exception>
#include <iostream>
#include <vector>

#include "../gallery/image_file.h"
#include "fade_film.h"
#include "toolkit/thread.h"

namespace {

int record(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: filmstrip <output-file>\n";
    return 2;
  }
  try {
    const filmstrip::Film film = filmstrip::recordFade();
    if (film.fadeSteps != std::vector<int>{8, 7, 6, 5, 4, 3, 2, 1, 0}) {
      std::cerr << "filmstrip: the frames came with other fade steps:";
      for (const int s : film.fadeSteps) std::cerr << ' ' << s;
      std::cerr << "\n";
      return 1;
    }
    gallery::writeImage(*film.strip, argv[1]);
    std::cout << "wrote " << argv[1] << " (" << film.strip->width() << " x " << film.strip->height() << ")\n";
    return 0;
  } catch (const std::exception& e) {
    std::cerr << "filmstrip: " << e.what() << "\n";
    return 1;
  }
}

}  // namespace

int main(int argc, char** argv) {
  return toolkit::exitCodeAfterWorkers(record(argc, argv));
}
