#pragma once

#include <memory>

namespace pellax {

class TROApplication;

// The component pack's start-up and end, for the program's lifetime: reads the
// desktop's caption gradient colours into the named-colour table and makes the
// pack's one application object.
class ComponentPack {
public:
    // Raises EConvertError when a gradient colour setting is malformed.
    ComponentPack();
    ~ComponentPack();
    ComponentPack(const ComponentPack&) = delete;
    ComponentPack& operator=(const ComponentPack&) = delete;

    // The application object while a pack exists; nullptr otherwise.
    static TROApplication* application() noexcept;

private:
    std::unique_ptr<TROApplication> application_;
};

}  // namespace pellax
