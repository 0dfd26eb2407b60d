#pragma once

#include <QString>

class QWidget;

namespace pellax {

// Opens documents and web addresses with the desktop's default program.
class Shell {
public:
    virtual ~Shell() = default;
    // Returns false when the desktop could not open it; callers may ignore that.
    virtual bool open(const QString& address, QWidget* parent) = 0;
};

class DesktopShell final : public Shell {
public:
    bool open(const QString& address, QWidget* parent) override;
};

}  // namespace pellax
