#include "framework/windows/filer.h"

#include "framework/windows/component.h"

namespace pellax {

void TPropertyWriter::Write(TComponent& component) { component.DefineProperties(*this); }

void TPropertyWriter::DefineProperty(const QString& name, const std::function<void(const QString&)>&,
                                     const std::function<QString()>& write, bool hasData) {
    if (hasData && write)
        values_.emplace_back(name, write());
}

void TPropertyReader::Read(TComponent& component) { component.DefineProperties(*this); }

void TPropertyReader::DefineProperty(const QString& name, const std::function<void(const QString&)>& read,
                                     const std::function<QString()>&, bool) {
    if (!read)
        return;
    for (const auto& [stored, value] : values_) {
        if (stored.compare(name, Qt::CaseInsensitive) == 0) {
            read(value);
            return;
        }
    }
}

}  // namespace pellax
