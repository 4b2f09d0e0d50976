#pragma once

#include <QCoreApplication>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

// Where the subscriptions' passwords are kept, one per source id: the desktop's secret
// service, never the settings or the data file. Where no secret service answers, a password
// lives for this session only and the user types it again next time.
class SecretStore
{
public:
    // password: none where nothing is kept for the source.
    using Read = std::function<void(const std::optional<QString>& password)>;
    using Written = std::function<void(const QString& error)>; // empty: done

    virtual ~SecretStore() = default;
    // The callbacks may run before the call returns.
    virtual void read(const QString& sourceId, Read done) = 0;
    virtual void write(const QString& sourceId, const QString& password, Written done) = 0;
    virtual void remove(const QString& sourceId) = 0;
    // False once no secret service answered: passwords are then kept in memory only.
    virtual bool persistent() const = 0;
    // Called once, with the reason, when a store finds that no secret service answers.
    using Unavailable = std::function<void(const QString& reason)>;
    void setUnavailableHandler(Unavailable handler) { m_unavailable = std::move(handler); }

    // What read gave for the source, or else what ask gives, kept from then on (for the
    // session at least) so that it is asked for once; none where neither has one.
    std::optional<QString> keptOrAsked(const QString& sourceId, const std::optional<QString>& kept,
                                       const std::function<std::optional<QString>()>& ask)
    {
        if (kept)
            return kept;
        const std::optional<QString> asked = ask();
        if (asked)
            write(sourceId, *asked, [](const QString&) {});
        return asked;
    }

protected:
    void tellUnavailable(const QString& reason)
    {
        if (m_unavailable)
            m_unavailable(reason);
    }

private:
    Unavailable m_unavailable;
};

// Why a sync ran without a password, and how the user gives it one: the window asks for it and
// keeps it where the command line finds it too.
inline QString noPasswordText(const QString& url, const QString& userName)
{
    //: %1 is the server's address, %2 the user name. Birthdays > Subscriptions... and Sync
    //: Now are the program's own menu item and button.
    return QCoreApplication::translate(
               "SyncQueue", "No password for %1 (user %2). Choose Sync Now in Birthdays > "
                            "Subscriptions... to type it in: it is kept in the desktop's secret "
                            "service, where the command line finds it too.")
        .arg(url, userName);
}

using SecretStoreFactory = std::function<std::unique_ptr<SecretStore>()>;
