#include "commentsform.h"

CommentsForm::CommentsForm(SettingsStore& settings, const HelpSink& help, QWidget* parent)
    : QDialog(parent), m_settings(settings)
{
    Q_UNUSED(help); // TODO(web): placeholder until the web part lands
}
