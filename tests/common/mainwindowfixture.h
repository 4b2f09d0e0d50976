#pragma once

#include "app/reminderscheduler.h"
#include "app/syncservice.h"
#include "platform/keychainsecrets.h"
#include "storefixture.h"
#include "ui/app/mainwindow.h"
#include "ui/list/birthdaylistview.h"
#include "ui/reminders/reminderrunner.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <memory>

// The program's services as the application makes them, on the store fixture's files.
struct ServicesFixture
{
    ReminderRunner runner;
    ReminderScheduler reminders;
    SyncService sync;

    explicit ServicesFixture(StoreFixture& f)
        : runner(f.store, f.settings, f.clock),
          reminders(f.store, f.clock,
                    [this](const QList<BirthdayRecord>& records, bool forceShow) {
                        return runner.check(records, forceShow);
                    }),
          sync(f.store, f.settings, f.clock, {}, [] { return std::make_unique<KeychainSecrets>(); })
    {}
    MainWindow::Services handed() { return {reminders, runner, sync}; }
};

// A main window on the store fixture's files, with services of its own. Its message boxes are
// answered by the test: each is recorded as "Icon: text", a question gets the next queued
// answer (Yes when none).
struct MainWindowFixture : StoreFixture
{
    std::unique_ptr<ServicesFixture> services;
    std::unique_ptr<MainWindow> window;
    QStringList messages;
    QList<QMessageBox::StandardButton> answers;
    int unloadedCount = 0;

    // Records the messages of a window made elsewhere (the program's own).
    void watch(MainWindow& w)
    {
        w.setMessageHook([this](QMessageBox::Icon icon, const QString& text,
                                QMessageBox::StandardButtons buttons) {
            const char* names[] = {"None", "Information", "Warning", "Critical", "Question"};
            messages << names[icon] + QString(": ") + text;
            if (!buttons.testFlag(QMessageBox::Yes))
                return QMessageBox::Ok;
            return answers.isEmpty() ? QMessageBox::Yes : answers.takeFirst();
        });
        QObject::connect(&w, &MainWindow::unloaded, &w, [this] { ++unloadedCount; });
    }
    // A fresh window on the same files, as a restart of the program makes one.
    MainWindow& open(bool load = true)
    {
        window.reset();
        services = std::make_unique<ServicesFixture>(*this);
        window = std::make_unique<MainWindow>(store, settings, clock, services->handed());
        watch(*window);
        if (load)
            window->load();
        return *window;
    }
    MainWindow& shown()
    {
        open().showFromTray();
        [[maybe_unused]] const bool exposed = QTest::qWaitForWindowExposed(window.get());
        return *window;
    }
    // The exit without its question.
    void quit()
    {
        setSetting("QuitConfirm", QStringLiteral("0"));
        window->exitProgram();
    }

    QString setting(const QString& name) const { return settings.readSetting(name, ""); }
    void setSetting(const QString& name, const QString& value)
    {
        settings.writeSetting(name, value);
    }
    // Several settings, as "Name=value" words, and back.
    void setSettings(const QString& pairs)
    {
        for (const QString& pair : pairs.split(' '))
            setSetting(pair.section('=', 0, 0), pair.section('=', 1));
    }
    QString settingsOf(const QString& names) const
    {
        QStringList pairs;
        for (const QString& name : names.split(' '))
            pairs << name + '=' + setting(name);
        return pairs.join(' ');
    }

    // One column of the list, top to bottom.
    QStringList column(int col = 0, int role = Qt::DisplayRole) const
    {
        QStringList texts;
        const BirthdayListModel* model = window->listView()->model();
        for (int row = 0; row < model->rowCount(); ++row)
            texts.append(model->index(row, col).data(role).toString());
        return texts;
    }
    QModelIndex index(int row) const { return window->listView()->model()->index(row, 0); }
    // Adds the named items to the selection; the last one becomes the current item.
    void select(const QStringList& names)
    {
        BirthdayListView* list = window->listView();
        for (const QString& name : names) {
            const int row = int(column().indexOf(name));
            QVERIFY2(row >= 0, qPrintable(name));
            list->selectionModel()->setCurrentIndex(list->model()->index(row, 0),
                                                    QItemSelectionModel::Select);
        }
    }
};

// Closes the next modal window once it is up (looking for a second at most, and no longer
// than the test holds the answer) and gives its title: a dialog by its default button or
// rejected, anything else closed.
inline void modalClose(const std::shared_ptr<QString>& title, bool byDefault, int triesLeft = 100)
{
    QTimer::singleShot(10, qApp, [=] {
        QWidget* modal = QApplication::activeModalWidget();
        if (title.use_count() == 1 || (!modal && triesLeft == 0))
            return;
        if (!modal)
            return modalClose(title, byDefault, triesLeft - 1);
        *title = modal->windowTitle();
        for (QPushButton* button : modal->findChildren<QPushButton*>()) {
            if (byDefault && button->isDefault())
                return button->click();
        }
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            return dialog->reject();
        modal->close();
    });
}
inline std::shared_ptr<QString> closeNextModal(bool byDefault = false)
{
    auto title = std::make_shared<QString>();
    modalClose(title, byDefault);
    return title;
}
