#pragma once
// A small LZRW1-KH compressor, written from the algorithm's description, to produce legacy
// chunks for the decoder's tests: greedy matches of 3 to 18 bytes up to 4095 bytes back,
// runs of 16 to 4111 equal bytes, and the stored form when compressing does not pay.
#include "archive_test_support.h"

namespace archive_test {

Bytes compressLzrw1kh(const Bytes& input);

}  // namespace archive_test
