#pragma once

#include "description.h"

namespace toolkit {

// Encodes a description in the binary format. Throws std::invalid_argument
// when a record holds a value its kind cannot store.
Bytes writeDescription(const Description& description);

} // namespace toolkit
