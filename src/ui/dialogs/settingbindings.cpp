#include "ui/dialogs/settingbindings.h"

#include "core/settings/settingsstore.h"
#include "ui/dialogs/wholetabstop.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QSpinBox>
#include <QTimeEdit>

SettingBindings::SettingBindings(SettingsStore& settings, HelpSink help)
    : m_settings(settings), m_help(std::move(help))
{}

QCheckBox* SettingBindings::flag(const Setting::Key<Setting::Type::Flag>& key, const char* name,
                                 const QString& caption, const char* helpKey, QWidget* parent)
{
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(QLatin1String(name));
    add({box}, helpKey,
        {[this, box, key] { box->setChecked(m_settings.read(key)); },
         [this, box, key] { m_settings.write(key, box->isChecked()); }});
    return box;
}

QSpinBox* SettingBindings::whole(const Setting::Key<Setting::Type::Whole>& key, const char* name,
                                 const char* helpKey, QWidget* parent)
{
    auto* box = new QSpinBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setRange(key.minimum, key.maximum);
    add({box}, helpKey,
        {[this, box, key] { box->setValue(m_settings.read(key).value_or(key.minimum)); },
         [this, box, key] { m_settings.write(key, box->value()); }});
    return box;
}

QTimeEdit* SettingBindings::time(const Setting::Key<Setting::Type::Time>& key, const char* name,
                                 const char* helpKey, QWidget* parent)
{
    QTimeEdit* edit = new WholeTabStop<QTimeEdit>(parent);
    edit->setObjectName(QLatin1String(name));
    // Set before the format: in a right-to-left window Qt reverses the sections, and Arabic
    // digits, which stay left to right, would then show 23:59 as 59:23.
    edit->setLayoutDirection(Qt::LeftToRight);
    edit->setDisplayFormat(QStringLiteral("HH:mm"));
    // A time changed outside the program that doesn't convert shows the default.
    add({edit}, helpKey,
        {[this, edit, key] { edit->setTime(m_settings.read(key)); },
         [this, edit, key] { m_settings.write(key, edit->time()); }});
    return edit;
}

QComboBox* SettingBindings::choice(const Setting::Key<Setting::Type::Text>& key, const char* name,
                                   const QList<std::pair<QString, QString>>& shownAndStored,
                                   const char* helpKey, QWidget* parent)
{
    auto* list = new QComboBox(parent);
    list->setObjectName(QLatin1String(name));
    for (const auto& [shown, stored] : shownAndStored)
        list->addItem(shown, stored);
    add({list}, helpKey,
        {[this, list, key] {
             const int stored = list->findData(m_settings.read(key));
             list->setCurrentIndex(stored >= 0 ? stored
                                               : list->findData(QLatin1String(key.defaultText)));
         },
         [this, list, key] { m_settings.write(key, list->currentData().toString()); }});
    return list;
}

void SettingBindings::options(const Setting::Key<Setting::Type::Text>& key,
                              const QList<std::pair<QAbstractButton*, QString>>& buttonsAndStored,
                              const char* helpKey)
{
    QList<QWidget*> buttons;
    for (const auto& [button, stored] : buttonsAndStored)
        buttons << button;
    add(buttons, helpKey,
        {[this, buttonsAndStored, key] {
             const QString stored = m_settings.read(key);
             for (const auto& [button, word] : buttonsAndStored)
                 if (word == stored)
                     button->setChecked(true);
         },
         [this, buttonsAndStored, key] {
             // One of the group is always checked; the last one's word stands for none.
             QString word = buttonsAndStored.last().second;
             for (const auto& [button, stored] : buttonsAndStored)
                 if (button->isChecked())
                     word = stored;
             m_settings.write(key, word);
         }});
}

void SettingBindings::custom(QWidget* control, const char* helpKey, std::function<void()> load,
                             std::function<void()> save)
{
    add({control}, helpKey, {std::move(load), std::move(save)});
}

void SettingBindings::add(const QList<QWidget*>& controls, const char* helpKey, Binding binding)
{
    for (QWidget* control : controls) {
        if (helpKey)
            installHelpHook(control, QLatin1String(helpKey), m_help);
        m_controls << control;
    }
    m_bindings << std::move(binding);
}

void SettingBindings::load() const
{
    for (const Binding& binding : m_bindings)
        binding.load();
}

void SettingBindings::save() const
{
    for (const Binding& binding : m_bindings)
        binding.save();
}
