// Base package: reading text from streams.
#pragma once

#include "platform/Classes.h"

namespace vyr {

// Reads the next line of InStream from its current position and returns
// it without its line end, decoded from UTF-8 (invalid bytes become
// U+FFFD). A line ends at LF, CR LF or a lone CR; a UTF-8 byte-order mark
// at the very start of the stream is skipped. The stream is left right
// behind the line end. EndOfStream becomes true when no byte follows the
// line (a final line end starts no further line). With MaxLength above 0
// a longer line is cut to MaxLength code units and the rest of it is
// skipped; 0 reads lines of any length. A null stream gives the empty text
// and the end.
vcl::String ReadLnStream(vcl::TStream* InStream, bool& EndOfStream, int MaxLength);

}  // namespace vyr
