#pragma once

#include "app/program.h"
#include "support/fixtures.h"

#include <QByteArray>

#include <memory>

namespace pellax::test {

// A test with the whole program: made once the scripted dialogs and shell are
// in place, gone before they are put back. Its main window is not shown yet.
class ProgramFixture : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        program = std::make_unique<Program>();
    }
    void TearDown() override {
        program.reset();
        AppTest::TearDown();
    }

    std::unique_ptr<Program> program;
};

// A game-type file whose name field holds `name`.
inline QByteArray gotBytes(const char* name) {
    QByteArray bytes(97, '\0');
    bytes.replace(1, qsizetype(qstrlen(name)), name);
    return bytes;
}

}  // namespace pellax::test
