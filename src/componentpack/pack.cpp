#include "componentpack/pack.h"

#include "componentpack/colorutils.h"

namespace pellax {

ComponentPack::ComponentPack() { NamedColors::initialise(); }

ComponentPack::~ComponentPack() = default;

}  // namespace pellax
