#include "ui/app/exchangecommands.h"

#include "core/calendar/clock.h"
#include "core/exchange/calendarexchange.h"
#include "core/exchange/calendarfile.h"
#include "core/exchange/importformats.h"
#include "core/exchange/importplan.h"
#include "core/program/programidentity.h"
#include "core/store/backups.h"
#include "core/store/birthdaystore.h"
#include "ui/common/messageprompt.h"
#include "ui/dialogs/importdialog.h"
#include "ui/dialogs/restoredialog.h"

#include <QDir>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QLocale>
#include <QPointer>
#include <QProgressDialog>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <memory>

namespace {

QString native(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

} // namespace

ExchangeCommands::ExchangeCommands(BirthdayStore& store, SettingsStore& settings,
                                   const Clock& clock, MessagePrompt& prompt, QWidget* dialogParent)
    : QObject(dialogParent), m_store(store), m_settings(settings), m_clock(clock), m_prompt(prompt),
      m_dialogParent(dialogParent)
{}

ExchangeCommands::~ExchangeCommands()
{
    for (QThread* reader : findChildren<QThread*>())
        reader->wait();
}

void ExchangeCommands::importChosenFiles()
{
    // One import at a time: its progress shows only after a while.
    if (m_waiting)
        return;
    const QStringList paths = QFileDialog::getOpenFileNames(
        m_dialogParent, tr("Import"), QDir::homePath(), ImportFormats::fileFilter());
    if (!paths.isEmpty())
        importFiles(paths);
}

std::optional<ExchangeCommands::Planned>
ExchangeCommands::readAndPlan(const QStringList& paths, const QStringList& names,
                              const QList<BirthdayRecord>& stored)
{
    // The thread owns what it works on; a cancelled read finishes on its own and is dropped.
    auto planned = std::make_shared<Planned>();
    QThread* reader = QThread::create(
        [planned, paths, names, stored, today = m_clock.today(), locale = m_store.dateLocale()] {
            planned->files = ImportPlan::readFiles(paths, names);
            if (planned->files.error.isEmpty())
                planned->items = ImportPlan::plan(planned->files.entries, stored, today, locale);
        });
    reader->setParent(this);
    connect(reader, &QThread::finished, reader, &QObject::deleteLater);
    const QPointer<QThread> running = reader;

    // Qt's own Cancel button, in Qt's own translation.
    QProgressDialog progress(m_dialogParent);
    progress.setLabelText(tr("Reading the files..."));
    progress.setRange(0, 0);
    progress.setWindowTitle(programTitle());
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(m_progressDelayMs);
    QTimer::singleShot(m_progressDelayMs, &progress, [&progress] {
        if (!progress.wasCanceled())
            progress.show();
    });
    QEventLoop waiting;
    connect(reader, &QThread::finished, &waiting, &QEventLoop::quit);
    connect(&progress, &QProgressDialog::canceled, &waiting, &QEventLoop::quit);
    connect(&progress, &QDialog::rejected, &waiting, &QEventLoop::quit);
    reader->start();
    m_waiting = true;
    waiting.exec();
    m_waiting = false;
    // Cancelled, or the program ends (its exit ends every loop). A thread gone has finished.
    if (running && !running->isFinished())
        return std::nullopt;
    return std::move(*planned);
}

void ExchangeCommands::importFiles(const QStringList& paths)
{
    // One unusable file stops the whole import before anything is shown or written.
    QStringList names;
    for (const QString& path : paths)
        names << native(path);
    // The stored events are read here: the store is this thread's.
    const Expected<QList<BirthdayRecord>> stored = m_store.readAllRecords();
    const QString storeError = stored.error();
    const std::optional<Planned> planned =
        readAndPlan(paths, names, stored.value_or(QList<BirthdayRecord>()));
    if (!planned)
        return;
    const ImportFile& files = planned->files;
    if (!files.error.isEmpty()) {
        // The first line says what was not done, the others why.
        const qsizetype end = files.error.indexOf(u'\n');
        m_prompt.reportFailure(files.error.left(end), files.error.mid(end + 1));
        return;
    }
    const QList<ImportEntry>& entries = files.entries;
    if (entries.isEmpty()) {
        m_prompt.inform(QMessageBox::Information,
                        tr("There are no contacts or events to import in the file."));
        return;
    }
    if (!stored) {
        m_prompt.reportFailure(tr("Nothing was imported."), storeError);
        return;
    }
    ImportDialog preview(planned->items, paths, ImportPlan::roomLeft(*stored), m_dialogParent);
    if (preview.exec() != QDialog::Accepted)
        return;
    ImportPlan::Run adding(m_store, preview.chosenRecords());
    if (!addInSlices(adding))
        return;
    const ImportPlan::Result& result = adding.result();
    if (result.added > 0)
        Q_EMIT refreshNeeded();
    if (!result.error.isEmpty())
        m_prompt.reportFailure(result.added == 0 ? tr("Nothing was imported.")
                                                 : tr("Not everything was imported."),
                               result.error);
}

bool ExchangeCommands::addInSlices(ImportPlan::Run& adding)
{
    // A file of a thousand events takes a while to add one by one: the window is drawn and
    // the desktop answered between slices, and the progress shows when it takes longer.
    if (!adding.step(QDeadlineTimer(m_sliceMs)))
        return true;
    QProgressDialog progress(m_dialogParent);
    progress.setCancelButton(nullptr); // what is added stays; stopping halfway helps no one
    progress.setRange(0, int(adding.total()));
    progress.setWindowTitle(programTitle());
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(m_progressDelayMs);
    progress.setValue(adding.result().added);
    QEventLoop waiting;
    QTimer slices;
    connect(&slices, &QTimer::timeout, &waiting, [&] {
        const bool more = adding.step(QDeadlineTimer(m_sliceMs));
        progress.setValue(adding.result().added);
        if (!more)
            waiting.quit();
    });
    slices.start(0);
    m_waiting = true;
    waiting.exec();
    m_waiting = false;
    slices.stop();
    if (adding.done())
        return true;
    // The program ends (its exit ends every loop): the rest is added before it does, as the
    // user asked, and no window can show what became of it any more.
    while (adding.step(QDeadlineTimer(QDeadlineTimer::Forever))) {
    }
    if (!adding.result().error.isEmpty())
        qWarning("candlewatcher: %s", qPrintable(adding.result().error));
    return false;
}

void ExchangeCommands::exportToChosenFile()
{
    const QString path = QFileDialog::getSaveFileName(
        m_dialogParent, tr("Export"),
        QDir(QDir::homePath()).filePath(QStringLiteral("candlewatcher.ics")),
        tr("iCalendar files (*.ics);;All files (*)"));
    if (!path.isEmpty())
        exportTo(path);
}

void ExchangeCommands::exportTo(const QString& path)
{
    const Expected<QList<BirthdayRecord>> records = m_store.readAllRecords();
    if (!records) {
        m_prompt.reportFailure(tr("The events could not be exported."), records.error());
        return;
    }
    const CalendarExchange::Export calendar = CalendarExchange::exportRecords(
        *records, CalendarExchange::exportOptions(m_settings, m_clock), m_store.dateLocale());
    const Expected<> written = writeCalendarFile(path, calendar.ics);
    if (!written) {
        m_prompt.reportFailure(tr("The events could not be exported."),
                               tr("Cannot write \"%1\": %2.").arg(native(path), written.error()));
        return;
    }
    QString text =
        //: %Ln is the number of events exported, %1 the file.
        tr("%Ln events were exported to \"%1\".", nullptr, calendar.events).arg(native(path));
    if (!calendar.unreadable.isEmpty())
        text += tr("\n\nLeft out because their dates could not be read: %1")
                    .arg(calendar.unreadable.join(tr(", ", "between the items of a list")));
    m_prompt.inform(calendar.unreadable.isEmpty() ? QMessageBox::Information : QMessageBox::Warning,
                    text);
}

void ExchangeCommands::restoreChosenBackup()
{
    const QList<Backups::Backup> backups = Backups::list(m_store.dataPath());
    if (backups.isEmpty()) {
        m_prompt.inform(QMessageBox::Information,
                        tr("There are no backups yet.  Candlewatcher keeps a copy of "
                           "your events on each day it exits or imports, in \"%1\".")
                            .arg(native(Backups::folder(m_store.dataPath()))));
        return;
    }
    RestoreDialog dialog(backups, m_dialogParent);
    if (dialog.exec() != QDialog::Accepted || dialog.chosenPath().isEmpty())
        return;
    const auto chosen =
        std::find_if(backups.begin(), backups.end(), [&](const Backups::Backup& backup) {
            return backup.path == dialog.chosenPath();
        });
    // A damaged copy goes straight to the store, which refuses it and says why. No is the
    // default: a slip of the Return key must not replace the events.
    if (chosen->events >= 0 &&
        m_prompt.ask(QMessageBox::Question,
                     //: %Ln is the number of events in the backup, %1 the backup's day.
                     tr("Replace your events with the %Ln events of the backup of "
                        "%1?\n\nYour events as they are now are kept as a backup of "
                        "today.",
                        nullptr, chosen->events)
                         .arg(QLocale().toString(chosen->date, QLocale::LongFormat)),
                     QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes)
        return;
    const Expected<> restored = m_store.restore(dialog.chosenPath());
    if (!restored) {
        m_prompt.reportFailure(tr("The backup could not be restored."), restored.error());
        return;
    }
    Q_EMIT refreshNeeded();
}
