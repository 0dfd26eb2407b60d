#include "componentpack/pack.h"

#include "componentpack/colorutils.h"
#include "componentpack/roapplication.h"

namespace pellax {

namespace {
TROApplication* g_application = nullptr;
}

ComponentPack::ComponentPack() {
    colorProblems_ = NamedColors::initialise();
    application_ = std::make_unique<TROApplication>();
    g_application = application_.get();
}

ComponentPack::~ComponentPack() {
    if (g_application == application_.get())
        g_application = nullptr;
}

TROApplication* ComponentPack::application() noexcept { return g_application; }

}  // namespace pellax
