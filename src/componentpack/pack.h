#pragma once

namespace pellax {

// The component pack's start-up and end, for the program's lifetime: reads the
// desktop's caption gradient colours into the named-colour table.
class ComponentPack {
public:
    // Raises EConvertError when a gradient colour setting is malformed.
    ComponentPack();
    ~ComponentPack();
    ComponentPack(const ComponentPack&) = delete;
    ComponentPack& operator=(const ComponentPack&) = delete;
};

}  // namespace pellax
