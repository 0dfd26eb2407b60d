#pragma once

#include "framework/files/exception.h"
#include "framework/paint/color.h"
#include "framework/paint/desktop.h"

#include <QString>

#include <array>
#include <cstdint>
#include <vector>

namespace pellax {

// A colour value made concrete: a system colour gives the desktop's current
// colour for its index, any other value is taken as it is.
TColor ColorToRGB(TColor color, const SystemColors& colors = Desktop::instance());

// r | g << 8 | b << 16, each part taken modulo 256.
constexpr TColor RGB(int r, int g, int b) noexcept {
    return static_cast<TColor>((static_cast<unsigned>(r) & 0xFFu) | ((static_cast<unsigned>(g) & 0xFFu) << 8) |
                               ((static_cast<unsigned>(b) & 0xFFu) << 16));
}
constexpr int GetRValue(TColor c) noexcept { return static_cast<int>(static_cast<std::uint32_t>(c) & 0xFFu); }
constexpr int GetGValue(TColor c) noexcept { return static_cast<int>((static_cast<std::uint32_t>(c) >> 8) & 0xFFu); }
constexpr int GetBValue(TColor c) noexcept { return static_cast<int>((static_cast<std::uint32_t>(c) >> 16) & 0xFFu); }

// `count` colours from `start` to `end`, both resolved first: entry i is
// start + MulDiv(i, end - start, count - 1) per component. Nothing happens when
// `list` is absent or `count` is 0.
void BuildColorList(TColor start, TColor end, std::uint8_t count, std::vector<TColor>* list,
                    const SystemColors& colors = Desktop::instance());

// A desktop colour setting whose text is not three decimal numbers.
class EColorSettingError : public EConvertError {
public:
    EColorSettingError(QString setting, const QString& text, const QString& message);
    const QString& setting() const noexcept { return setting_; }
    // Tells the setting's text from any other without holding it: a malformed
    // value can be long, and errors are kept for the run.
    const QByteArray& textDigest() const noexcept { return textDigest_; }

private:
    QString setting_;
    QByteArray textDigest_;
};

// The desktop's caption gradient end colours, read from the current user's
// "Control Panel\Colors" on every call. A malformed setting raises EColorSettingError.
TColor ReadGradientActiveTitle();
TColor ReadGradientInactiveTitle();

// "R G B" in decimal, separated by single blanks, converted left to right;
// raises EConvertError naming the first part that is not a decimal integer.
// A text of more than 64 bytes is malformed without a look at its parts.
TColor colorFromSetting(const QString& text);

// A text as an error message quotes it: control characters made visible, and
// cut to about 40 characters.
QString textForMessage(const QString& text);

// True the first time the run asks about this setting with this text: a
// malformed value is told once, however often it is read.
bool firstReportOf(const EColorSettingError& error);

struct TNamedColor {
    TColor value;
    const char* name;
};

// The pack's named colours, filled once when the pack starts.
class NamedColors {
public:
    static const std::array<TNamedColor, 7>& table() noexcept { return table_; }
    // The desktop's gradient colours as they were read at start-up.
    static TColor gradientActiveTitle() noexcept { return table_[0].value; }
    static TColor gradientInactiveTitle() noexcept { return table_[1].value; }
    // Reads the two desktop colours and builds the table. A malformed setting
    // gives way to the desktop's classic colour; its error is returned, and
    // counts as told.
    static std::vector<EColorSettingError> initialise();

private:
    static std::array<TNamedColor, 7> table_;
};

// One message for the malformed settings found at start-up, naming the file
// they are in and each setting.
QString malformedColorsNotice(const std::vector<EColorSettingError>& errors, const QString& file);

}  // namespace pellax
