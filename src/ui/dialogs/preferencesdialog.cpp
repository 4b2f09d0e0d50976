#include "ui/dialogs/preferencesdialog.h"

#include "ui/dialogs/dialogbuttons.h"

#include "core/calendar/occurrence.h"
#include "core/presentation/reminderdisplay.h"
#include "core/settings/settingsstore.h"
#include "ui/dialogs/wholetabstop.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTimeEdit>
#include <QVBoxLayout>

namespace {

// A frame with its 32 x 32 icon at the top left and its controls indented beside it.
QGroupBox* frameCreate(const QString& title, const QString& objectName, const QString& iconName,
                       QStyle::StandardPixmap icon, QWidget* parent, QVBoxLayout*& inner)
{
    auto* frame = new QGroupBox(title, parent);
    frame->setObjectName(objectName);
    auto* image = new QLabel(frame);
    image->setObjectName(iconName);
    image->setPixmap(frame->style()->standardIcon(icon, nullptr, frame).pixmap(32, 32));
    image->setFixedSize(32, 32);
    auto* row = new QHBoxLayout(frame);
    row->addWidget(image, 0, Qt::AlignTop);
    row->addSpacing(8);
    inner = new QVBoxLayout;
    inner->setSpacing(4);
    row->addLayout(inner, 1);
    return frame;
}

} // namespace

PreferencesDialog::PreferencesDialog(SettingsStore& settings, const HelpSink& help, QWidget* parent,
                                     bool windowPlaceable)
    // A fixed border with a title bar: no maximise or minimise button.
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      m_settings(settings), m_windowPlaceable(windowPlaceable)
{
    setObjectName(QStringLiteral("frmPreferences"));
    setWindowTitle(QStringLiteral("Candlewatcher Preferences"));
    controlsCreate(help);
    settingsLoad();
}

