// Fuzz target: the image reader fed with mutated JPEG files (seeds in
// fuzz/corpus/jpeg/); the reader detects the format from the bytes.
#include "ImageFuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  vyrfuzz::LoadImageBytes(Data, Size);
  return 0;
}
