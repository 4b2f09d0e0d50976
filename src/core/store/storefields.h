#pragma once

#include "core/store/birthdaystore.h"

// The store's cell-level operations, which the program itself never needs: the tests, the
// benchmarks and the fuzzers check the data file field by field through them. readAllRecords
// gives the same records as recordKeys followed by readRecord of each key.
class StoreFields
{
public:
    explicit StoreFields(BirthdayStore& store) : m_store(store) {}

    std::optional<QList<int>> recordKeys() const { return m_store.recordKeys(); }
    std::optional<BirthdayRecord> readRecord(int key) const { return m_store.readRecord(key); }
    std::optional<int> newRecordKey() const { return m_store.newRecordKey(); }
    bool writeField(const QString& fieldName, int key, const QString& value) const
    {
        return m_store.writeField(fieldName, key, value);
    }
    bool deleteField(const QString& fieldName, int key) const
    {
        return m_store.deleteField(fieldName, key);
    }

private:
    BirthdayStore& m_store;
};