void PreferencesDialog::controlsCreate(const HelpSink& help)
{
    QVBoxLayout* inner = nullptr;
    QGroupBox* grpConfirmation =
        frameCreate(QStringLiteral("Confirmation"), QStringLiteral("grpConfirmation"),
                    QStringLiteral("imgConfirmation"), QStyle::SP_MessageBoxQuestion, this, inner);
    m_chkConfirmDelete =
        new QCheckBox(QStringLiteral("Confirm before &deleting a birthday"), grpConfirmation);
    m_chkConfirmDelete->setObjectName(QStringLiteral("chkConfirmDelete"));
    m_chkConfirmQuit =
        new QCheckBox(QStringLiteral("Confirm before &exiting Candlewatcher"), grpConfirmation);
    m_chkConfirmQuit->setObjectName(QStringLiteral("chkConfirmQuit"));
    inner->addWidget(m_chkConfirmDelete);
    inner->addWidget(m_chkConfirmQuit);
    inner->addStretch(1);

    QGroupBox* grpNotification = frameCreate(
        QStringLiteral("Notification"), QStringLiteral("grpNotification"),
        QStringLiteral("imgNotification"), QStyle::SP_MessageBoxInformation, this, inner);
    auto* lblNotification =
        new QLabel(QStringLiteral("Show the Notification window:"), grpNotification);
    lblNotification->setObjectName(QStringLiteral("lblNotification"));
    m_optEveryHour = new QRadioButton(QStringLiteral("Every &hour"), grpNotification);
    m_optEveryHour->setObjectName(QStringLiteral("optEveryHour"));
    m_optEveryDay = new QRadioButton(QStringLiteral("E&very day"), grpNotification);
    m_optEveryDay->setObjectName(QStringLiteral("optEveryDay"));
    // Elsewhere the program need not start with the system: say what the choice means there.
#ifdef Q_OS_WIN
    const QString noneCaption = QStringLiteral("Only when &Windows starts up");
#else
    const QString noneCaption = QStringLiteral("Only when Candlewatcher &starts");
#endif
    m_optNone = new QRadioButton(noneCaption, grpNotification);
    m_optNone->setObjectName(QStringLiteral("optNone"));
    auto* group = new QButtonGroup(this);
    group->addButton(m_optEveryHour);
    group->addButton(m_optEveryDay);
    group->addButton(m_optNone);
    m_optEveryHour->setChecked(true); // the designed selection
    inner->addWidget(lblNotification);
    inner->addWidget(m_optEveryHour);
    inner->addWidget(m_optEveryDay);
    inner->addWidget(m_optNone);

    QGroupBox* grpAlerts =
        frameCreate(QStringLiteral("Alerts"), QStringLiteral("grpAlerts"),
                    QStringLiteral("imgAlerts"), QStyle::SP_MessageBoxWarning, this, inner);
    m_lblAlerts =
        new QLabel(QStringLiteral("Show &alerts at the following time each day:"), grpAlerts);
    m_lblAlerts->setObjectName(QStringLiteral("lblAlerts"));
    m_objTime = new WholeTabStop<QTimeEdit>(grpAlerts);
    m_objTime->setObjectName(QStringLiteral("objTime"));
    m_objTime->setDisplayFormat(QStringLiteral("HH:mm"));
    m_lblAlerts->setBuddy(m_objTime);
    m_lblAlerts->installEventFilter(this);
    auto* label1 = new QLabel(QStringLiteral("(24 hour clock)"), grpAlerts);
    label1->setObjectName(QStringLiteral("Label1"));
    auto* timeRow = new QHBoxLayout;
    timeRow->addWidget(m_objTime);
    timeRow->addSpacing(8);
    timeRow->addWidget(label1, 1);
    inner->addWidget(m_lblAlerts);
    inner->addLayout(timeRow);

    // How reminders reach the user, and where 29 February falls in other years. The items
    // carry the stored names.
    QGroupBox* grpReminders =
        frameCreate(QStringLiteral("Reminders"), QStringLiteral("grpReminders"),
                    QStringLiteral("imgReminders"), QStyle::SP_ComputerIcon, this, inner);
    auto* lblShowAs = new QLabel(QStringLiteral("Show reminders as:"), grpReminders);
    lblShowAs->setObjectName(QStringLiteral("lblShowAs"));
    m_cboShowAs = new QComboBox(grpReminders);
    m_cboShowAs->setObjectName(QStringLiteral("cboShowAs"));
    m_cboShowAs->addItem(QStringLiteral("the Candlewatcher window"),
                         ReminderDisplays::name(ReminderDisplay::Window));
    m_cboShowAs->addItem(QStringLiteral("desktop notifications"),
                         ReminderDisplays::name(ReminderDisplay::Notifications));
    lblShowAs->setBuddy(m_cboShowAs);
    auto* lblLeapDay = new QLabel(QStringLiteral("Leap-day events in other years:"), grpReminders);
    lblLeapDay->setObjectName(QStringLiteral("lblLeapDay"));
    m_cboLeapDay = new QComboBox(grpReminders);
    m_cboLeapDay->setObjectName(QStringLiteral("cboLeapDay"));
    m_cboLeapDay->addItem(QStringLiteral("28 February"),
                          LeapDayRules::name(LeapDayRule::February28));
    m_cboLeapDay->addItem(QStringLiteral("1 March"), LeapDayRules::name(LeapDayRule::March1));
    lblLeapDay->setBuddy(m_cboLeapDay);
    auto* choices = new QGridLayout;
    choices->setHorizontalSpacing(8);
    choices->addWidget(lblShowAs, 0, 0);
    choices->addWidget(m_cboShowAs, 0, 1);
    choices->addWidget(lblLeapDay, 1, 0);
    choices->addWidget(m_cboLeapDay, 1, 1);
    choices->setColumnStretch(1, 1);
    inner->addLayout(choices);

    const DialogButtons buttonPair = dialogButtonsCreate(this, 89); // 1335 twips
    m_cmdOK = buttonPair.ok;
    m_cmdCancel = buttonPair.cancel;
    connect(m_cmdOK, &QPushButton::clicked, this, &PreferencesDialog::cmdOkClick);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_cmdOK);
    buttons->addWidget(m_cmdCancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grpConfirmation);
    layout->addWidget(grpNotification);
    layout->addWidget(grpAlerts);
    layout->addWidget(grpReminders);
    layout->addSpacing(4);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    QWidget::setTabOrder(m_chkConfirmDelete, m_chkConfirmQuit);
    QWidget::setTabOrder(m_chkConfirmQuit, m_optEveryHour);
    QWidget::setTabOrder(m_optEveryHour, m_optEveryDay);
    QWidget::setTabOrder(m_optEveryDay, m_optNone);
    QWidget::setTabOrder(m_optNone, m_objTime);
    QWidget::setTabOrder(m_objTime, m_cboShowAs);
    QWidget::setTabOrder(m_cboShowAs, m_cboLeapDay);
    QWidget::setTabOrder(m_cboLeapDay, m_cmdCancel);
    QWidget::setTabOrder(m_cmdCancel, m_cmdOK);

    helpHook(m_chkConfirmDelete, QStringLiteral("confirmdelete"), help);
    helpHook(m_chkConfirmQuit, QStringLiteral("confirmquit"), help);
    helpHook(m_optEveryHour, QStringLiteral("notifysettings"), help);
    helpHook(m_optEveryDay, QStringLiteral("notifysettings"), help);
    helpHook(m_optNone, QStringLiteral("notifysettings"), help);
    helpHook(m_objTime, QStringLiteral("alerttime"), help);
    helpHook(m_cmdOK, QStringLiteral("ok"), help);
    helpHook(m_cmdCancel, QStringLiteral("cancel"), help);
}

