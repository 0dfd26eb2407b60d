#pragma once

#include "framework/windows/application.h"
#include "got/mainform.h"
#include "support/fixtures.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include <memory>

namespace pellax::test {

// An editor window of its own for each test, with scripted dialogs.
class MainformTest : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        form = std::make_unique<Tmainform>();
    }
    void TearDown() override {
        form.reset();
        AppTest::TearDown();
    }

    // Runs a command as the menu does: through the application's guard.
    template <class F>
    void command(F&& f) {
        Application::instance().guard(std::forward<F>(f));
    }

    void load(const QString& file) {
        dialogs->answerFile(file);
        command([&] { form->LoadGotfile1Click(); });
    }
    void save(const QString& file) {
        dialogs->answerFile(file);
        command([&] { form->SaveGOTfile1Click(); });
    }
    QString lastMessage() const { return dialogs->messages.empty() ? QString() : dialogs->messages.back().text; }

    // A 96-byte record image with recognisable carried and gap bytes.
    static QByteArray sampleRecord();

    std::unique_ptr<Tmainform> form;
};

inline QByteArray MainformTest::sampleRecord() {
    QByteArray b(96, 0);
    for (int i = 0; i < 96; ++i)
        b[i] = static_cast<char>(0xA0 + (i % 16));  // carried and gap bytes
    const QByteArray name("\x02Zerg rush");
    b.replace(0x01, 32, name + QByteArray(32 - name.size(), 0));
    const QByteArray var("Variant");
    b.replace(0x21, 32, var + QByteArray(32 - var.size(), 0));
    b[0x41] = 7;     // position
    b[0x43] = 2;     // variation number
    b.replace(0x45, 4, QByteArray("\x10\x27\x00\x00", 4));  // variation value 10000
    b[0x49] = static_cast<char>(200); // internal setting
    b[0x4A] = 1;     // default minerals
    b[0x4D] = 1;     // starting units: workers only
    b[0x4F] = 3;     // playability
    b[0x50] = 0;     // no alliances
    b[0x51] = 4;     // teams
    b.replace(0x58, 4, QByteArray("\x10\x27\x00\x00", 4));  // 10000 minerals
    return b;
}

}  // namespace pellax::test
