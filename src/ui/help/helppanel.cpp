#include "ui/help/helppanel.h"

#include "ui/presentation/helptopics.h"

#include <QLabel>
#include <QVBoxLayout>

namespace {

QFont panelFont(const QFont& base, bool bold)
{
    // Tahoma where it is installed, else the desktop's own font.
    QFont font = base;
    font.setFamilies({QStringLiteral("Tahoma"), base.family()});
    font.setBold(bold);
    return font;
}

} // namespace

HelpPanel::HelpPanel(QWidget* parent)
    : QFrame(parent), m_title(new QLabel(tr(initialTitle), this)),
      m_text(new QLabel(tr(initialText), this))
{
    setObjectName(QStringLiteral("picHelp"));
    m_title->setObjectName(QStringLiteral("lblHelpTitle"));
    m_text->setObjectName(QStringLiteral("lblHelpText"));
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Sunken);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);

    m_title->setFont(panelFont(font(), true));
    m_text->setFont(panelFont(font(), false));
    m_title->setWordWrap(true);
    m_text->setWordWrap(true);
    m_text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_title->setTextFormat(Qt::PlainText);
    m_text->setTextFormat(Qt::PlainText);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->setSpacing(6);
    layout->addWidget(m_title);
    layout->addWidget(m_text, 1);
}

QString HelpPanel::title() const
{
    return m_title->text();
}

QString HelpPanel::text() const
{
    return m_text->text();
}

void HelpPanel::showTopic(const QString& helpKey)
{
    const HelpTopic* topic = HelpTopics::find(helpKey);
    if (!topic)
        return;
    const QString title = topic->shownTitle();
    const QString text = topic->shownText();
    if (m_title->text() == title && m_text->text() == text)
        return;
    m_title->setText(title);
    m_text->setText(text);
    // At once, not at the next turn of the event loop: the pointer may already be elsewhere.
    repaint();
}
