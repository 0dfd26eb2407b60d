#include "tool/fileloop.h"

#include "framework/files/exception.h"
#include "framework/files/filelocation.h"
#include "tool/arguments.h"
#include "tool/console.h"

namespace pellax {

int forEachFile(const FileOperands& operands, Console& console, const std::function<void(const QString&)>& work) {
    int status = 0;
    // Nothing to do is no success: the folder may be the wrong one.
    for (const QString& folder : operands.emptyFolders) {
        const Exception none(parseLocation(folder).inArchive
                                 ? QStringLiteral("No .%1 member in this archive folder").arg(operands.extension)
                                 : QStringLiteral("No .%1 file in this folder").arg(operands.extension));
        console.fileError(folder, std::make_exception_ptr(none));
        status = 1;
    }
    for (const QString& file : operands.files) {
        try {
            work(file);
        } catch (const OutputClosed&) {
            throw;
        } catch (...) {
            console.fileError(file, std::current_exception());
            status = 1;
        }
    }
    return status;
}

}  // namespace pellax
