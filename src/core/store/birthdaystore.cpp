#include "birthdaystore.h"

// TODO(store): placeholder until the store lands.
BirthdayStore::BirthdayStore(QString dataPath) : m_dataPath(std::move(dataPath)) {}
std::optional<QList<int>> BirthdayStore::recordKeysList() { return QList<int>{}; }
std::optional<BirthdayRecord> BirthdayStore::recordRead(int key)
{
    BirthdayRecord r;
    r.key = key;
    return r;
}
std::optional<QList<BirthdayRecord>> BirthdayStore::recordsReadAll() { return QList<BirthdayRecord>{}; }
std::optional<int> BirthdayStore::recordKeyNew() { return 0; }
bool BirthdayStore::fieldWrite(const QString&, int, const QString&) { return false; }
bool BirthdayStore::fieldDelete(const QString&, int) { return false; }
bool BirthdayStore::recordDelete(int) { return false; }
std::optional<int> BirthdayStore::recordDuplicate(int) { return std::nullopt; }
bool BirthdayStore::databaseCompact() { return false; }
