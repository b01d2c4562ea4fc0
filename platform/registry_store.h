#pragma once

#include <optional>
#include <string>
#include <utility>

namespace quintaro {

// A hierarchical store of text values, addressed by a backslash-separated key path
// such as "SOFTWARE\Varden\Parlorset\Quintaro". RegistryKey is its only user.
class RegistryStore {
public:
    virtual ~RegistryStore() = default;

    // Creates the key and every missing key along its path; false when the store refuses.
    virtual bool createKey(const std::string& keyPath) = 0;
    // The stored bytes of a value, or nothing when the value or the key is absent.
    virtual std::optional<std::string> readValue(const std::string& keyPath,
                                                 const std::string& name) = 0;
    virtual void writeValue(const std::string& keyPath, const std::string& name,
                            const std::string& value) = 0;
    virtual void deleteValue(const std::string& keyPath, const std::string& name) = 0;

    // Brackets a read-modify-write that must take in what other copies of the program
    // stored meanwhile: from beginUpdate, reads give what is stored now, and the writes
    // made until the matching endUpdate are stored together. Updates nest; the outermost
    // stores. endUpdate is false when the writes could not be stored; none of them then are.
    virtual void beginUpdate() {}
    virtual bool endUpdate() { return true; }
};

// One update of a store, ended by commit() or, without it, when the object goes.
class StoreUpdate {
public:
    explicit StoreUpdate(RegistryStore& store) : m_store(&store) { store.beginUpdate(); }
    ~StoreUpdate() {
        if (m_store != nullptr)
            m_store->endUpdate();
    }
    StoreUpdate(const StoreUpdate&) = delete;
    StoreUpdate& operator=(const StoreUpdate&) = delete;

    // True when the writes were stored, or will be with the update around this one.
    bool commit() { return std::exchange(m_store, nullptr)->endUpdate(); }

private:
    RegistryStore* m_store;
};

} // namespace quintaro
