#include "core/store/recordchanges.h"

namespace RecordChanges {

Result apply(const BirthdayStore& store, const QList<BirthdayRecord>& records, const Change& change)
{
    Result result;
    for (qsizetype i = 0; i < records.size(); ++i) {
        const BirthdayRecord& record = records.at(i);
        switch (change(record)) {
        case BirthdayStore::Outcome::Done:
            ++result.done;
            break;
        case BirthdayStore::Outcome::Changed:
            result.changed << record.value(BirthdayRecord::Name);
            break;
        case BirthdayStore::Outcome::Failed:
            result.failedName = record.value(BirthdayRecord::Name);
            result.error = store.errorString();
            result.notTried = int(records.size() - i - 1);
            return result;
        }
    }
    return result;
}

} // namespace RecordChanges
