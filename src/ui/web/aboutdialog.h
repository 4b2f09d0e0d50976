#pragma once

#include <QDialog>

#include <functional>

class QLabel;
class QPushButton;

// frmAbout: "About Candlewatcher v2.00", with links to the maker's website and support mail
// address and a button that starts the system information tool.
class AboutDialog : public QDialog
{
    Q_OBJECT
public:
    // Opens an address through the desktop; false when it could not.
    using UrlOpener = std::function<bool(const QString& target)>;

    // No control of the box feeds the help panel.
    explicit AboutDialog(QWidget* parent = nullptr);

    // fileLaunch by default.
    void setUrlOpener(UrlOpener opener);

private:
    void lblWebsiteURLClick();
    void lblEMailURLClick();
    void cmdSysInfoClick();
    void addressOpen(const QString& target);

    UrlOpener m_urlOpener;
    QLabel* m_lblTitle = nullptr;
    QLabel* m_lblDescription = nullptr;
    QLabel* m_lblMoreInfo = nullptr;
    QLabel* m_lblWebsiteURL = nullptr;
    QLabel* m_lblEMail = nullptr;
    QLabel* m_lblEMailURL = nullptr;
    QPushButton* m_cmdOK = nullptr;
    QPushButton* m_cmdSysInfo = nullptr;
};
