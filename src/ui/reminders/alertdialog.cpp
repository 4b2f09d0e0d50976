#include "alertdialog.h"

#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace {

int px(int twips)
{
    return (twips + 7) / 15;
}

void setTwipGeometry(QWidget* widget, int left, int top, int width, int height)
{
    widget->setGeometry(px(left), px(top), px(width), px(height));
}

} // namespace

AlertDialog::AlertDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("frmAlert"));
    setWindowTitle(QStringLiteral("Candlewatcher Alert"));
    const QIcon icon(QStringLiteral(":/icons/candlewatcher.svg"));
    setWindowIcon(icon);
    setFixedSize(px(6645), px(2760));

    m_grpDue = new QGroupBox(QStringLiteral("Birthdays Due Today"), this);
    m_grpDue->setObjectName(QStringLiteral("grpDue"));
    setTwipGeometry(m_grpDue, 60, 60, 6495, 2115);

    m_lstDue = new QListWidget(m_grpDue);
    m_lstDue->setObjectName(QStringLiteral("lstDue"));
    m_lstDue->setAccessibleName(m_grpDue->title()); // a list takes no name from its frame
    setTwipGeometry(m_lstDue, 780, 300, 5535, 1620);

    m_imgDue = new QLabel(m_grpDue);
    m_imgDue->setObjectName(QStringLiteral("imgDue"));
    setTwipGeometry(m_imgDue, 180, 300, 480, 480);
    m_imgDue->setPixmap(icon.pixmap(px(480), px(480)));

    m_cmdClose = new QPushButton(QStringLiteral("Close"), this);
    m_cmdClose->setObjectName(QStringLiteral("cmdClose"));
    setTwipGeometry(m_cmdClose, 5220, 2280, 1335, 375);
    // Enter presses the default button; Escape rejects, which closes the dialog as well.
    m_cmdClose->setDefault(true);
    m_cmdClose->setAutoDefault(true);
    connect(m_cmdClose, &QPushButton::clicked, this, &QDialog::accept);
    m_cmdClose->setFocus();

    // However it closes (button, Enter, Escape, the title bar), the dialog and its list go.
    connect(this, &QDialog::finished, this, &QObject::deleteLater);
}

void AlertDialog::dueAdd(const QString& name)
{
    m_lstDue->addItem(name);
}

QStringList AlertDialog::dueNames() const
{
    QStringList names;
    for (int row = 0; row < m_lstDue->count(); ++row)
        names.append(m_lstDue->item(row)->text());
    return names;
}
