#pragma once

#include <QString>

#include <functional>

namespace pellax {

class Console;
struct FileOperands;

// Runs `work` on each file of the operands in turn. A failure is reported
// with the file's name and the next file is still tried; a folder without a
// file of the command's extension is reported as a failure too. Returns 1
// when anything failed, else 0. OutputClosed passes through.
int forEachFile(const FileOperands& operands, Console& console, const std::function<void(const QString&)>& work);

}  // namespace pellax