void PreferencesDialog::settingsLoad()
{
    // The boxes show what the questions will do; a time changed outside the program that
    // doesn't convert shows the default.
    m_chkConfirmQuit->setChecked(m_settings.read(Setting::quitConfirm));
    m_chkConfirmDelete->setChecked(m_settings.read(Setting::deleteConfirm));

    const QString every = m_settings.read(Setting::notifyEvery);
    if (every == QLatin1String("Hour"))
        m_optEveryHour->setChecked(true);
    else if (every == QLatin1String("Day"))
        m_optEveryDay->setChecked(true);
    else if (every == QLatin1String("None"))
        m_optNone->setChecked(true);

    m_objTime->setTime(m_settings.read(Setting::alertTime));

    m_storedShowAs = m_settings.read(Setting::showRemindersAs);
    m_cboShowAs->setCurrentIndex(m_cboShowAs->findData(
        ReminderDisplays::name(ReminderDisplays::fromSetting(m_storedShowAs, m_windowPlaceable))));
    m_cboLeapDay->setCurrentIndex(m_cboLeapDay->findData(
        LeapDayRules::name(LeapDayRules::fromName(m_settings.read(Setting::leapDayEvents)))));
}

void PreferencesDialog::cmdOkClick()
{
    m_settings.write(Setting::quitConfirm, m_chkConfirmQuit->isChecked());
    m_settings.write(Setting::deleteConfirm, m_chkConfirmDelete->isChecked());
    QString every = QStringLiteral("None");
    if (m_optEveryHour->isChecked())
        every = QStringLiteral("Hour");
    else if (m_optEveryDay->isChecked())
        every = QStringLiteral("Day");
    m_settings.write(Setting::notifyEvery, every);
    m_settings.write(Setting::alertTime, m_objTime->time());
    // The automatic choice stays automatic (it follows the desktop) until the user picks
    // the other one.
    const QString showAs = m_cboShowAs->currentData().toString();
    if (!m_storedShowAs.isEmpty() ||
        showAs != ReminderDisplays::name(ReminderDisplays::automatic(m_windowPlaceable)))
        m_settings.write(Setting::showRemindersAs, showAs);
    m_settings.write(Setting::leapDayEvents, m_cboLeapDay->currentData().toString());
    accept();
}

bool PreferencesDialog::eventFilter(QObject* watched, QEvent* event)
{
    // lblAlerts_Click: a click on the label puts the caret into the time picker.
    if (watched == m_lblAlerts && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
        m_objTime->setFocus(Qt::ShortcutFocusReason); // hours selected, ready to type
    return QDialog::eventFilter(watched, event);
}
