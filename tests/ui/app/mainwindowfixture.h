#pragma once

#include "app/clock.h"
#include "app/mainwindow.h"
#include "settings/settingsstore.h"
#include "store/birthdaystore.h"
#include "text/textconv.h"

#include <QAction>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// A main window on a data file and settings of its own, with its message boxes answered by
// the test: every message is recorded, questions get the next queued answer (Yes when none).
struct MainWindowFixture
{
    struct Message
    {
        QMessageBox::Icon icon;
        QString text;
        QMessageBox::StandardButtons buttons;
    };

    QTemporaryDir dir;
    std::unique_ptr<BirthdayStore> store;
    std::unique_ptr<SettingsStore> settings;
    FixedClock clock{QDateTime(QDate(2024, 3, 1), QTime(12, 0))};
    std::unique_ptr<MainWindow> window;
    QList<Message> messages;
    QList<QMessageBox::StandardButton> answers;
    int unloadedCount = 0;

    MainWindowFixture()
    {
        store = std::make_unique<BirthdayStore>(dir.filePath(QStringLiteral("birthday.dat")));
        settings = std::make_unique<SettingsStore>(dir.filePath(QStringLiteral("settings.ini")));
    }

    // A fresh window on the same files, as a restart of the program makes one.
    MainWindow& open(bool load = true)
    {
        window = std::make_unique<MainWindow>(*store, *settings, clock);
        window->setMessageHook([this](QMessageBox::Icon icon, const QString& text,
                                      QMessageBox::StandardButtons buttons) {
            messages.append({icon, text, buttons});
            if (!buttons.testFlag(QMessageBox::Yes))
                return QMessageBox::Ok;
            return answers.isEmpty() ? QMessageBox::Yes : answers.takeFirst();
        });
        QObject::connect(window.get(), &MainWindow::unloaded, [this] { ++unloadedCount; });
        if (load)
            window->formLoad();
        return *window;
    }

    int addRecord(const QString& name, const QDate& date)
    {
        return addRecord(name, TextConv::dateToText(date));
    }

    int addRecord(const QString& name, const QString& dateText)
    {
        const std::optional<int> key = store->recordKeyNew();
        if (!key)
            return -1;
        const std::pair<const char*, QString> fields[] = {{"Name", name},  {"Date", dateText},
                                                          {"Recurs", "1"}, {"Notify", "5"},
                                                          {"Alert", "1"},  {"ShowYears", "0"}};
        for (const auto& [field, value] : fields) {
            if (!store->fieldWrite(QLatin1String(field), *key, value))
                return -1;
        }
        return *key;
    }

    QString setting(const char* name) const
    {
        return settings->settingRead(QLatin1String(name), QString());
    }
    void setSetting(const char* name, const QString& value)
    {
        settings->settingWrite(QLatin1String(name), value);
    }
};
