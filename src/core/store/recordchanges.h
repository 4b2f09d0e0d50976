#pragma once

#include "core/store/birthdaystore.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

// One change (a delete, a copy) made to several records, one by one, as the list's commands
// over a selection do. Each acts on the record as the caller read it. The first failure (the
// file locked by another copy, a full disk) stops the run: what is done stays done, and the
// result says what was and what was not, so no caller reports the whole as done.
namespace RecordChanges {

struct Result
{
    int done = 0;
    QStringList changed; // records another program changed meanwhile: left as they are
    QString failedName;  // the record whose change failed; empty when none did
    QString error;       // the store's reason for that failure
    int notTried = 0;    // the records after the failed one

    bool failed() const { return !failedName.isEmpty(); }
    // Whether a failure came after some records were changed or before others were tried.
    bool partial() const { return failed() && (done > 0 || notTried > 0 || !changed.isEmpty()); }
};

using Change = std::function<BirthdayStore::Outcome(const BirthdayRecord& record)>;

// store gives the reason of a failed change.
Result apply(const BirthdayStore& store, const QList<BirthdayRecord>& records,
             const Change& change);

} // namespace RecordChanges
