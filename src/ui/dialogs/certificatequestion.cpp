#include "ui/dialogs/certificatequestion.h"

#include "ui/common/messageprompt.h"

#include <QCoreApplication>
#include <QLocale>

bool acceptCertificate(MessagePrompt& prompt, const QString& address,
                       const UntrustedCertificate& certificate)
{
    const QLocale locale;
    //: %1 is a server's address, %2 what is wrong with its certificate, %3 and %4 whom it
    //: names and who issued it, %5 and %6 dates, %7 the fingerprint.
    const QString text =
        QCoreApplication::translate(
            "CertificateQuestion",
            "The certificate of %1 does not verify: %2\n\nIssued to: %3\nIssued by: %4\nValid "
            "from %5 to %6\nSHA-256 fingerprint: %7\n\nAccept it for this server only if you "
            "know it is the server's own (compare the fingerprint with the one its owner "
            "gives). A certificate that changes later is asked about again.\n\nAccept it?")
            .arg(address, certificate.errors.join(QStringLiteral("; ")), certificate.subject,
                 certificate.issuer,
                 locale.toString(certificate.validFrom.date(), QLocale::ShortFormat),
                 locale.toString(certificate.validUntil.date(), QLocale::ShortFormat),
                 certificate.sha256);
    return prompt.ask(QMessageBox::Warning, text, QMessageBox::Yes | QMessageBox::No,
                      QMessageBox::No) == QMessageBox::Yes;
}
