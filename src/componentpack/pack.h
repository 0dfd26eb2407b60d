#pragma once

#include "componentpack/colorutils.h"

#include <memory>
#include <vector>

namespace pellax {

class TROApplication;

// The component pack's start-up and end, for the program's lifetime: reads the
// desktop's caption gradient colours into the named-colour table and makes the
// pack's one application object.
class ComponentPack {
public:
    // A malformed gradient colour setting gives way to the desktop's classic
    // colour; see colorProblems().
    ComponentPack();
    ~ComponentPack();
    ComponentPack(const ComponentPack&) = delete;
    ComponentPack& operator=(const ComponentPack&) = delete;

    // The application object while a pack exists; nullptr otherwise.
    static TROApplication* application() noexcept;

    // The malformed colour settings met at start-up, for the user to be told.
    const std::vector<EColorSettingError>& colorProblems() const noexcept { return colorProblems_; }

private:
    std::vector<EColorSettingError> colorProblems_;
    std::unique_ptr<TROApplication> application_;
};

}  // namespace pellax
