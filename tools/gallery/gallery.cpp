// Draws every button face style and colour style into one image: gallery <output-file>.
#include <exception>
#include <iostream>

#include "gallery_sheet.h"
#include "image_file.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: gallery <output-file>\n";
    return 2;
  }
  try {
    const auto sheet = gallery::drawGallerySheet();
    gallery::writeImage(*sheet, argv[1]);
    std::cout << "wrote " << argv[1] << " (" << sheet->width() << " x " << sheet->height() << ")\n";
    return 0;
  } catch (const std::exception& e) {
    std::cerr << "gallery: " << e.what() << "\n";
    return 1;
  }
}
