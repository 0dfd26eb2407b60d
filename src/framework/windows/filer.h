#pragma once

#include <QString>

#include <functional>
#include <utility>
#include <vector>

namespace pellax {

class TComponent;

// What a component's DefineProperties talks to: a writer that collects the
// stored properties a component offers, or a reader that hands them back.
// Window descriptions are built in code, so nothing stores these as a file;
// the rules of what is written and how it is read are the component's own.
class TFiler {
public:
    virtual ~TFiler() = default;
    // `read` takes the value when reading and one was stored; `write` gives it
    // when writing and `hasData` says there is something to store.
    virtual void DefineProperty(const QString& name, const std::function<void(const QString&)>& read,
                                const std::function<QString()>& write, bool hasData) = 0;
};

using StoredProperties = std::vector<std::pair<QString, QString>>;

// Collects the name and value of every property a component stores.
class TPropertyWriter final : public TFiler {
public:
    void Write(TComponent& component);
    const StoredProperties& values() const noexcept { return values_; }

    void DefineProperty(const QString& name, const std::function<void(const QString&)>& read,
                        const std::function<QString()>& write, bool hasData) override;

private:
    StoredProperties values_;
};

// Gives a component the stored values it asks for by name.
class TPropertyReader final : public TFiler {
public:
    explicit TPropertyReader(StoredProperties values) : values_(std::move(values)) {}
    void Read(TComponent& component);

    void DefineProperty(const QString& name, const std::function<void(const QString&)>& read,
                        const std::function<QString()>& write, bool hasData) override;

private:
    StoredProperties values_;
};

}  // namespace pellax
